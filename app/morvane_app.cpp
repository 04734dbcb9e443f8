#include "app/morvane_app.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QStatusBar>
#include <utility>

#include "app/about_dlg.h"
#include "app/command_line_info.h"
#include "app/main_frame.h"
#include "app/player_settings.h"
#include "app/product_info.h"
#include "app/remembered_game.h"
#include "io/figure_file.h"
#include "view/morvane_view.h"
#include "view/user_services.h"

namespace {

// The remembered game is written at most this often, in milliseconds.
constexpr int kRememberInterval = 1000;

QIcon ApplicationIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128}) {
    icon.addFile(QStringLiteral(":/icons/%1x%1/wendrel.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace

CMorvaneApp::CMorvaneApp(UserServices& services)
    : m_services(services), m_doc(services), m_runModal([](QDialog& dialog) { dialog.exec(); }) {
  // The resources live in a static library, so the linker keeps them only when named.
  Q_INIT_RESOURCE(wendrel);
}

CMorvaneApp::~CMorvaneApp() = default;

bool CMorvaneApp::InitInstance(const CommandLineInfo& cmdInfo) {
  // Qt keeps its settings, and the program its own, under these names; there is no list
  // of recent files.
  QCoreApplication::setOrganizationName(QLatin1String(product::kSettingsOrganisation));
  QCoreApplication::setApplicationName(QLatin1String(product::kName));
  QGuiApplication::setDesktopFileName(QLatin1String(product::kDesktopFileName));
  QApplication::setWindowIcon(ApplicationIcon());

  // Before any window exists, so that a file that cannot be opened ends the start-up with
  // nothing but its message box shown.
  wendrel::SavedGame opened;
  GameFileIo::Read::Outcome outcome = GameFileIo::Read::Outcome::kEmpty;
  // A figure file given to open, as the file manager gives one, is added to the player's
  // figures once the window stands.
  const bool figureFile = cmdInfo.fileName.endsWith(
      QString::fromUtf8(wendrel::kFigureFileExtension), Qt::CaseInsensitive);
  if (cmdInfo.fileName.isEmpty() || figureFile)
    m_doc.OnNewDocument();
  else
    outcome = m_doc.OnOpenDocument(cmdInfo.fileName, nullptr, opened);
  if (outcome == GameFileIo::Read::Outcome::kFailed)
    return false;

  m_game.SetSolveBook(m_solveBook);
  const QStringList setAside = m_myFigures.Load();
  m_pMainFrame = std::make_unique<CMainFrame>(m_services, m_game, m_myFigures, m_runModal);
  RouteCommands();
  CMorvaneView& view = m_pMainFrame->View();
  if (cmdInfo.seed)
    m_game.SetNextNumber(*cmdInfo.seed);
  // A figure on the command line is for this run only: the saved choice stays.
  m_game.SetNextFigure(ChosenFigure(cmdInfo.figure), cmdInfo.pieces.value_or(SavedPieces()));
  m_pMainFrame->ShowPieces(cmdInfo.pieces.value_or(SavedPieces()));
  m_pMainFrame->ShowFigure(*m_game.NextFigure());
  view.OnInitialUpdate();
  RestoreWindowLayout(*m_pMainFrame);
  m_pMainFrame->show();
  if (!setAside.isEmpty()) {
    m_services.MessageBox(m_pMainFrame.get(),
                          QCoreApplication::translate("CMorvaneApp",
                                                      "These figures of your own could not be "
                                                      "read and were set aside:\n%1")
                              .arg(setAside.join(u'\n')),
                          QCoreApplication::translate("CMorvaneApp", "My Figures"),
                          UserServices::Icon::Stop);
  }
  if (figureFile) {
    m_pMainFrame->OpenFigureFile(cmdInfo.fileName);
  } else if (outcome == GameFileIo::Read::Outcome::kGame) {
    view.OpenGame(opened);
  } else if (cmdInfo.fileName.isEmpty() && m_pMainFrame->Actions().remember->isChecked()) {
    if (const std::optional<wendrel::SavedGame> remembered =
            m_remembered.TakeUp(m_pMainFrame.get()))
      view.OpenGame(*remembered);
  }
  return true;
}

void CMorvaneApp::RememberGame(bool atClose) {
  if (!m_pMainFrame->Actions().remember->isChecked())
    return;
  // A drag in progress is no finished gesture: its drop will ask again.
  if (m_pMainFrame->View().Dragging() != 0)
    return;
  if (!m_game.HasPuzzle())
    return;
  // Only the copy of the game is taken here; the text is made and written off the window's
  // thread, except at close, where the window waits for it.
  GameFileIo::Text text = GameFileIo::TextOf(m_game);
  if (atClose)
    m_remembered.RememberNow(std::move(text), m_pMainFrame.get());
  else
    m_remembered.Remember(std::move(text));
}

void CMorvaneApp::RouteCommands() {
  CMainFrame& frame = *m_pMainFrame;
  CMorvaneView& view = frame.View();
  const CMainFrame::Commands commands = frame.Actions();
  const auto route = [](QAction* command, auto* receiver, auto handler) {
    QObject::connect(command, &QAction::triggered, receiver, handler);
  };

  // The frame. View, Toolbar is the toolbar's own action, which Qt wires.
  route(commands.exit, &frame, &QWidget::close);
  QObject::connect(commands.statusBar, &QAction::toggled, frame.statusBar(), &QWidget::setVisible);
  route(commands.instructions, &frame, &CMainFrame::OnInstructions);
  route(commands.termsOfUse, &frame, &CMainFrame::OnTermsOfUse);
  route(commands.moreGames, &frame, &CMainFrame::OnMoreGames);
  // The application and the document; they are no Qt objects, so the frame, which lives
  // as long as the wiring, stands in as the receiver.
  route(commands.about, &frame, [this] { OnAppAbout(); });
  route(commands.fileNew, &frame, [this] { OnFileNew(); });
  route(commands.fileOpen, &frame, [this] { OnFileOpen(); });
  route(commands.fileSave, &frame, [this, &frame] { m_doc.OnFileSave(&frame, m_game); });
  route(commands.fileSaveAs, &frame, [this, &frame] { m_doc.OnFileSaveAs(&frame, m_game); });
  // The remembered game: written when the window closes and after each finished gesture,
  // at most once a second.
  commands.remember->setChecked(RememberGameOnExit());
  QObject::connect(commands.remember, &QAction::toggled, &frame, [this, &frame](bool on) {
    SaveRememberGameOnExit(on);
    if (on)
      m_remembered.Begin(&frame);
    else
      m_remembered.Forget();
  });
  QObject::connect(&m_remembered, &RememberedGame::Failed, &frame, &CMainFrame::ShowMessage);
  m_rememberTimer.setSingleShot(true);
  m_rememberTimer.setInterval(kRememberInterval);
  QObject::connect(&m_rememberTimer, &QTimer::timeout, &frame, [this] { RememberGame(); });
  QObject::connect(&view, &CMorvaneView::GameChanged, &frame, [this] {
    if (!m_rememberTimer.isActive())
      m_rememberTimer.start();
  });
  QObject::connect(&frame, &CMainFrame::Closing, &frame, [this] { RememberGame(true); });
  QObject::connect(&frame, &CMainFrame::Closing, &frame, [&frame] { SaveWindowLayout(frame); });
  // The view.
  route(commands.generate, &view, &CMorvaneView::OnGenerate);
  route(commands.fileGenerate, &view, &CMorvaneView::OnFileGenerate);
  route(commands.generateNumber, &frame, &CMainFrame::OnGenerateNumber);
  route(commands.restart, &view, &CMorvaneView::OnRestart);
  route(commands.hint, &view, &CMorvaneView::OnHint);
  route(commands.solve, &view, &CMorvaneView::OnSolve);
  route(commands.statistics, &frame, &CMainFrame::OnStatistics);
  QObject::connect(commands.timer, &QAction::toggled, &frame, &CMainFrame::OnTimer);
  for (std::size_t i = 0; i < wendrel::kShapes.size(); ++i) {
    const wendrel::Shape shape = wendrel::kShapes[i].shape;
    route(commands.shapes[static_cast<qsizetype>(i)], &view, [this, shape] {
      m_game.SetNextFigure(wendrel::BuiltInFigure(shape), SavedPieces());
      SaveFigureName(wendrel::InfoOf(shape).name);
    });
  }
  route(commands.filePrint, &view, &CMorvaneView::OnFilePrint);
  route(commands.editUndo, &view, &CMorvaneView::OnEditUndo);
  route(commands.editRedo, &view, &CMorvaneView::OnEditRedo);
}

wendrel::FigureRef CMorvaneApp::ChosenFigure(const std::optional<std::string>& given) {
  // Settings are the user's to edit: a name no figure has is no choice.
  if (!given) {
    wendrel::FigureRef saved = m_myFigures.Find(SavedFigureName());
    return saved ? saved : wendrel::BuiltInFigure(wendrel::kDefaultShape);
  }
  if (wendrel::FigureRef named = m_myFigures.Find(*given))
    return named;
  wendrel::FigureFileRead read = wendrel::ReadFigureFileAt(*given);
  if (read.ok())
    return std::make_shared<const wendrel::Figure>(std::move(read.figure));
  m_services.MessageBox(
      nullptr,
      QCoreApplication::translate("CMorvaneApp", "Cannot open figure %1: %2")
          .arg(QString::fromStdString(*given),
               QString::fromStdString(wendrel::FigureFileReason(
                   read,
                   [](const char* wording) {
                     return QCoreApplication::translate("FigureFile", wording).toStdString();
                   }))),
      QCoreApplication::translate("CMorvaneApp", "Open Figure"), UserServices::Icon::Stop);
  return ChosenFigure(std::nullopt);
}

void CMorvaneApp::OnFileNew() {
  if (m_doc.OnNewDocument())
    m_pMainFrame->View().OnInitialUpdate();
}

void CMorvaneApp::OnFileOpen() {
  const QString path = m_services.OpenFileName(m_pMainFrame.get(), CMorvaneDoc::FileFilter());
  if (path.isEmpty())
    return;
  wendrel::SavedGame game;
  const GameFileIo::Read::Outcome outcome = m_doc.OnOpenDocument(path, m_pMainFrame.get(), game);
  if (outcome == GameFileIo::Read::Outcome::kFailed)
    return;
  CMorvaneView& view = m_pMainFrame->View();
  view.OnInitialUpdate();
  if (outcome == GameFileIo::Read::Outcome::kGame)
    view.OpenGame(game);
}

void CMorvaneApp::OnAppAbout() {
  CAboutDlg aboutDlg(m_pMainFrame.get());
  RunModal(aboutDlg);
}

void CMorvaneApp::RunModal(QDialog& dialog) const {
  m_runModal(dialog);
}

void CMorvaneApp::SetDialogRunner(DialogRunner runner) {
  m_runModal = std::move(runner);
}

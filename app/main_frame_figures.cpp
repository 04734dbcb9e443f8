// The frame's figure commands: the chooser, and the pane that shows the figure being
// played beside the play area.

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDockWidget>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "app/figure_chooser_dlg.h"
#include "app/main_frame.h"
#include "app/my_figures.h"
#include "app/picture_figure_dlg.h"
#include "app/picture_image.h"
#include "app/player_settings.h"
#include "assembly/generate_puzzle.h"
#include "io/figure_file.h"
#include "io/file_to_read.h"
#include "shapes/figure_check.h"
#include "view/figure_pane.h"
#include "view/morvane_view.h"
#include "view/user_services.h"

namespace {

// A count's item in the Pieces menus, with a key of its own among its neighbours: the
// counts to 9 by their digit, the counts from 10 (in a menu of their own) by their second
// digit, and 20 by the first letter of its text.
QString CountItem(QString text, int pieces) {
  const QString number = QString::number(pieces);
  text = text.arg(number);
  qsizetype at = text.indexOf(number);
  if (pieces >= 10 && pieces < 20)
    at += 1;
  else if (pieces >= 20)
    at =
        std::find_if(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }) - text.begin();
  if (at >= 0 && at < text.size())
    text.insert(at, u'&');
  return text;
}

// The side a traced outline is walked at: 40 units once the figure is scaled, a little
// longer than the box's figures' sides; traced outlines of shorter sides failed more often.
double PictureSide(const std::vector<wendrel::DPoint>& outline) {
  const auto [left, right] = std::minmax_element(outline.begin(), outline.end(),
                                                 [](auto& a, auto& b) { return a.x < b.x; });
  const auto [bottom, top] = std::minmax_element(outline.begin(), outline.end(),
                                                 [](auto& a, auto& b) { return a.y < b.y; });
  return std::max(right->x - left->x, top->y - bottom->y) * 40.0 / wendrel::kFigureSize;
}

std::string TranslateFigureFile(const char* wording) {
  return QCoreApplication::translate("FigureFile", wording).toStdString();
}

}  // namespace

void CMainFrame::createFigureCommands() {
  m_chooseFigureAct = new QAction(tr("Choose &Figure..."), this);
  m_chooseFigureAct->setShortcut(Qt::CTRL | Qt::Key_F);
  m_chooseFigureAct->setToolTip(tr("Choose Figure"));
  m_chooseFigureAct->setStatusTip(tr("Choose a figure and start a puzzle of it"));
  m_moreFiguresAct = new QAction(tr("&More Figures..."), this);
  m_moreFiguresAct->setToolTip(tr("More Figures"));
  m_moreFiguresAct->setStatusTip(tr("Choose from every figure and start a puzzle of it"));
  for (QAction* choose : {m_chooseFigureAct, m_moreFiguresAct})
    connect(choose, &QAction::triggered, this, &CMainFrame::OnChooseFigure);
  m_openFigureAct = new QAction(tr("Open F&igure..."), this);
  m_openFigureAct->setToolTip(tr("Open Figure"));
  m_openFigureAct->setStatusTip(
      tr("Add a figure file to your own figures and start a puzzle of it"));
  connect(m_openFigureAct, &QAction::triggered, this, &CMainFrame::OnOpenFigure);
  m_figureFromPictureAct = new QAction(tr("Ne&w Figure from Picture..."), this);
  m_figureFromPictureAct->setToolTip(tr("New Figure from Picture"));
  m_figureFromPictureAct->setStatusTip(
      tr("Make a figure of your own from the largest shape of a picture"));
  connect(m_figureFromPictureAct, &QAction::triggered, this, &CMainFrame::OnFigureFromPicture);

  auto* piecesGroup = new QActionGroup(this);
  for (int pieces = 0; pieces <= wendrel::Figure::kMaxPieces;
       pieces = pieces == 0 ? wendrel::Figure::kMinPieces : pieces + 1) {
    QAction* count = piecesGroup->addAction(pieces == 0 ? tr("&Each Figure's Own")
                                                        : CountItem(tr("%1 pieces"), pieces));
    count->setCheckable(true);
    count->setData(pieces);
    count->setStatusTip(pieces == 0 ? tr("Cut each figure into its own pieces")
                                    : tr("Cut the next puzzles into %1 pieces").arg(pieces));
    connect(count, &QAction::triggered, this, [this, pieces] {
      SavePieces(pieces);
      m_game.SetNextFigure(m_game.NextFigure(), pieces);
    });
    m_piecesActs << count;
  }
  ShowPieces(SavedPieces());

  m_figurePane = new CFigurePane(m_game);
  m_figureDock = new QDockWidget(tr("Figure"), this);
  // The name under which the window's saved state keeps the pane's place.
  m_figureDock->setObjectName(QStringLiteral("FigureOutline"));
  m_figureDock->setWidget(m_figurePane);
  addDockWidget(Qt::RightDockWidgetArea, m_figureDock);
  m_figureDock->setVisible(FigureOutlineShown());
  // The dock names its toggle after its title; the menu item has a text of its own.
  QAction* shown = m_figureDock->toggleViewAction();
  shown->setText(tr("Figure Out&line"));
  shown->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
  shown->setToolTip(tr("Toggle Figure Outline"));
  shown->setStatusTip(tr("Show or hide the figure being played beside the play area"));
  connect(shown, &QAction::toggled, this, &SaveFigureOutlineShown);
  // The keys stay the frame's, so that they work with the menu bar hidden by a desktop.
  addActions({m_chooseFigureAct, shown});

  // The pane draws from the record: it follows every change of the puzzle, and of the
  // chosen shape, which it shows until the first Generate.
  connect(m_pView, &CMorvaneView::GameChanged, m_figurePane, qOverload<>(&QWidget::update));
  for (QAction* shape : m_shapeActs)
    connect(shape, &QAction::triggered, m_figurePane, qOverload<>(&QWidget::update));
}

void CMainFrame::OnChooseFigure() {
  CFigureChooserDlg dialog(m_myFigures, m_game.Book(), m_game.NextFigure(), m_game.NextPieces(),
                           this);
  m_runModal(dialog);
  if (const auto chosen = dialog.Chosen())
    startFigure(chosen->first, chosen->second);
}

void CMainFrame::startFigure(const wendrel::FigureRef& figure, int pieces) {
  m_pView->SetFigure(figure, pieces);
  SaveFigureName(figure->name);
  SavePieces(pieces);
  ShowFigure(*figure);
  ShowPieces(pieces);
  m_pView->OnGenerate();
  m_figurePane->update();
}

void CMainFrame::ShowPieces(int pieces) {
  for (QAction* count : m_piecesActs)
    count->setChecked(count->data().toInt() == pieces);
}

void CMainFrame::OnOpenFigure() {
  const QString path = m_services.OpenFileName(
      this, tr("Wendrel figures (*%1)").arg(QString::fromUtf8(wendrel::kFigureFileExtension)));
  if (!path.isEmpty())
    OpenFigureFile(path);
}

void CMainFrame::OpenFigureFile(const QString& path) {
  const auto refuse = [&](const QString& reason) {
    m_services.MessageBox(this, tr("Cannot open %1: %2").arg(QFileInfo(path).fileName(), reason),
                          tr("Open Figure"), UserServices::Icon::Stop);
  };
  std::string text;
  if (const std::error_code ec =
          wendrel::ReadFileText(path.toStdString(), wendrel::kMaxFigureFileBytes, text))
    return refuse(QString::fromStdString(ec.message()));
  const std::string name = wendrel::FigureNameOf(QFileInfo(path).completeBaseName().toStdString());
  const wendrel::FigureFileRead read = wendrel::ReadFigureFile(text, name);
  if (!read.ok())
    return refuse(QString::fromStdString(wendrel::FigureFileReason(read, TranslateFigureFile)));
  keepFigure(text, read, SavedPieces(), tr("Cannot open %1: %2").arg(QFileInfo(path).fileName()),
             tr("Open Figure"));
}

void CMainFrame::keepFigure(const std::string& text, const wendrel::FigureFileRead& read,
                            int pieces, const QString& refusal, const QString& caption) {
  const auto refuse = [&](const QString& reason) {
    m_services.MessageBox(this, QString(refusal).arg(reason), caption, UserServices::Icon::Stop);
  };
  if (!wendrel::CutsReliably(std::make_shared<const wendrel::Figure>(read.figure), pieces))
    return refuse(
        tr("no puzzle could be cut from this figure; its narrowest parts may be too thin"));
  QString error;
  const wendrel::FigureRef kept = m_myFigures.Add(text, read.figure.name, error);
  if (!kept)
    return refuse(error);
  startFigure(kept, pieces);
}

void CMainFrame::OnFigureFromPicture() {
  const QString path = m_services.OpenFileName(this, tr("Pictures (*.png *.jpg *.jpeg *.svg)"));
  if (path.isEmpty())
    return;
  const QString refusal = tr("Cannot make a figure from %1: %2").arg(QFileInfo(path).fileName());
  const QString caption = tr("New Figure from Picture");
  const auto refuse = [&](const QString& reason) {
    m_services.MessageBox(this, QString(refusal).arg(reason), caption, UserServices::Icon::Stop);
  };
  const wendrel::PictureTrace trace = TracePicture(path);
  if (!trace.ok())
    return refuse(PictureRefusalText(trace.refusal));
  CPictureFigureDlg dialog(this, trace.outline, QFileInfo(path).completeBaseName());
  m_runModal(dialog);
  if (dialog.result() != QDialog::Accepted)
    return;
  // Kept as a figure file in the picture's units, which reading scales as any other, with
  // sides as even as the box's figures have them.
  wendrel::Figure traced;
  traced.title = dialog.Name().toStdString();
  traced.outline = wendrel::EvenSides(trace.outline, PictureSide(trace.outline));
  const std::string text = wendrel::WriteFigureFile(traced);
  const wendrel::FigureFileRead read =
      wendrel::ReadFigureFile(text, wendrel::FigureNameOf(traced.title));
  if (!read.ok())
    return refuse(QString::fromStdString(wendrel::FigureFileReason(read, TranslateFigureFile)));
  keepFigure(text, read, dialog.Pieces(), refusal, caption);
}

void CMainFrame::setVisible(bool visible) {
  // Qt opens a window that was given no size at its size hint, bounded by two thirds of
  // the screen. Sizing it here, first, keeps that bound off the pane's width.
  if (visible && !testAttribute(Qt::WA_Resized))
    resize(openingSize());
  QMainWindow::setVisible(visible);
}

QSize CMainFrame::openingSize() const {
  int pane = 0;
  const Qt::DockWidgetArea area = dockWidgetArea(m_figureDock);
  if (!m_figureDock->isHidden() && !m_figureDock->isFloating() &&
      (area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea)) {
    pane = m_figureDock->sizeHint().width() +
           style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
  }
  const QSize hint = sizeHint();
  const QSize screenSize = screen()->geometry().size();
  const QSize size(std::min(hint.width() - pane, screenSize.width() * 2 / 3) + pane,
                   std::min(hint.height(), screenSize.height() * 2 / 3));
  return size.boundedTo(screen()->availableGeometry().size());
}

#include "app/main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

#include "app/generate_number_dlg.h"
#include "app/key_indicators.h"
#include "app/key_lock_state.h"
#include "app/licence_terms.h"
#include "app/more_games_dlg.h"
#include "app/player_settings.h"
#include "app/product_info.h"
#include "app/shape_texts.h"
#include "app/statistics_dlg.h"
#include "view/morvane_view.h"
#include "view/user_services.h"

namespace {

// How often the time pane is brought up to date, in milliseconds: often enough that
// the seconds never seem to skip.
constexpr int kTimeTick = 250;

}  // namespace

CMainFrame::CMainFrame(UserServices& services, wendrel::PuzzleGame& game, MyFigures& mine,
                       const DialogRunner& runModal)
    : m_services(services),
      m_game(game),
      m_myFigures(mine),
      m_runModal(runModal),
      m_pView(new CMorvaneView(services, game, this)) {
  // The name of the program alone: the document has no name to show.
  setWindowTitle(QLatin1String(product::kName));
  setCentralWidget(m_pView);

  createActions();
  // The View menu holds the bars' own show and hide commands, so the bars come first.
  createToolBars();
  createStatusBar();
  createFigureCommands();
  createMenus();
}

void CMainFrame::createActions() {
  // The toolbar button and the menu item are two commands with the same prompt.
  const QIcon generateIcon(QStringLiteral(":/images/generate.png"));
  m_generateAct = new QAction(generateIcon, tr("Generate"), this);
  m_fileGenerateAct = new QAction(generateIcon, tr("&Generate"), this);
  for (QAction* generate : {m_generateAct, m_fileGenerateAct}) {
    generate->setToolTip(tr("Generate"));
    generate->setStatusTip(tr("Generate a new puzzle"));
  }

  m_exitAct = new QAction(tr("E&xit"), this);
  m_exitAct->setToolTip(tr("Exit"));
  m_exitAct->setStatusTip(tr("Quit the application"));

  m_statusBarAct = new QAction(tr("&Status Bar"), this);
  m_statusBarAct->setToolTip(tr("Toggle StatusBar"));
  m_statusBarAct->setStatusTip(tr("Show or hide the status bar"));
  m_statusBarAct->setCheckable(true);
  m_statusBarAct->setChecked(true);

  m_instructionsAct = new QAction(tr("&Instructions..."), this);
  m_instructionsAct->setStatusTip(tr("Display instructions"));

  m_termsOfUseAct = new QAction(tr("&Terms of use..."), this);
  m_termsOfUseAct->setStatusTip(tr("Display terms of use"));

  m_moreGamesAct = new QAction(tr("&More Games..."), this);
  m_moreGamesAct->setStatusTip(tr("Display website information"));

  m_aboutAct = new QAction(QIcon(QStringLiteral(":/images/about.png")),
                           tr("&About %1...").arg(QLatin1String(product::kName)), this);
  m_aboutAct->setToolTip(tr("About"));
  m_aboutAct->setStatusTip(tr("Display program information, version number and copyright"));

  m_generateNumberAct = new QAction(tr("Generate &Number..."), this);
  m_generateNumberAct->setToolTip(tr("Generate Number"));
  m_generateNumberAct->setStatusTip(tr("Generate the puzzle of a given number"));

  m_restartAct = new QAction(tr("&Restart Puzzle"), this);
  m_restartAct->setToolTip(tr("Restart Puzzle"));
  m_restartAct->setStatusTip(tr("Put every piece back where the puzzle began"));

  m_hintAct = new QAction(tr("&Hint"), this);
  m_hintAct->setShortcut(Qt::Key_H);
  m_hintAct->setToolTip(tr("Hint"));
  m_hintAct->setStatusTip(tr("Join one more piece to the selected or the largest group"));

  m_solveAct = new QAction(tr("S&olve"), this);
  m_solveAct->setToolTip(tr("Solve"));
  m_solveAct->setStatusTip(tr("Join every piece and show the solved puzzle"));

  m_statisticsAct = new QAction(tr("S&tatistics..."), this);
  m_statisticsAct->setToolTip(tr("Statistics"));
  m_statisticsAct->setStatusTip(tr("Show the puzzles solved and the best times for each shape"));

  m_timerAct = new QAction(tr("T&imer"), this);
  m_timerAct->setToolTip(tr("Toggle Timer"));
  m_timerAct->setStatusTip(tr("Show or hide the playing time"));
  m_timerAct->setCheckable(true);
  m_timerAct->setChecked(TimerShown());

  auto* shapeGroup = new QActionGroup(this);
  // No item is checked while a figure of the box or the player's own is chosen.
  shapeGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (const wendrel::ShapeInfo& info : wendrel::kShapes)
    m_shapeActs << shapeGroup->addAction(shapeCommand(info.shape));

  // New is reached by its key only; Open, Save and Print are in the File menu too.
  m_fileNewAct = keyCommand(tr("&New"), {Qt::CTRL | Qt::Key_N}, tr("Create a new document"));
  m_fileOpenAct =
      keyCommand(tr("&Open..."), {Qt::CTRL | Qt::Key_O}, tr("Open an existing document"));
  m_fileSaveAct = keyCommand(tr("&Save"), {Qt::CTRL | Qt::Key_S}, tr("Save the active document"));
  // Print, undo and redo are in the menus too, which show their first key.
  m_filePrintAct =
      keyCommand(tr("&Print..."), {Qt::CTRL | Qt::Key_P}, tr("Print the active document"));
  m_filePrintAct->setToolTip(tr("Print"));
  m_fileOpenAct->setToolTip(tr("Open"));
  m_fileSaveAct->setToolTip(tr("Save"));
  m_fileSaveAsAct = new QAction(tr("Save &As..."), this);
  m_fileSaveAsAct->setToolTip(tr("Save As"));
  m_fileSaveAsAct->setStatusTip(tr("Save the game under a new name"));
  m_rememberAct = new QAction(tr("Re&member Game on Exit"), this);
  m_rememberAct->setToolTip(tr("Remember Game on Exit"));
  m_rememberAct->setStatusTip(
      tr("Keep the game when the window closes and bring it back at the next start"));
  m_rememberAct->setCheckable(true);
  // Undo and redo of the player's moves. Ctrl+Z and Alt+Backspace are the undo keys of
  // the accelerator table; redo takes both keys that desktops use for it.
  m_editUndoAct = keyCommand(tr("&Undo"), {Qt::CTRL | Qt::Key_Z, Qt::ALT | Qt::Key_Backspace},
                             tr("Undo the last action"));
  m_editUndoAct->setToolTip(tr("Undo"));
  m_editRedoAct = keyCommand(tr("&Redo"), {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
                             tr("Redo the previously undone action"));
  m_editRedoAct->setToolTip(tr("Redo"));
  // The keys stay the frame's, so that they work with the menu bar hidden by a desktop.
  addActions(
      {m_fileNewAct, m_fileOpenAct, m_fileSaveAct, m_filePrintAct, m_editUndoAct, m_editRedoAct});
  createWindowCommands();
}

void CMainFrame::createWindowCommands() {
  m_pauseAct = new QAction(tr("&Pause"), this);
  m_pauseAct->setShortcut(Qt::Key_P);
  m_pauseAct->setToolTip(tr("Pause"));
  m_pauseAct->setStatusTip(tr("Hide the puzzle and stop the clock until you go on playing"));
  m_pauseAct->setCheckable(true);
  // The view may refuse, or end the pause itself: the check mark shows what it did.
  connect(m_pauseAct, &QAction::triggered, m_pView, &CMorvaneView::SetPaused);
  connect(m_pauseAct, &QAction::triggered, this,
          [this] { m_pauseAct->setChecked(m_pView->IsPaused()); });
  connect(m_pView, &CMorvaneView::PauseChanged, m_pauseAct, &QAction::setChecked);

  m_fullScreenAct = new QAction(tr("&Full Screen"), this);
  m_fullScreenAct->setShortcut(Qt::Key_F11);
  m_fullScreenAct->setToolTip(tr("Full Screen"));
  m_fullScreenAct->setStatusTip(tr("Fill the whole screen with the window, or give it back"));
  m_fullScreenAct->setCheckable(true);
  // Leaving full screen brings back a maximised window as it was.
  connect(m_fullScreenAct, &QAction::triggered, this,
          [this](bool on) { setWindowState(windowState().setFlag(Qt::WindowFullScreen, on)); });
  addActions({m_pauseAct, m_fullScreenAct});
}

QAction* CMainFrame::shapeCommand(wendrel::Shape shape) {
  const ShapeTexts texts = TextsOf(shape);
  auto* command = new QAction(texts.item, this);
  command->setCheckable(true);
  command->setToolTip(texts.title);
  command->setStatusTip(texts.prompt);
  return command;
}

void CMainFrame::ShowFigure(const wendrel::Figure& figure) {
  // A figure of the box or the player's own has no item: none is checked.
  const std::optional<wendrel::Shape> shape = wendrel::BuiltInShapeOf(figure);
  for (std::size_t i = 0; i < wendrel::kShapes.size(); ++i)
    m_shapeActs[static_cast<qsizetype>(i)]->setChecked(shape == wendrel::kShapes[i].shape);
}

QAction* CMainFrame::keyCommand(const QString& text, const QList<QKeySequence>& keys,
                                const QString& prompt) {
  auto* command = new QAction(text, this);
  command->setShortcuts(keys);
  command->setStatusTip(prompt);
  return command;
}

CMainFrame::Commands CMainFrame::Actions() const {
  return Commands{m_generateAct,     m_fileGenerateAct, m_exitAct,           m_statusBarAct,
                  m_instructionsAct, m_termsOfUseAct,   m_moreGamesAct,      m_aboutAct,
                  m_fileNewAct,      m_fileOpenAct,     m_fileSaveAct,       m_filePrintAct,
                  m_editUndoAct,     m_editRedoAct,     m_generateNumberAct, m_restartAct,
                  m_hintAct,         m_solveAct,        m_statisticsAct,     m_timerAct,
                  m_fileSaveAsAct,   m_rememberAct,     m_shapeActs};
}

void CMainFrame::createToolBars() {
  m_wndToolBar = addToolBar(tr("Toolbar"));
  // The name under which the window's saved state keeps the toolbar's place.
  m_wndToolBar->setObjectName(QStringLiteral("Toolbar"));
  m_wndToolBar->setIconSize(QSize(16, 15));
  m_wndToolBar->addAction(m_generateAct);
  m_wndToolBar->addSeparator();
  m_wndToolBar->addAction(m_aboutAct);

  // The toolbar's own action stays in step with it however it is shown or hidden.
  QAction* toolbarAct = m_wndToolBar->toggleViewAction();
  toolbarAct->setText(tr("&Toolbar"));
  toolbarAct->setToolTip(tr("Toggle ToolBar"));
  toolbarAct->setStatusTip(tr("Show or hide the toolbar"));
}

void CMainFrame::createStatusBar() {
  m_wndStatusBar = statusBar();
  showIdleMessage();
  new KeyIndicators(m_wndStatusBar, PlatformKeyLockState);
  // Right after the message pane, before the lock indicators.
  m_wndPuzzlePane = new QLabel(m_wndStatusBar);
  m_wndProgressPane = new QLabel(m_wndStatusBar);
  m_wndTimePane = new QLabel(m_wndStatusBar);
  int pane = 0;
  for (QLabel* label : {m_wndPuzzlePane, m_wndProgressPane, m_wndTimePane})
    m_wndStatusBar->insertPermanentWidget(pane++, label);
  connect(m_pView, &CMorvaneView::GameChanged, this, &CMainFrame::showGameState);
  connect(m_pView, &CMorvaneView::PuzzleSolved, this, &CMainFrame::OnPuzzleSolved);
  // The time pane counts the seconds while the clock runs.
  auto* ticks = new QTimer(this);
  connect(ticks, &QTimer::timeout, this, &CMainFrame::showPlayingTime);
  ticks->start(kTimeTick);
  showGameState();
}

void CMainFrame::showPlayingTime() {
  m_wndTimePane->setText(QString::fromStdString(wendrel::FormatPlayingTime(m_pView->PlayingMs())));
  m_wndTimePane->setVisible(m_timerAct->isChecked() && m_pView->Game().HasPuzzle());
}

void CMainFrame::showGameState() {
  const wendrel::PuzzleGame& game = m_game;
  m_wndPuzzlePane->setText(game.HasPuzzle() ? tr("%1, %2 pieces, puzzle %3")
                                                  .arg(FigureTitle(game.PuzzleFigure()))
                                                  .arg(game.Id().pieces)
                                                  .arg(game.Number())
                                            : QString());
  m_wndPuzzlePane->setVisible(game.HasPuzzle());
  const int groups = game.Pieces().GroupCount();
  m_wndProgressPane->setText(groups > 1 ? tr("%1 groups left").arg(groups) : tr("Solved"));
  m_wndProgressPane->setVisible(game.HasPuzzle());
  showPlayingTime();
  m_editUndoAct->setEnabled(game.CanUndo());
  m_editRedoAct->setEnabled(game.CanRedo());
  m_restartAct->setEnabled(game.HasPuzzle());
  m_hintAct->setEnabled(groups > 1 && game.HasPuzzle());
  m_solveAct->setEnabled(groups > 1 && game.HasPuzzle());
  m_pauseAct->setEnabled(game.HasPuzzle());
}

void CMainFrame::createMenus() {
  QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
  fileMenu->addAction(m_fileGenerateAct);
  fileMenu->addAction(m_generateNumberAct);
  fileMenu->addAction(m_restartAct);
  fileMenu->addAction(m_chooseFigureAct);
  QMenu* shapeMenu = fileMenu->addMenu(tr("S&hape"));
  shapeMenu->setToolTipsVisible(true);
  shapeMenu->addActions(m_shapeActs);
  shapeMenu->addSeparator();
  shapeMenu->addAction(m_moreFiguresAct);
  QMenu* piecesMenu = fileMenu->addMenu(tr("Pi&eces"));
  // Eighteen counts would leave most without a key of their own: from 10 on they have a
  // menu of their own.
  QMenu* morePieces = nullptr;
  for (QAction* count : m_piecesActs) {
    if (count->data().toInt() == 10)
      morePieces = piecesMenu->addMenu(tr("&10 to 20 pieces"));
    (morePieces ? morePieces : piecesMenu)->addAction(count);
  }
  fileMenu->addAction(m_openFigureAct);
  fileMenu->addAction(m_figureFromPictureAct);
  fileMenu->addSeparator();
  fileMenu->addAction(m_fileOpenAct);
  fileMenu->addAction(m_fileSaveAct);
  fileMenu->addAction(m_fileSaveAsAct);
  fileMenu->addAction(m_rememberAct);
  fileMenu->addSeparator();
  fileMenu->addAction(m_statisticsAct);
  fileMenu->addAction(m_filePrintAct);
  fileMenu->addSeparator();
  fileMenu->addAction(m_exitAct);

  QMenu* editMenu = menuBar()->addMenu(tr("&Edit"));
  editMenu->addAction(m_editUndoAct);
  editMenu->addAction(m_editRedoAct);
  editMenu->addSeparator();
  editMenu->addAction(m_hintAct);
  editMenu->addAction(m_solveAct);

  QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
  viewMenu->addAction(m_wndToolBar->toggleViewAction());
  viewMenu->addAction(m_statusBarAct);
  viewMenu->addAction(m_timerAct);
  viewMenu->addAction(m_figureDock->toggleViewAction());
  viewMenu->addSeparator();
  viewMenu->addActions({m_pauseAct, m_fullScreenAct});

  QMenu* helpMenu = menuBar()->addMenu(tr("&Help"));
  helpMenu->addAction(m_instructionsAct);
  helpMenu->addAction(m_termsOfUseAct);
  helpMenu->addAction(m_moreGamesAct);
  helpMenu->addAction(m_aboutAct);
}

void CMainFrame::OnInstructions() {
  m_services.MessageBox(this,
                        tr("Wendrel is a shape reconstruction puzzle.\n"
                           "\n"
                           "To play, click on File > Generate.  Then use\n"
                           "the left mouse button to drag-and-drop the\n"
                           "pieces into their correct positions.  Double\n"
                           "click to flip, right click to rotate.  The puzzle\n"
                           "is complete when all pieces are connected.\n"),
                        tr("Instructions"), UserServices::Icon::None);
}

void CMainFrame::OnGenerateNumber() {
  CGenerateNumberDlg dialog(this);
  m_runModal(dialog);
  if (!dialog.Number())
    return;
  m_pView->SetNextSeed(*dialog.Number());
  m_pView->OnGenerate();
}

void CMainFrame::OnStatistics() {
  CStatisticsDlg dialog(m_services, m_myFigures, this);
  m_runModal(dialog);
}

void CMainFrame::OnTimer(bool shown) {
  SaveTimerShown(shown);
  showPlayingTime();
}

void CMainFrame::OnPuzzleSolved() {
  const std::optional<wendrel::SolveOutcome>& solve = m_game.LastSolve();
  if (!solve)
    return;
  const QString time = QString::fromStdString(wendrel::FormatPlayingTime(solve->playingMs));
  QString message;
  if (solve->solvedByProgram)
    message = tr("Solved by the program");
  else if (solve->hints == 1)
    message = tr("Solved with 1 hint");
  else if (solve->hints > 1)
    message = tr("Solved with %1 hints").arg(solve->hints);
  else if (solve->newBest)
    message = tr("Solved in %1 – a new best for %2").arg(time, FigureTitle(m_game.PuzzleFigure()));
  else if (solve->stats.SolvedUnaided() > 0)
    message =
        tr("Solved in %1 (best %2)")
            .arg(time, QString::fromStdString(wendrel::FormatPlayingTime(solve->stats.bestMs)));
  else
    message = tr("Solved in %1").arg(time);
  ShowMessage(message);
}

void CMainFrame::ShowMessage(const QString& text) {
  m_wndStatusBar->showMessage(text);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  emit Closing();
  QMainWindow::closeEvent(event);
}

void CMainFrame::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    m_pView->SetClockPaused(isMinimized());
    m_fullScreenAct->setChecked(isFullScreen());
  }
  QMainWindow::changeEvent(event);
}

void CMainFrame::OnTermsOfUse() {
  m_services.MessageBox(
      this, LicenceTerms::Text(LicenceTerms::InstalledFile(QCoreApplication::applicationDirPath())),
      tr("Terms of use"), UserServices::Icon::None);
}

void CMainFrame::OnMoreGames() {
  CMoreGamesDlg moreGamesDlg(m_services, this);
  moreGamesDlg.m_strExplorerUrl = QLatin1String(product::kGamesPage);
  moreGamesDlg.m_strNetscapeUrl = QLatin1String(product::kGamesPage);
  moreGamesDlg.m_strEmail = QLatin1String(product::kEmail);
  m_runModal(moreGamesDlg);
}

bool CMainFrame::event(QEvent* event) {
  // When the pointer leaves a command, the message pane goes back to "Ready" instead of
  // going blank.
  if (event->type() == QEvent::StatusTip && static_cast<QStatusTipEvent*>(event)->tip().isEmpty()) {
    showIdleMessage();
    return true;
  }
  return QMainWindow::event(event);
}

void CMainFrame::showIdleMessage() {
  m_wndStatusBar->showMessage(tr("Ready"));
}

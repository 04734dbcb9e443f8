#include "app/main_frame.h"

#include <QAction>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

#include "app/key_indicators.h"
#include "app/key_lock_state.h"
#include "app/more_games_dlg.h"
#include "app/morvane_app.h"
#include "app/morvane_doc.h"
#include "app/product_info.h"
#include "view/morvane_view.h"
#include "view/user_services.h"

CMainFrame::CMainFrame(CMorvaneApp& app, CMorvaneDoc& doc, UserServices& services)
    : m_app(app), m_doc(doc), m_services(services), m_pView(new CMorvaneView(services, this)) {
  // The name of the program alone: the document has no name to show.
  setWindowTitle(QLatin1String(product::kName));
  setCentralWidget(m_pView);

  createActions();
  // The View menu holds the bars' own show and hide commands, so the bars come first.
  createToolBars();
  createStatusBar();
  createMenus();
}

void CMainFrame::createActions() {
  // The toolbar button and the menu item are two commands with the same prompt; the view
  // has a handler for each.
  const QIcon generateIcon(QStringLiteral(":/images/generate.png"));
  m_generateAct = new QAction(generateIcon, tr("Generate"), this);
  m_fileGenerateAct = new QAction(generateIcon, tr("&Generate"), this);
  for (QAction* generate : {m_generateAct, m_fileGenerateAct}) {
    generate->setToolTip(tr("Generate"));
    generate->setStatusTip(tr("Generate a new puzzle"));
  }
  connect(m_generateAct, &QAction::triggered, m_pView, &CMorvaneView::OnGenerate);
  connect(m_fileGenerateAct, &QAction::triggered, m_pView, &CMorvaneView::OnFileGenerate);

  m_exitAct = new QAction(tr("E&xit"), this);
  m_exitAct->setStatusTip(tr("Quit the application"));
  connect(m_exitAct, &QAction::triggered, this, &QWidget::close);

  m_statusBarAct = new QAction(tr("&Status Bar"), this);
  m_statusBarAct->setStatusTip(tr("Show or hide the status bar"));
  m_statusBarAct->setCheckable(true);
  m_statusBarAct->setChecked(true);

  m_instructionsAct = new QAction(tr("&Instructions..."), this);
  m_instructionsAct->setStatusTip(tr("Display instructions"));
  connect(m_instructionsAct, &QAction::triggered, this, &CMainFrame::OnInstructions);

  m_termsOfUseAct = new QAction(tr("&Terms of use..."), this);
  m_termsOfUseAct->setStatusTip(tr("Display terms of use"));
  connect(m_termsOfUseAct, &QAction::triggered, this, &CMainFrame::OnTermsOfUse);

  m_moreGamesAct = new QAction(tr("&More Games..."), this);
  m_moreGamesAct->setStatusTip(tr("Display website information"));
  connect(m_moreGamesAct, &QAction::triggered, this, &CMainFrame::OnMoreGames);

  m_aboutAct = new QAction(QIcon(QStringLiteral(":/images/about.png")),
                           tr("&About %1...").arg(QLatin1String(product::kName)), this);
  m_aboutAct->setToolTip(tr("About"));
  m_aboutAct->setStatusTip(tr("Display program information, version number and copyright"));
  connect(m_aboutAct, &QAction::triggered, this, [this] { m_app.OnAppAbout(); });

  // Commands reached by their keys only: no menu shows them.
  auto* newAct = new QAction(tr("&New"), this);
  newAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  newAct->setStatusTip(tr("Create a new document"));
  connect(newAct, &QAction::triggered, this, [this] { m_app.OnFileNew(); });

  auto* openAct = new QAction(tr("&Open..."), this);
  openAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  openAct->setStatusTip(tr("Open an existing document"));
  connect(openAct, &QAction::triggered, this, [this] { m_app.OnFileOpen(); });

  auto* saveAct = new QAction(tr("&Save"), this);
  saveAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  saveAct->setStatusTip(tr("Save the active document"));
  connect(saveAct, &QAction::triggered, this, [this] { m_doc.OnFileSave(this); });

  auto* printAct = new QAction(tr("&Print..."), this);
  printAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  printAct->setStatusTip(tr("Print the active document"));
  connect(printAct, &QAction::triggered, m_pView, &CMorvaneView::OnFilePrint);

  // Undo and redo of the player's moves. Ctrl+Z and Alt+Backspace are the undo keys of
  // the accelerator table; redo takes both keys that desktops use for it.
  auto* undoAct = new QAction(tr("&Undo"), this);
  undoAct->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
  undoAct->setStatusTip(tr("Undo the last action"));
  connect(undoAct, &QAction::triggered, m_pView, &CMorvaneView::OnEditUndo);

  auto* redoAct = new QAction(tr("&Redo"), this);
  redoAct->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  redoAct->setStatusTip(tr("Redo the previously undone action"));
  connect(redoAct, &QAction::triggered, m_pView, &CMorvaneView::OnEditRedo);

  addActions({newAct, openAct, saveAct, printAct, undoAct, redoAct});
}

void CMainFrame::createToolBars() {
  m_wndToolBar = addToolBar(tr("Toolbar"));
  m_wndToolBar->setIconSize(QSize(16, 15));
  m_wndToolBar->addAction(m_generateAct);
  m_wndToolBar->addSeparator();
  m_wndToolBar->addAction(m_aboutAct);

  // The toolbar's own action stays in step with it however it is shown or hidden.
  QAction* toolbarAct = m_wndToolBar->toggleViewAction();
  toolbarAct->setText(tr("&Toolbar"));
  toolbarAct->setStatusTip(tr("Show or hide the toolbar"));
}

void CMainFrame::createStatusBar() {
  m_wndStatusBar = statusBar();
  showIdleMessage();
  new KeyIndicators(m_wndStatusBar, PlatformKeyLockState);
  connect(m_statusBarAct, &QAction::toggled, m_wndStatusBar, &QWidget::setVisible);
}

void CMainFrame::createMenus() {
  QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
  fileMenu->addAction(m_fileGenerateAct);
  fileMenu->addSeparator();
  fileMenu->addAction(m_exitAct);

  QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
  viewMenu->addAction(m_wndToolBar->toggleViewAction());
  viewMenu->addAction(m_statusBarAct);

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

void CMainFrame::OnTermsOfUse() {
  m_services.MessageBox(this, QString(), tr("Terms of use"), UserServices::Icon::None);
}

void CMainFrame::OnMoreGames() {
  CMoreGamesDlg moreGamesDlg(m_services, this);
  moreGamesDlg.m_strExplorerUrl = QLatin1String(product::kGamesPage);
  moreGamesDlg.m_strNetscapeUrl = QLatin1String(product::kGamesPage);
  moreGamesDlg.m_strEmail = QLatin1String(product::kEmail);
  m_app.RunModal(moreGamesDlg);
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

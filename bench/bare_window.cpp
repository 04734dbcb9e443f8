// The floor for the game's start-up: a bare Qt main window with the game's menu,
// toolbar and status bar around an empty scroll area that asks for the same 960 x 800
// as the game's view. scripts/startup_time.sh times both to their mapped window.

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

class EmptyArea : public QAbstractScrollArea {
 public:
  EmptyArea() { setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContentsOnFirstShow); }

 protected:
  QSize viewportSizeHint() const override { return QSize(960, 800); }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare"));
  window.setCentralWidget(new EmptyArea);

  auto* generate = new QAction(QIcon(QStringLiteral(":/images/generate.png")),
                               QStringLiteral("Generate"), &window);
  auto* about =
      new QAction(QIcon(QStringLiteral(":/images/about.png")), QStringLiteral("About"), &window);
  QToolBar* toolBar = window.addToolBar(QStringLiteral("Toolbar"));
  toolBar->setIconSize(QSize(16, 15));
  toolBar->addAction(generate);
  toolBar->addSeparator();
  toolBar->addAction(about);

  QStatusBar* statusBar = window.statusBar();
  statusBar->showMessage(QStringLiteral("Ready"));
  for (const char* pane : {"CAP", "NUM", "SCRL"})
    statusBar->addPermanentWidget(new QLabel(QLatin1String(pane)));

  QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(QStringLiteral("&Generate"));
  file->addSeparator();
  file->addAction(QStringLiteral("E&xit"), &window, &QWidget::close);
  QMenu* view = window.menuBar()->addMenu(QStringLiteral("&View"));
  view->addAction(toolBar->toggleViewAction());
  view->addAction(QStringLiteral("&Status Bar"))->setCheckable(true);
  QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
  help->addAction(QStringLiteral("&Instructions..."));
  help->addAction(QStringLiteral("&Terms of use..."));
  help->addAction(QStringLiteral("&More Games..."));
  help->addAction(about);

  window.show();
  return application.exec();
}

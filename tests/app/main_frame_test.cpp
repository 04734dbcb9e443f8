#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include "tests/app/started_app.h"

namespace {

using MainFrame = StartedApp;

TEST_F(MainFrame, TitleIsTheProgramNameAlone) {
  EXPECT_EQ(Frame().windowTitle(), "Wendrel");
  EXPECT_TRUE(Frame().isVisible());
}

TEST_F(MainFrame, MenusHoldTheirItemsInOrder) {
  QStringList titles;
  for (QAction* action : Frame().menuBar()->actions())
    titles << action->text();
  EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&View", "&Help"}));

  EXPECT_EQ(ItemTexts(Menu("&File")),
            QStringList({"&Generate", "Generate &Number...", "&Restart Puzzle", "Choose &Figure...",
                         "S&hape", "Pi&eces", "Open F&igure...", "Ne&w Figure from Picture...", "-",
                         "&Open...", "&Save", "Save &As...", "Re&member Game on Exit", "-",
                         "S&tatistics...", "&Print...", "-", "E&xit"}));
  EXPECT_EQ(ItemTexts(Menu("&Edit")), QStringList({"&Undo", "&Redo", "-", "&Hint", "S&olve"}));
  EXPECT_EQ(ItemTexts(Menu("&View")),
            QStringList({"&Toolbar", "&Status Bar", "T&imer", "Figure Out&line", "-", "&Pause",
                         "&Full Screen"}));
  EXPECT_EQ(ItemTexts(Menu("&Help")), QStringList({"&Instructions...", "&Terms of use...",
                                                   "&More Games...", "&About Wendrel..."}));
}

TEST_F(MainFrame, EveryMenuItemCarriesItsStatusPrompt) {
  const struct {
    const char* menu;
    const char* item;
    const char* prompt;
  } items[] = {
      {"&File", "&Generate", "Generate a new puzzle"},
      {"&File", "E&xit", "Quit the application"},
      {"&View", "&Toolbar", "Show or hide the toolbar"},
      {"&View", "&Status Bar", "Show or hide the status bar"},
      {"&Help", "&Instructions...", "Display instructions"},
      {"&Help", "&Terms of use...", "Display terms of use"},
      {"&Help", "&More Games...", "Display website information"},
      {"&Help", "&About Wendrel...", "Display program information, version number and copyright"},
  };
  for (const auto& item : items) {
    QAction* action = MenuItem(item.menu, item.item);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->statusTip(), item.prompt) << item.item;
  }
}

TEST_F(MainFrame, ExitAndTheBarCommandsCarryTheirTooltips) {
  EXPECT_EQ(MenuItem("&File", "E&xit")->toolTip(), "Exit");
  EXPECT_EQ(MenuItem("&View", "&Toolbar")->toolTip(), "Toggle ToolBar");
  EXPECT_EQ(MenuItem("&View", "&Status Bar")->toolTip(), "Toggle StatusBar");
}

TEST_F(MainFrame, ToolbarHasGenerateAndAboutWithTheirTipsAndImages) {
  const QList<QAction*> actions = ToolBar()->actions();
  ASSERT_EQ(actions.size(), 3);
  EXPECT_FALSE(actions[0]->isSeparator());
  EXPECT_TRUE(actions[1]->isSeparator());
  EXPECT_EQ(actions[0]->toolTip(), "Generate");
  EXPECT_EQ(actions[0]->statusTip(), "Generate a new puzzle");
  EXPECT_EQ(actions[2]->toolTip(), "About");
  EXPECT_EQ(actions[2]->statusTip(), "Display program information, version number and copyright");
  for (QAction* button : {actions[0], actions[2]}) {
    EXPECT_EQ(button->icon().availableSizes(), QList<QSize>({QSize(16, 15)}))
        << button->toolTip().toStdString();
  }
}

TEST_F(MainFrame, GenerateFromTheMenuStartsAPuzzle) {
  ASSERT_EQ(View().Pieces().GroupCount(), 0);
  View().SetNextSeed(kSeed);
  MenuItem("&File", "&Generate")->trigger();
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(View().Seed(), kSeed);
  EXPECT_EQ(View().Pieces().GroupCount(), 15);
}

TEST_F(MainFrame, MenuAndToolbarGiveTheSamePuzzleForTheSameSeed) {
  View().SetNextSeed(kSeed);
  MenuItem("&File", "&Generate")->trigger();
  const std::vector<double> fromMenu = Layout(View().Pieces());
  const QImage menuPicture = View().viewport()->grab().toImage();

  View().SetNextSeed(kOtherSeed);
  MenuItem("&File", "&Generate")->trigger();
  ASSERT_NE(Layout(View().Pieces()), fromMenu) << "the seeds should give different puzzles";

  View().SetNextSeed(kSeed);
  QTest::mouseClick(ToolButton("Generate"), Qt::LeftButton);
  EXPECT_EQ(View().Seed(), kSeed);
  EXPECT_EQ(Layout(View().Pieces()), fromMenu);
  EXPECT_EQ(View().viewport()->grab().toImage(), menuPicture);
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(MainFrame, SeedOnTheCommandLineIsUsedByTheFirstGenerate) {
  app.reset();
  Start({"--seed", QString::number(kOtherSeed)});
  QTest::mouseClick(ToolButton("Generate"), Qt::LeftButton);
  EXPECT_EQ(View().Seed(), kOtherSeed);
  EXPECT_EQ(View().Pieces().GroupCount(), 15);
}

TEST_F(MainFrame, ToolbarItemHidesAndShowsTheToolbarWithItsCheckMark) {
  QAction* item = MenuItem("&View", "&Toolbar");
  ASSERT_TRUE(item->isCheckable());
  EXPECT_TRUE(item->isChecked());
  EXPECT_TRUE(ToolBar()->isVisible());

  item->trigger();
  EXPECT_FALSE(ToolBar()->isVisible());
  EXPECT_FALSE(item->isChecked());

  item->trigger();
  EXPECT_TRUE(ToolBar()->isVisible());
  EXPECT_TRUE(item->isChecked());
}

TEST_F(MainFrame, ToolbarCheckMarkFollowsTheToolbarHiddenAnotherWay) {
  ToolBar()->hide();
  EXPECT_FALSE(MenuItem("&View", "&Toolbar")->isChecked());
  ToolBar()->show();
  EXPECT_TRUE(MenuItem("&View", "&Toolbar")->isChecked());
}

TEST_F(MainFrame, StatusBarItemHidesAndShowsTheStatusBarWithItsCheckMark) {
  QAction* item = MenuItem("&View", "&Status Bar");
  ASSERT_TRUE(item->isCheckable());
  EXPECT_TRUE(item->isChecked());
  EXPECT_TRUE(Frame().statusBar()->isVisible());

  item->trigger();
  EXPECT_FALSE(Frame().statusBar()->isVisible());
  EXPECT_FALSE(item->isChecked());

  item->trigger();
  EXPECT_TRUE(Frame().statusBar()->isVisible());
  EXPECT_TRUE(item->isChecked());
}

TEST_F(MainFrame, StatusBarSaysReadyAfterStart) {
  EXPECT_EQ(StatusMessage(), "Ready");
}

TEST_F(MainFrame, StatusBarGivesThePromptWhileThePointerRestsOnTheGenerateButton) {
  QTest::mouseMove(ToolButton("Generate"));
  EXPECT_EQ(StatusMessage(), "Generate a new puzzle");
  QTest::mouseMove(View().viewport());
  EXPECT_EQ(StatusMessage(), "Ready");
  QTest::mouseMove(ToolButton("About"));
  EXPECT_EQ(StatusMessage(), "Display program information, version number and copyright");
}

TEST_F(MainFrame, StatusBarGivesThePromptWhileThePointerRestsOnTheGenerateItem) {
  QMenu* fileMenu = Menu("&File");
  QAction* generate = MenuItem("&File", "&Generate");
  fileMenu->popup(Frame().mapToGlobal(QPoint(10, 10)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(fileMenu));
  QTest::mouseMove(fileMenu, fileMenu->actionGeometry(generate).center());
  EXPECT_EQ(StatusMessage(), "Generate a new puzzle");
  fileMenu->close();
  EXPECT_EQ(StatusMessage(), "Ready");
}

TEST_F(MainFrame, LockIndicatorsAreGreyedWhereThePlatformCannotTell) {
  QStringList texts;
  for (QLabel* label : Frame().statusBar()->findChildren<QLabel*>()) {
    // The game's own panes tell of the puzzle, not of the keys.
    if (!QStringList({"CAP", "NUM", "SCRL"}).contains(label->text()))
      continue;
    texts << label->text();
    EXPECT_FALSE(label->isEnabled()) << label->text().toStdString();
  }
  EXPECT_EQ(texts, QStringList({"CAP", "NUM", "SCRL"}));
}

TEST_F(MainFrame, ExitClosesTheMainWindow) {
  // Closing the last window would end the tests' application too.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  MenuItem("&File", "E&xit")->trigger();
  EXPECT_FALSE(Frame().isVisible());
  QGuiApplication::setQuitOnLastWindowClosed(true);
}

}  // namespace

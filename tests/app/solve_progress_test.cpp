// How far the puzzle has come, how long it took, and help for a stuck player, as the
// status bar, the menus and the statistics show them.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

#include "app/player_settings.h"
#include "tests/app/started_app.h"
#include "tests/view/mouse_driver.h"
#include "tests/view/puzzle_player.h"

namespace {

using wendrel::Shape;

class SolveProgress : public StartedApp {
 protected:
  void SetUp() override {
    QSettings().clear();
    StartedApp::SetUp();
  }
  void TearDown() override { QSettings().clear(); }

  // Generates puzzle kSeed of the shape chosen in the menu.
  void GenerateShape(Shape shape) {
    Frame().Actions().shapes[static_cast<qsizetype>(shape)]->trigger();
    View().SetNextSeed(kSeed);
    View().OnGenerate();
  }
  // The texts of the visible panes between the message pane and the lock indicators.
  QStringList GamePanes() const {
    QStringList panes;
    for (QLabel* label : Frame().statusBar()->findChildren<QLabel*>()) {
      if (label->isVisible() && !QStringList({"CAP", "NUM", "SCRL"}).contains(label->text()))
        panes << label->text();
    }
    return panes;
  }
  void SolveWithTheMouse() {
    MouseDriver mouse(View().viewport());
    PuzzlePlayer player(View(), mouse);
    for (int step = 0; step < 300 && View().Pieces().GroupCount() > 1; ++step)
      ASSERT_TRUE(player.Step());
    ASSERT_EQ(View().Pieces().GroupCount(), 1);
  }
};

TEST_F(SolveProgress, HintsCountTheGroupsDownToSolvedWithHelpAndNoCongratulations) {
  EXPECT_EQ(GamePanes(), QStringList()) << "nothing before the first Generate";
  GenerateShape(Shape::kOval);
  EXPECT_EQ(GamePanes(), QStringList({"Oval, 3 pieces, puzzle 12345", "3 groups left", "0:00"}));
  MenuItem("&Edit", "&Hint")->trigger();
  EXPECT_EQ(GamePanes()[1], "2 groups left");
  QTest::keyClick(View().viewport(), Qt::Key_H);
  EXPECT_EQ(GamePanes()[1], "Solved");
  EXPECT_FALSE(MenuItem("&Edit", "&Hint")->isEnabled());
  EXPECT_EQ(StatusMessage(), "Solved with 2 hints");
  EXPECT_TRUE(services.messages.empty());

  // The hint count stays through an undo; a solve redone counts once.
  MenuItem("&Edit", "&Undo")->trigger();
  MenuItem("&Edit", "S&olve")->trigger();
  EXPECT_EQ(StatusMessage(), "Solved by the program");
  const wendrel::SolveStats stats = SavedSolveStats({"oval", 3});
  EXPECT_EQ(stats.solved, 1);
  EXPECT_EQ(stats.solvedWithHelp, 1);
}

TEST_F(SolveProgress, AnUnaidedSolveCongratulatesSetsABestTimeAndTheStatisticsShowIt) {
  // The player drags only what the window shows, and the Oval's pieces are spread over the
  // whole surface: a window that shows all of it.
  Frame().resize(1300, 1100);
  QTest::qWait(0);
  GenerateShape(Shape::kOval);
  SolveWithTheMouse();
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text, "Congratulations!");
  EXPECT_TRUE(StatusMessage().startsWith("Solved in 0:0")) << StatusMessage().toStdString();
  EXPECT_TRUE(StatusMessage().endsWith(" – a new best for Oval"));
  EXPECT_EQ(SavedSolveStats({"oval", 3}).solved, 1);

  // The statistics show the solve; Reset clears them only when the player says yes.
  QStringList shown;
  app->SetDialogRunner([&](QDialog& dialog) {
    const auto* table = dialog.findChild<QTableWidget*>();
    QPushButton* reset = nullptr;
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
      if (button->text() == "Reset")
        reset = button;
    }
    for (const bool answer : {false, true}) {
      services.answer = answer;
      reset->click();
      shown << table->item(3, 0)->text() + " " + table->item(3, 2)->text();
    }
  });
  MenuItem("&File", "S&tatistics...")->trigger();
  EXPECT_EQ(shown, QStringList({"Oval 1", "Oval 0"}));
  EXPECT_EQ(services.questions.size(), 2u);
  EXPECT_EQ(SavedSolveStats({"oval", 3}).solved, 0);
}

TEST_F(SolveProgress, TheClockStandsStillWhileMinimisedAndAfterASolve) {
  GenerateShape(Shape::kOval);
  QTest::qWait(30);
  EXPECT_EQ(View().PlayingMs(), 0) << "the clock waits for the first gesture";
  QTest::keyClick(View().viewport(), Qt::Key_Tab);
  QTest::keyClick(View().viewport(), Qt::Key_R);
  View().SetClockPaused(true);
  const std::int64_t paused = View().PlayingMs();
  QTest::qWait(30);
  EXPECT_EQ(View().PlayingMs(), paused);
  View().SetClockPaused(false);
  QTest::qWait(30);
  EXPECT_GT(View().PlayingMs(), paused);
  MenuItem("&Edit", "S&olve")->trigger();
  const std::int64_t solved = View().PlayingMs();
  QTest::qWait(30);
  EXPECT_EQ(View().PlayingMs(), solved);
}

TEST_F(SolveProgress, TheTimerItemHidesTheTimeAndIsRemembered) {
  GenerateShape(Shape::kOval);
  QAction* timer = MenuItem("&View", "T&imer");
  EXPECT_TRUE(timer->isChecked());
  timer->trigger();
  EXPECT_EQ(GamePanes().size(), 2);
  Start({});
  EXPECT_FALSE(MenuItem("&View", "T&imer")->isChecked());
}

}  // namespace

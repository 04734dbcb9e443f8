// Long random play on the real program's window: tens of thousands of mouse events of
// every kind, anywhere in and around the view, with new puzzles, New and the toolbar
// coming and going in between. A fixed random seed makes every run the same, so a fault
// found here can be replayed event by event.

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <cstdlib>
#include <iostream>
#include <random>

#include "app/command_line_info.h"
#include "app/main_frame.h"
#include "app/morvane_app.h"
#include "tests/soak/play_checker.h"
#include "tests/support/recording_user_services.h"
#include "tests/view/mouse_driver.h"
#include "tests/view/puzzle_player.h"

namespace {

constexpr unsigned kRandomSeed = 20240611;
constexpr long kDefaultEvents = 50000;
// A new puzzle this often; the seeds cycle through ones the built-in outline makes.
constexpr long kEventsPerPuzzle = 2500;
constexpr int kPuzzleSeeds = 20;

// How many events to send: WENDREL_SOAK_EVENTS when set, so that slow builds (the
// sanitizers') can run a shorter soak of the same sequence.
long EventBudget() {
  const char* text = std::getenv("WENDREL_SOAK_EVENTS");
  const long events = text ? std::strtol(text, nullptr, 10) : 0;
  return events > 0 ? events : kDefaultEvents;
}

class RandomPlay : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(app.InitInstance(CommandLineInfo{}));
    // Smaller than the surface, so that the view scrolls and the surface's edges can
    // be brought into sight.
    Frame().resize(820, 700);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
  }

  CMainFrame& Frame() { return *app.MainFrame(); }
  CMorvaneView& View() { return Frame().View(); }
  QPoint Scroll() {
    return QPoint(View().horizontalScrollBar()->value(), View().verticalScrollBar()->value());
  }

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

  // One coordinate: mostly anywhere from a little before the viewport to a little beyond,
  // often exactly on or next to its edges or the surface's.
  int Coordinate(int viewportSize, int surfaceSize, int scroll) {
    switch (Uniform(0, 5)) {
      case 0: {
        const int edges[] = {-1, 0, 1, viewportSize - 1, viewportSize, viewportSize + 1};
        return edges[Uniform(0, 5)];
      }
      case 1: {
        const int edges[] = {-scroll, surfaceSize - 1 - scroll, surfaceSize - scroll};
        return edges[Uniform(0, 2)] + Uniform(-1, 1);
      }
      default:
        return Uniform(-40, viewportSize + 40);
    }
  }
  QPoint RandomPoint() {
    const QSize size = View().viewport()->size();
    const QPoint scroll = Scroll();
    return QPoint(Coordinate(size.width(), wendrel::PieceSet::kSurfaceWidth, scroll.x()),
                  Coordinate(size.height(), wendrel::PieceSet::kSurfaceHeight, scroll.y()));
  }
  QPoint InsidePoint() {
    const QSize size = View().viewport()->size();
    return QPoint(Uniform(0, size.width() - 1), Uniform(0, size.height() - 1));
  }

  // One gesture of a restless player: single events that need not make sense together,
  // whole clicks and double clicks, and now and then a move that a solver would make.
  void RandomGesture(MouseDriver& mouse, PuzzlePlayer& player) {
    const int pick = Uniform(0, 99);
    if (pick < 30) {
      mouse.Move(RandomPoint());
    } else if (pick < 45) {
      mouse.Press(Qt::LeftButton, RandomPoint());
    } else if (pick < 60) {
      // Mostly where the view takes it, some outside where it must not.
      mouse.Release(Qt::LeftButton, Uniform(0, 9) < 7 ? InsidePoint() : RandomPoint());
    } else if (pick < 70) {
      mouse.Click(Qt::RightButton, RandomPoint());
    } else if (pick < 76) {
      mouse.DoubleClick(Qt::LeftButton, RandomPoint());
    } else if (pick < 82) {
      mouse.DoubleClick(Qt::RightButton, RandomPoint());
    } else if (pick < 90) {
      mouse.Drag(InsidePoint(), InsidePoint());
    } else {
      player.Step();
    }
  }

  // Between gestures, what the rest of the window does to the view.
  void ShellAction() {
    switch (Uniform(0, 2)) {
      case 0:
        app.OnFileNew();
        break;
      case 1:
        Frame().findChild<QToolBar*>()->toggleViewAction()->trigger();
        break;
      default:
        View().horizontalScrollBar()->setValue(Uniform(0, View().horizontalScrollBar()->maximum()));
        View().verticalScrollBar()->setValue(Uniform(0, View().verticalScrollBar()->maximum()));
        break;
    }
  }

  RecordingUserServices services;
  CMorvaneApp app{services};
  std::mt19937 rng{kRandomSeed};
};

TEST_F(RandomPlay, TheGameStaysWholeThroughTensOfThousandsOfRandomEvents) {
  const long budget = EventBudget();
  MouseDriver mouse(View().viewport());
  PuzzlePlayer player(View(), mouse);
  PlayChecker checker(View(), services);

  int puzzles = 0;
  long nextPuzzle = 0;
  long nextShellAction = Uniform(200, 800);
  while (checker.Counts().events < budget && !checker.Failed()) {
    const long events = checker.Counts().events;
    if (events >= nextPuzzle) {
      checker.Settle();
      View().SetNextSeed(1 + puzzles % kPuzzleSeeds);
      View().OnGenerate();
      checker.PuzzleGenerated();
      ++puzzles;
      nextPuzzle = events + kEventsPerPuzzle;
    } else if (events >= nextShellAction) {
      ShellAction();
      nextShellAction = events + Uniform(200, 800);
    } else {
      RandomGesture(mouse, player);
    }
    checker.Settle();
  }

  ASSERT_FALSE(checker.Failed()) << checker.Failure();
  const PlayChecker::Tally& tally = checker.Counts();
  std::cout << tally.events << " events over " << puzzles << " puzzles: " << tally.grabs
            << " grabs, " << tally.turns << " turns and mirrors, " << tally.joins << " joins, "
            << tally.congratulations << " solved\n";
  // The soak must have played, not only clicked beside the pieces.
  EXPECT_GE(tally.events, budget);
  EXPECT_GT(tally.grabs, 0);
  EXPECT_GT(tally.turns, 0);
  EXPECT_GT(tally.joins, 0);
}

}  // namespace

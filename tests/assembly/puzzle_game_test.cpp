#include "assembly/puzzle_game.h"

#include <gtest/gtest.h>

#include "assembly/group_history.h"

namespace wendrel {
namespace {

constexpr std::int32_t kSeed = 1000;
constexpr PlayArea kArea = PieceSet::kSurfaceArea;

// Whether some vertex of group g lies in area, where a click can reach it.
bool InReach(const PieceSet& set, int g, const PlayArea& area) {
  // KeepOnSurface moves exactly the groups that are out of reach.
  PieceSet probe = set;
  return !probe.KeepOnSurface(g, area);
}

class PuzzleGameTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(game.Generate(kDefaultShape, kSeed)); }

  PuzzleGame game;
};

TEST(PuzzleGameStart, HoldsNoPuzzleUntilAGenerateSucceeds) {
  PuzzleGame game;
  EXPECT_FALSE(game.HasPuzzle());
  EXPECT_FALSE(game.Restart());
  EXPECT_FALSE(game.Undo(kArea));
  // 3752 is a seed whose triangulation fails.
  EXPECT_FALSE(game.Generate(kDefaultShape, 3752));
  EXPECT_FALSE(game.HasPuzzle());
}

TEST(PuzzleGameStart, EachShapeCutsItsOwnNumberOfPieces) {
  for (const ShapeInfo& info : kShapes) {
    PuzzleGame game;
    ASSERT_TRUE(game.Generate(info.shape, kSeed)) << info.name;
    EXPECT_EQ(game.PuzzleShape(), info.shape);
    EXPECT_EQ(game.Number(), kSeed);
    EXPECT_EQ(game.Pieces().PieceCount(), info.pieces) << info.name;
    EXPECT_EQ(game.Pieces().GroupCount(), info.pieces) << info.name;
  }
}

TEST_F(PuzzleGameTest, AFailedGenerateLeavesThePuzzleAndItsHistory) {
  game.ChangeGroup(3, PuzzleGame::Change::kTurn, kArea);
  const GroupTable before = game.Pieces().Groups();
  EXPECT_FALSE(game.Generate(kDefaultShape, 3752));
  EXPECT_EQ(game.Number(), kSeed);
  EXPECT_TRUE(SameGroups(game.Pieces().Groups(), before));
  EXPECT_TRUE(game.CanUndo());
}

TEST_F(PuzzleGameTest, EveryMoveEndsWithItsGroupInReachAndRedoGivesBackWhatWasSeen) {
  // A drop far out to the left, as 120 presses of the Left arrow make it.
  for (int i = 0; i < 120; ++i) {
    game.Grab(0);
    game.Drop(-10, 0, kArea);
    ASSERT_TRUE(InReach(game.Pieces(), 0, kArea)) << "after drop " << i;
  }
  const GroupTable seen = game.Pieces().Groups();
  ASSERT_TRUE(game.Undo(kArea));
  ASSERT_TRUE(game.Redo(kArea));
  EXPECT_TRUE(SameGroups(game.Pieces().Groups(), seen));
}

TEST_F(PuzzleGameTest, UndoBringsATableFromALargerWindowIntoTheSmallerOne) {
  const PlayArea large{0, 0, 3000, 2000};
  game.Grab(0);
  game.Drop(2000, -1200, large);
  game.Grab(0);
  game.Drop(10, 0, large);
  ASSERT_FALSE(InReach(game.Pieces(), 0, kArea));
  ASSERT_TRUE(game.Undo(kArea));
  for (int g = 0; g < game.Pieces().GroupCount(); ++g)
    EXPECT_TRUE(InReach(game.Pieces(), g, kArea)) << g;
}

TEST_F(PuzzleGameTest, RestartIsOneStepBackToTheScatterThatUndoTakesBack) {
  const GroupTable scattered = game.Pieces().Groups();
  EXPECT_FALSE(game.Restart()) << "nothing has moved yet";
  game.ChangeGroup(2, PuzzleGame::Change::kMirror, kArea);
  game.Grab(5);
  game.Drop(40, -30, kArea);
  const GroupTable played = game.Pieces().Groups();

  ASSERT_TRUE(game.Restart());
  EXPECT_TRUE(SameGroups(game.Pieces().Groups(), scattered));
  EXPECT_FALSE(game.Restart());
  ASSERT_TRUE(game.Undo(kArea));
  EXPECT_TRUE(SameGroups(game.Pieces().Groups(), played));
  EXPECT_TRUE(game.CanRedo());
}

TEST_F(PuzzleGameTest, NoStepIsTakenBackWhileADragIsOpen) {
  game.ChangeGroup(1, PuzzleGame::Change::kTurnBack, kArea);
  game.Grab(4);
  EXPECT_FALSE(game.CanUndo());
  EXPECT_FALSE(game.Undo(kArea));
  EXPECT_FALSE(game.Restart());
  game.Drop(0, 0, kArea);
  EXPECT_TRUE(game.CanUndo());
}

TEST_F(PuzzleGameTest, AHintIsOneStepThatUndoTakesBackFieldForFieldButItStaysCounted) {
  const GroupTable before = game.Pieces().Groups();
  ASSERT_TRUE(game.Hint(-1, kArea));
  EXPECT_EQ(game.Pieces().GroupCount(), before.count - 1);
  ASSERT_TRUE(game.Undo(kArea));
  EXPECT_TRUE(SameGroups(game.Pieces().Groups(), before));
  EXPECT_EQ(game.Hints(), 1);
  EXPECT_TRUE(game.Helped());
}

TEST_F(PuzzleGameTest, HintsAndSolveReachOneGroupInReachAndSaySoOnce) {
  const PlayArea small{0, 0, 400, 300};
  int hints = 0;
  while (game.Pieces().GroupCount() > 8) {
    ASSERT_TRUE(game.Hint(-1, small));
    ++hints;
    EXPECT_FALSE(game.FirstSolve());
  }
  ASSERT_TRUE(game.Solve(small));
  EXPECT_TRUE(game.Solved());
  EXPECT_TRUE(game.FirstSolve());
  EXPECT_TRUE(game.SolvedByProgram());
  EXPECT_EQ(game.Hints(), hints);
  EXPECT_TRUE(InReach(game.Pieces(), 0, small));
  EXPECT_FALSE(game.Hint(-1, small)) << "nothing is left to join";
  EXPECT_FALSE(game.Solve(small));

  // Undone and solved again, the puzzle is not solved for the first time.
  ASSERT_TRUE(game.Undo(kArea));
  ASSERT_TRUE(game.Redo(kArea));
  ASSERT_TRUE(game.Undo(kArea));
  ASSERT_TRUE(game.Solve(kArea));
  EXPECT_FALSE(game.FirstSolve());
}

TEST_F(PuzzleGameTest, TheClockRunsFromTheFirstGestureUntilTheSolveAndStartsAfreshOnRestart) {
  EXPECT_FALSE(game.ClockRuns());
  game.ChangeGroup(0, PuzzleGame::Change::kTurn, kArea);
  EXPECT_TRUE(game.ClockRuns());
  game.AddPlayingTime(1500);
  ASSERT_TRUE(game.Restart());
  EXPECT_FALSE(game.ClockRuns());
  EXPECT_EQ(game.PlayingMs(), 0);
  game.AddPlayingTime(700);
  ASSERT_TRUE(game.Undo(kArea));
  EXPECT_EQ(game.PlayingMs(), 700) << "undo does not touch the time";
  ASSERT_TRUE(game.Solve(kArea));
  EXPECT_FALSE(game.ClockRuns());
  ASSERT_TRUE(game.Generate(kDefaultShape, kSeed + 1));
  EXPECT_EQ(game.PlayingMs(), 0);
  EXPECT_EQ(game.Hints(), 0);
  EXPECT_FALSE(game.SolvedByProgram());
}

TEST_F(PuzzleGameTest, UndoingAGenerateGivesBackTheEarlierPuzzleWithItsGroupsAndProgress) {
  game.ChangeGroup(2, PuzzleGame::Change::kMirror, kArea);
  ASSERT_TRUE(game.Hint(-1, kArea));
  game.AddPlayingTime(4000);
  const GroupTable played = game.Pieces().Groups();
  ASSERT_TRUE(game.Generate(Shape::kHeart, kSeed + 1));
  EXPECT_EQ(game.PlayingMs(), 0);
  EXPECT_EQ(game.Hints(), 0);

  ASSERT_TRUE(game.Undo(kArea));
  EXPECT_EQ(game.Id(), (PuzzleId{kDefaultShape, kSeed}));
  EXPECT_TRUE(SameGroups(game.Pieces().Groups(), played));
  EXPECT_EQ(game.PlayingMs(), 4000);
  EXPECT_EQ(game.Hints(), 1);
  ASSERT_TRUE(game.Redo(kArea));
  EXPECT_EQ(game.Id(), (PuzzleId{Shape::kHeart, kSeed + 1}));
  EXPECT_EQ(game.Pieces().PieceCount(), 9);
  EXPECT_TRUE(game.Restart() == false) << "the heart is still as its scatter left it";
}

TEST_F(PuzzleGameTest, ASavedGameRestoredGivesTheSameTablesAndHistoryAndIsOneUndoAway) {
  game.ChangeGroup(3, PuzzleGame::Change::kTurn, kArea);
  game.Grab(6);
  game.Drop(25, 15, kArea);
  ASSERT_TRUE(game.Undo(kArea));
  game.AddPlayingTime(1234);
  const SavedGame saved = game.Save();
  ASSERT_EQ(saved.states.size(), 3u);
  EXPECT_EQ(saved.current, 1u);

  PuzzleGame other;
  ASSERT_TRUE(other.Restore(saved, kArea));
  EXPECT_TRUE(SameGroups(other.Pieces().Groups(), game.Pieces().Groups()));
  EXPECT_EQ(other.PlayingMs(), 1234);
  ASSERT_TRUE(other.Redo(kArea));
  ASSERT_TRUE(game.Redo(kArea));
  EXPECT_TRUE(SameGroups(other.Pieces().Groups(), game.Pieces().Groups()));

  // Opened over a game in progress, the open is a step back to that game.
  PuzzleGame busy;
  ASSERT_TRUE(busy.Generate(Shape::kOval, 5));
  ASSERT_TRUE(busy.Restore(saved, kArea));
  ASSERT_TRUE(busy.Undo(kArea));
  ASSERT_TRUE(busy.Undo(kArea));
  EXPECT_EQ(busy.Id(), (PuzzleId{Shape::kOval, 5}));
  EXPECT_FALSE(busy.Restore(SavedGame{}, kArea)) << "a game with no state is no game";
}

}  // namespace
}  // namespace wendrel

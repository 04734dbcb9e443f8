#include "assembly/puzzle_game.h"

#include <gtest/gtest.h>

#include "assembly/group_history.h"

namespace wendrel {
namespace {

constexpr std::int32_t kSeed = 1000;
constexpr PlayArea kArea = PieceSet::kSurfaceArea;
constexpr Ms kNow = 0;

// Whether some vertex of group g lies in area, where a click can reach it.
bool InReach(const PieceSet& set, int g, const PlayArea& area) {
  // KeepOnSurface moves exactly the groups that are out of reach.
  PieceSet probe = set;
  return !probe.KeepOnSurface(g, area);
}

class PuzzleGameTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(game.Generate(PuzzleId{kDefaultShape, kSeed}, kArea, kNow)); }

  PuzzleGame game;
};

TEST(PuzzleGameStart, HoldsNoPuzzleUntilAGenerateSucceeds) {
  PuzzleGame game;
  EXPECT_FALSE(game.HasPuzzle());
  EXPECT_FALSE(game.Restart(kArea, kNow));
  EXPECT_EQ(game.Undo(kArea, kNow), PuzzleGame::Step::kNone);
  // 3752 is a seed whose triangulation fails.
  EXPECT_FALSE(game.Generate(PuzzleId{kDefaultShape, 3752}, kArea, kNow));
  EXPECT_FALSE(game.HasPuzzle());
}

TEST(PuzzleGameStart, EachShapeCutsItsOwnNumberOfPieces) {
  for (const ShapeInfo& info : kShapes) {
    PuzzleGame game;
    ASSERT_TRUE(game.Generate(PuzzleId{info.shape, kSeed}, kArea, kNow)) << info.name;
    EXPECT_EQ(game.PuzzleFigure().name, info.name);
    EXPECT_EQ(game.Number(), kSeed);
    EXPECT_EQ(game.Pieces().PieceCount(), info.pieces) << info.name;
    EXPECT_EQ(game.Pieces().GroupCount(), info.pieces) << info.name;
  }
}

TEST_F(PuzzleGameTest, AFailedGenerateLeavesThePuzzleAndItsHistory) {
  game.ChangeGroup(3, PuzzleGame::Change::kTurn, kArea, kNow);
  const GroupTable before = game.Pieces().Groups();
  EXPECT_FALSE(game.Generate(PuzzleId{kDefaultShape, 3752}, kArea, kNow));
  EXPECT_EQ(game.Number(), kSeed);
  EXPECT_TRUE(SameGroups(game.Pieces().Groups(), before));
  EXPECT_TRUE(game.CanUndo());
}

TEST_F(PuzzleGameTest, EveryMoveEndsWithItsGroupInReachAndRedoGivesBackWhatWasSeen) {
  // A drop far out to the left, as 120 presses of the Left arrow make it.
  for (int i = 0; i < 120; ++i) {
    game.Move(0, -10, 0, kArea, kNow);
    ASSERT_TRUE(InReach(game.Pieces(), 0, kArea)) << "after drop " << i;
  }
  const GroupTable seen = game.Pieces().Groups();
  ASSERT_EQ(game.Undo(kArea, kNow), PuzzleGame::Step::kDone);
  ASSERT_EQ(game.Redo(kArea, kNow), PuzzleGame::Step::kDone);
  EXPECT_TRUE(SameGroups(game.Pieces().Groups(), seen));
}

TEST_F(PuzzleGameTest, UndoBringsATableFromALargerWindowIntoTheSmallerOne) {
  const PlayArea large{0, 0, 3000, 2000};
  game.Move(0, 2000, -1200, large, kNow);
  game.Move(0, 10, 0, large, kNow);
  ASSERT_FALSE(InReach(game.Pieces(), 0, kArea));
  ASSERT_EQ(game.Undo(kArea, kNow), PuzzleGame::Step::kDone);
  for (int g = 0; g < game.Pieces().GroupCount(); ++g)
    EXPECT_TRUE(InReach(game.Pieces(), g, kArea)) << g;
}

TEST_F(PuzzleGameTest, RestartIsOneStepBackToTheScatterThatUndoTakesBack) {
  const GroupTable scattered = game.Pieces().Groups();
  EXPECT_FALSE(game.Restart(kArea, kNow)) << "nothing has moved yet";
  game.ChangeGroup(2, PuzzleGame::Change::kMirror, kArea, kNow);
  game.Move(5, 40, -30, kArea, kNow);
  const GroupTable played = game.Pieces().Groups();

  ASSERT_TRUE(game.Restart(kArea, kNow));
  EXPECT_TRUE(SameGroups(game.Pieces().Groups(), scattered));
  EXPECT_FALSE(game.Restart(kArea, kNow));
  ASSERT_EQ(game.Undo(kArea, kNow), PuzzleGame::Step::kDone);
  EXPECT_TRUE(SameGroups(game.Pieces().Groups(), played));
  EXPECT_TRUE(game.CanRedo());
}

TEST_F(PuzzleGameTest, NoStepIsTakenBackWhileADragIsOpen) {
  game.ChangeGroup(1, PuzzleGame::Change::kTurnBack, kArea, kNow);
  game.Grab(4, kNow);
  EXPECT_FALSE(game.CanUndo());
  EXPECT_EQ(game.Undo(kArea, kNow), PuzzleGame::Step::kNone);
  EXPECT_FALSE(game.Restart(kArea, kNow));
  game.Drop(0, 0, kNow);
  EXPECT_TRUE(game.CanUndo());
}

TEST_F(PuzzleGameTest, AHintIsOneStepThatUndoTakesBackFieldForFieldButItStaysCounted) {
  const GroupTable before = game.Pieces().Groups();
  ASSERT_TRUE(game.Hint(-1, kArea, kNow));
  EXPECT_EQ(game.Pieces().GroupCount(), before.count - 1);
  ASSERT_EQ(game.Undo(kArea, kNow), PuzzleGame::Step::kDone);
  EXPECT_TRUE(SameGroups(game.Pieces().Groups(), before));
  EXPECT_EQ(game.Hints(), 1);
  EXPECT_TRUE(game.Helped());
}

TEST_F(PuzzleGameTest, HintsAndSolveReachOneGroupInReachAndSaySoOnce) {
  const PlayArea small{0, 0, 400, 300};
  int hints = 0;
  while (game.Pieces().GroupCount() > 8) {
    ASSERT_TRUE(game.Hint(-1, small, kNow));
    ++hints;
    EXPECT_FALSE(game.LastSolve());
  }
  ASSERT_TRUE(game.Solve(small, kNow));
  EXPECT_TRUE(game.Solved());
  ASSERT_TRUE(game.LastSolve());
  EXPECT_TRUE(game.LastSolve()->first);
  EXPECT_TRUE(game.SolvedByProgram());
  EXPECT_EQ(game.Hints(), hints);
  EXPECT_TRUE(InReach(game.Pieces(), 0, small));
  EXPECT_FALSE(game.Hint(-1, small, kNow)) << "nothing is left to join";
  EXPECT_FALSE(game.Solve(small, kNow));

  // Undone and solved again, the puzzle is not solved for the first time.
  ASSERT_EQ(game.Undo(kArea, kNow), PuzzleGame::Step::kDone);
  ASSERT_EQ(game.Redo(kArea, kNow), PuzzleGame::Step::kDone);
  ASSERT_EQ(game.Undo(kArea, kNow), PuzzleGame::Step::kDone);
  ASSERT_TRUE(game.Solve(kArea, kNow));
  ASSERT_TRUE(game.LastSolve());
  EXPECT_FALSE(game.LastSolve()->first);
}

TEST_F(PuzzleGameTest, ASavedGameRestoredGivesTheSameTablesAndHistoryAndIsOneUndoAway) {
  game.ChangeGroup(3, PuzzleGame::Change::kTurn, kArea, kNow);
  game.Move(6, 25, 15, kArea, kNow);
  ASSERT_EQ(game.Undo(kArea, kNow), PuzzleGame::Step::kDone);
  const SavedGame saved = game.Save(kNow + 1234);
  ASSERT_EQ(saved.states.size(), 3u);
  EXPECT_EQ(saved.current, 1u);

  PuzzleGame other;
  ASSERT_TRUE(other.Restore(saved, kArea, kNow));
  EXPECT_TRUE(SameGroups(other.Pieces().Groups(), game.Pieces().Groups()));
  EXPECT_EQ(other.PlayingMs(kNow), 1234);
  ASSERT_EQ(other.Redo(kArea, kNow), PuzzleGame::Step::kDone);
  ASSERT_EQ(game.Redo(kArea, kNow), PuzzleGame::Step::kDone);
  EXPECT_TRUE(SameGroups(other.Pieces().Groups(), game.Pieces().Groups()));

  // Opened over a game in progress, the open is a step back to that game.
  PuzzleGame busy;
  ASSERT_TRUE(busy.Generate(PuzzleId{Shape::kOval, 5}, kArea, kNow));
  ASSERT_TRUE(busy.Restore(saved, kArea, kNow));
  ASSERT_EQ(busy.Undo(kArea, kNow), PuzzleGame::Step::kDone);
  ASSERT_EQ(busy.Undo(kArea, kNow), PuzzleGame::Step::kDone);
  EXPECT_EQ(busy.Id(), (PuzzleId{Shape::kOval, 5}));
  EXPECT_FALSE(busy.Restore(SavedGame{}, kArea, kNow)) << "a game with no state is no game";
}

TEST_F(PuzzleGameTest, AnOpenedTableThatDoesNotFitItsPuzzleIsRefusedWhenUndoReachesIt) {
  game.Move(2, 30, 0, kArea, kNow);
  ASSERT_TRUE(game.Generate(PuzzleId{Shape::kHeart, 7}, kArea, kNow));
  SavedGame saved = game.Save(kNow);
  ASSERT_EQ(saved.states.size(), 3u);
  // Two pieces that never meet in the solved puzzle put in one group of the first puzzle.
  PuzzleGame probe;
  ASSERT_TRUE(probe.Generate(PuzzleId{kDefaultShape, kSeed}, kArea, kNow));
  int far = 1;
  while (probe.Pieces().PiecesAdjacent(0, far))
    ++far;
  GroupTable& first = saved.states[1].groups;
  const auto holding = [&](int piece) {
    for (int g = 0; g < first.count; ++g) {
      if (first.groups[g].pieces[0] == piece)
        return g;
    }
    return -1;
  };
  first.Merge(holding(0), holding(far));

  PuzzleGame opened;
  ASSERT_TRUE(opened.Restore(saved, kArea, kNow));
  const GroupTable board = opened.Pieces().Groups();
  EXPECT_EQ(opened.Undo(kArea, kNow), PuzzleGame::Step::kRefused);
  EXPECT_EQ(opened.Id(), (PuzzleId{Shape::kHeart, 7}));
  EXPECT_TRUE(SameGroups(opened.Pieces().Groups(), board));
  EXPECT_TRUE(opened.CanUndo());
}

}  // namespace
}  // namespace wendrel

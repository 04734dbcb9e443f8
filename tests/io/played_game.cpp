#include "tests/io/played_game.h"

#include <gtest/gtest.h>

namespace wendrel::testing {

void PlayGame(PuzzleGame& game) {
  ASSERT_TRUE(game.Generate(PuzzleId{Shape::kThreeHearts, 1000}, PieceSet::kSurfaceArea, 0));
  // The clock starts with the first hint and stops at the next Generate.
  ASSERT_TRUE(game.Hint(-1, kPlayedArea, 1000));
  ASSERT_TRUE(game.Hint(-1, kPlayedArea, 2000));
  game.ChangeGroup(2, PuzzleGame::Change::kTurn, kPlayedArea, 3000);
  game.ChangeGroup(3, PuzzleGame::Change::kMirror, kPlayedArea, 4000);
  game.Grab(4, 5000);
  game.Drop(7, -3, 6000);
  ASSERT_TRUE(game.Generate(PuzzleId{Shape::kOval, 7}, PieceSet::kSurfaceArea, 62234));
  game.Grab(0, 63000);
  game.Drop(5, 5, 64000);
  ASSERT_EQ(game.Undo(kPlayedArea, 65000), PuzzleGame::Step::kDone);
  // Back on the board's puzzle, whose clock runs again: the player leaves at once.
  ASSERT_EQ(game.Undo(kPlayedArea, kLeftAt), PuzzleGame::Step::kDone);
  const SavedGame saved = game.Save(kLeftAt);
  ASSERT_EQ(saved.states.size(), 8u);
  ASSERT_EQ(saved.current, 5u);
  ASSERT_EQ(saved.segments.size(), 2u);
  ASSERT_EQ(saved.segments[0].progress.playingMs, 61234);
}

}  // namespace wendrel::testing

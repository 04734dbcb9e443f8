#include "tests/io/played_game.h"

#include <gtest/gtest.h>

namespace wendrel::testing {

void PlayGame(PuzzleGame& game) {
  ASSERT_TRUE(game.Generate(Shape::kThreeHearts, 1000));
  ASSERT_TRUE(game.Hint(-1, kPlayedArea));
  ASSERT_TRUE(game.Hint(-1, kPlayedArea));
  game.ChangeGroup(2, PuzzleGame::Change::kTurn, kPlayedArea);
  game.ChangeGroup(3, PuzzleGame::Change::kMirror, kPlayedArea);
  game.Grab(4);
  game.Drop(7, -3, kPlayedArea);
  game.AddPlayingTime(61234);
  ASSERT_TRUE(game.Generate(Shape::kOval, 7));
  game.Grab(0);
  game.Drop(5, 5, kPlayedArea);
  ASSERT_TRUE(game.Undo(kPlayedArea));
  ASSERT_TRUE(game.Undo(kPlayedArea));
  ASSERT_EQ(game.Save().states.size(), 8u);
  ASSERT_EQ(game.Save().current, 5u);
}

}  // namespace wendrel::testing

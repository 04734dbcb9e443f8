#pragma once

#include "assembly/play_area.h"
#include "assembly/puzzle_game.h"

namespace wendrel::testing {

inline constexpr PlayArea kPlayedArea = PieceSet::kSurfaceArea;
// When the player left the game: saved then, the board's puzzle has 61234 ms of play.
inline constexpr Ms kLeftAt = 70000;

// A game as a player leaves it: three-hearts puzzle 1000 with two hints (which leave
// pivots and positions off the whole numbers), a turn, a mirror and a drop over 61234 ms,
// then a Generate of oval puzzle 7 with a drop, both undone. So its history holds two
// segments and eight states, and the board shows states[5] with two states to redo.
// states[0] and states[6] are the scattered tables: group g holds piece g.
void PlayGame(PuzzleGame& game);

}  // namespace wendrel::testing

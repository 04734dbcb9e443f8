#pragma once

#include "assembly/play_area.h"
#include "assembly/puzzle_game.h"

namespace wendrel::testing {

inline constexpr PlayArea kPlayedArea = PieceSet::kSurfaceArea;

// A game as a player leaves it: three-hearts puzzle 1000 with two hints (which leave
// pivots and positions off the whole numbers), a turn, a mirror and a drop, some playing
// time, then a Generate of oval puzzle 7 with a drop, both undone. So its history holds
// two puzzles, eight states, and the board shows states[5] with two states to redo.
// states[0] and states[6] are the scattered tables: group g holds piece g.
void PlayGame(PuzzleGame& game);

}  // namespace wendrel::testing

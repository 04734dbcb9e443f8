#pragma once

#include <string>

#include "assembly/piece_set.h"
#include "generator/puzzle_generator.h"

namespace wendrel {

// A printable SVG picture of a formed puzzle in its solved place: one polygon per
// triangle filled in its piece's colour (white where no piece reached), and thin
// lines where one piece meets another or the outline. Model y runs up, SVG y down.
std::string PuzzleSvg(const PuzzleGenerator& generator);

// The same puzzle as its groups lie on the board: each group's triangles where its
// placement puts them, the front group drawn last, with the lines round each piece moved
// with it. pieces must have been loaded from generator's run.
std::string PlacedPuzzleSvg(const PuzzleGenerator& generator, const PieceSet& pieces);

}  // namespace wendrel

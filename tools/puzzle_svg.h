#pragma once

#include <string>

#include "generator/puzzle_generator.h"

namespace wendrel {

// A printable SVG picture of a formed puzzle in its solved place: one polygon per
// triangle filled in its piece's colour (white where no piece reached), and thin
// lines where one piece meets another or the outline. Model y runs up, SVG y down.
std::string PuzzleSvg(const PuzzleGenerator& generator);

}  // namespace wendrel

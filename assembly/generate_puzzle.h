#pragma once

#include <cstdint>

#include "assembly/piece_set.h"
#include "assembly/play_area.h"
#include "assembly/puzzle_id.h"
#include "generator/puzzle_generator.h"
#include "shapes/shape_catalogue.h"
#include "shapes/shape_library.h"
#include "shapes/shape_outline.h"

namespace wendrel {

// One whole Generate, as the game, wendrel-gen, the benchmarks and the tests all run it:
// seeds the random sequence with the seed's unsigned 32-bit pattern, cuts the outline
// into pieces and, when every piece got at least one triangle, loads the pieces,
// places them at home and scatters them over area, the part of the view the player sees.
// Three Hearts with its own seeds keeps the scatter its puzzles were made with, which
// ignores the area; every other outline gets ScatterToFit. A caller with no window gives
// the surface. Returns whether a puzzle was made; on failure the piece set is left as it
// was, so the puzzle being played stays playable.
bool GeneratePuzzle(std::int32_t seed, const ShapeOutline& outline, PuzzleGenerator& generator,
                    PieceSet& pieces, const PlayArea& area = PieceSet::kSurfaceArea);

// The same on the library's outline of a shape the player can choose.
bool GeneratePuzzle(std::int32_t seed, const ShapeLibrary& library, PuzzleGenerator& generator,
                    PieceSet& pieces, Shape shape = kDefaultShape,
                    const PlayArea& area = PieceSet::kSurfaceArea);

}  // namespace wendrel

namespace wendrel {

// The same for a puzzle of any figure and piece count; it fails too when fewer pieces
// than asked for could be placed.
bool GeneratePuzzle(const PuzzleId& puzzle, PuzzleGenerator& generator, PieceSet& pieces,
                    const PlayArea& area = PieceSet::kSurfaceArea);

// Whether figure cuts into pieces pieces reliably enough to offer: a figure whose narrowest
// parts are too thin for the mesh fails for many numbers. Tries kTrialCuts numbers.
inline constexpr int kTrialCuts = 20;
inline constexpr int kMostTrialFailures = 2;
bool CutsReliably(const FigureRef& figure, int pieces = 0);

}  // namespace wendrel

#pragma once

#include "assembly/piece_set.h"
#include "generator/puzzle_generator.h"
#include "shapes/shape_catalogue.h"
#include "shapes/shape_library.h"

namespace wendrel::testing {

// A puzzle cut, as Generate cuts it, from the outline of a shape, the default one unless
// told otherwise.
class GeneratedPuzzle {
 public:
  // One whole Generate of the seed: on success set holds the scattered puzzle; on
  // failure set is left alone.
  bool Generate(unsigned int seed, PieceSet& set, Shape shape = kDefaultShape);
  // Loads the last puzzle into set again at home: every piece a group of its own,
  // unturned and unmirrored, where the solved puzzle has it.
  void LoadAtHome(PieceSet& set) const;

  ShapeLibrary library;
  PuzzleGenerator generator;
};

}  // namespace wendrel::testing

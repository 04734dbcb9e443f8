#pragma once

#include "assembly/piece_set.h"
#include "generator/puzzle_generator.h"
#include "shapes/shape_library.h"

namespace wendrel::testing {

// A puzzle cut, as Generate cuts it, from the outline of the puzzle slot.
class GeneratedPuzzle {
 public:
  GeneratedPuzzle() { generator.LoadOutline(library.Slot(ShapeLibrary::kPuzzleSlot)); }

  // Seeds the sequence, triangulates and forms the pieces; false when the
  // triangulation failed (the regions are then left alone).
  bool Generate(unsigned int seed);
  // Load and InitPlacement, as Generate does before it scatters.
  void LoadAtHome(PieceSet& set) const;

  ShapeLibrary library;
  PuzzleGenerator generator;
};

}  // namespace wendrel::testing

#pragma once

#include <cstdint>
#include <memory>

#include "assembly/piece_set.h"
#include "assembly/puzzle_id.h"
#include "generator/puzzle_generator.h"
#include "shapes/shape_catalogue.h"
#include "shapes/shape_library.h"

namespace wendrel {

// One whole Generate as a freshly started program makes it: a new generator, a new
// piece set and an empty random pool. On success the piece set has been loaded, placed
// and scattered from the same random sequence.
class PuzzleRun {
 public:
  explicit PuzzleRun(const PuzzleId& puzzle);
  // A built-in shape with its own seeds, from the library's table.
  PuzzleRun(std::int32_t seed, const ShapeLibrary& library, Shape shape = kDefaultShape);

  std::int32_t seed() const { return puzzle_.number; }
  const PuzzleId& puzzle() const { return puzzle_; }
  bool ok() const { return ok_; }
  const PuzzleGenerator& generator() const { return *generator_; }
  const PieceSet& pieces() const { return *pieces_; }
  // Puts a played table in place of the scatter, as a saved game of this puzzle has it.
  void Place(const GroupTable& groups) { pieces_->SetGroups(groups); }

 private:
  PuzzleId puzzle_;
  // Both are large; on the heap they keep a run off the stack.
  std::unique_ptr<PuzzleGenerator> generator_;
  std::unique_ptr<PieceSet> pieces_;
  bool ok_;
};

}  // namespace wendrel

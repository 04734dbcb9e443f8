#include "tools/puzzle_run.h"

#include "assembly/generate_puzzle.h"
#include "generator/random_pool.h"

namespace wendrel {

// No window: the pieces are scattered over the surface, as a window of its size shows.

PuzzleRun::PuzzleRun(const PuzzleId& puzzle)
    : puzzle_(puzzle),
      generator_(std::make_unique<PuzzleGenerator>()),
      pieces_(std::make_unique<PieceSet>()) {
  ResetRandomPool();
  ok_ = GeneratePuzzle(puzzle, *generator_, *pieces_, PieceSet::kSurfaceArea);
}

PuzzleRun::PuzzleRun(std::int32_t seed, const ShapeLibrary& library, Shape shape)
    : puzzle_(shape, seed),
      generator_(std::make_unique<PuzzleGenerator>()),
      pieces_(std::make_unique<PieceSet>()) {
  ResetRandomPool();
  ok_ = GeneratePuzzle(seed, library, *generator_, *pieces_, shape, PieceSet::kSurfaceArea);
}

}  // namespace wendrel

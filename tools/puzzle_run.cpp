#include "tools/puzzle_run.h"

#include "assembly/generate_puzzle.h"
#include "generator/random_pool.h"

namespace wendrel {

PuzzleRun::PuzzleRun(std::int32_t seed, const ShapeLibrary& library, Shape shape)
    : seed_(seed),
      shape_(shape),
      generator_(std::make_unique<PuzzleGenerator>()),
      pieces_(std::make_unique<PieceSet>()) {
  ResetRandomPool();
  // No window: the pieces are scattered over the surface, as a window of its size shows.
  ok_ = GeneratePuzzle(seed, library, *generator_, *pieces_, shape, PieceSet::kSurfaceArea);
}

}  // namespace wendrel

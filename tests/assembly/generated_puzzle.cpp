#include "tests/assembly/generated_puzzle.h"

#include <cstdint>

#include "assembly/generate_puzzle.h"

namespace wendrel::testing {

bool GeneratedPuzzle::Generate(unsigned int seed, PieceSet& set, Shape shape) {
  return GeneratePuzzle(static_cast<std::int32_t>(seed), library, generator, set, shape);
}

void GeneratedPuzzle::LoadAtHome(PieceSet& set) const {
  set.Load(generator.triangles, generator.regions, generator.pieceCount);
  set.InitPlacement();
}

}  // namespace wendrel::testing

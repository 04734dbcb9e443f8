#include "tests/assembly/generated_puzzle.h"

#include "generator/random.h"

namespace wendrel::testing {

bool GeneratedPuzzle::Generate(unsigned int seed) {
  wendrel::srand(seed);
  if (generator.BuildTriangulation() == 0)
    return false;
  generator.ResetRegions();
  generator.FormPieces();
  return true;
}

void GeneratedPuzzle::LoadAtHome(PieceSet& set) const {
  set.Load(generator.triangles, generator.regions, generator.pieceCount);
  set.InitPlacement();
}

}  // namespace wendrel::testing

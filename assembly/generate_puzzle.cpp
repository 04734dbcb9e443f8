#include "assembly/generate_puzzle.h"

#include "generator/random.h"

namespace wendrel {

namespace {

// A region that grew no triangle cannot be played; the built-in outline never makes
// one, but an outline with more seeds than room for them does.
bool EveryRegionHasTriangles(const PuzzleGenerator& generator) {
  for (int r = 0; r < generator.pieceCount; ++r) {
    if (generator.regions[r].count == 0)
      return false;
  }
  return true;
}

}  // namespace

bool GeneratePuzzle(std::int32_t seed, const ShapeOutline& outline, PuzzleGenerator& generator,
                    PieceSet& pieces) {
  wendrel::srand(static_cast<std::uint32_t>(seed));
  generator.LoadOutline(outline);
  if (generator.BuildTriangulation() == 0)
    return false;
  generator.ResetRegions();
  generator.FormPieces();
  if (!EveryRegionHasTriangles(generator))
    return false;
  pieces.Load(generator.triangles, generator.regions, generator.pieceCount);
  pieces.InitPlacement();
  pieces.Scatter();
  return true;
}

bool GeneratePuzzle(std::int32_t seed, const ShapeLibrary& library, PuzzleGenerator& generator,
                    PieceSet& pieces, Shape shape) {
  return GeneratePuzzle(seed, library.Slot(InfoOf(shape).slot), generator, pieces);
}

}  // namespace wendrel

#include "assembly/generate_puzzle.h"

#include <algorithm>
#include <memory>

#include "generator/figure_seeds.h"
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

// Whether outline is the game's own figure with its own seeds, whose puzzles players know
// by number: a seed must go on giving the very layout it always gave.
bool IsThreeHeartsAsBuiltIn(const ShapeOutline& outline) {
  static const ShapeOutline threeHearts = [] {
    ShapeOutline built;
    FillThreeLobes(built);
    return built;
  }();
  return outline.vertexCount == threeHearts.vertexCount &&
         outline.seedCount == threeHearts.seedCount &&
         std::equal(outline.vertices, outline.vertices + outline.vertexCount,
                    threeHearts.vertices) &&
         std::equal(outline.seeds, outline.seeds + outline.seedCount, threeHearts.seeds);
}

}  // namespace

bool GeneratePuzzle(std::int32_t seed, const ShapeOutline& outline, PuzzleGenerator& generator,
                    PieceSet& pieces, const PlayArea& area) {
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
  if (IsThreeHeartsAsBuiltIn(outline))
    pieces.Scatter();
  else
    pieces.ScatterToFit(area);
  return true;
}

bool GeneratePuzzle(std::int32_t seed, const ShapeLibrary& library, PuzzleGenerator& generator,
                    PieceSet& pieces, Shape shape, const PlayArea& area) {
  return GeneratePuzzle(seed, library.Slot(InfoOf(shape).slot), generator, pieces, area);
}

bool GeneratePuzzle(const PuzzleId& puzzle, PuzzleGenerator& generator, PieceSet& pieces,
                    const PlayArea& area) {
  const ShapeOutline outline = OutlineToCut(*puzzle.figure, puzzle.pieces, puzzle.number);
  if (outline.seedCount != puzzle.pieces)
    return false;
  return GeneratePuzzle(puzzle.number, outline, generator, pieces, area);
}

bool CutsReliably(const FigureRef& figure, int pieces) {
  const auto generator = std::make_unique<PuzzleGenerator>();
  const auto cut = std::make_unique<PieceSet>();
  int failures = 0;
  for (std::int32_t number = 0; number < kTrialCuts; ++number) {
    if (!GeneratePuzzle(PuzzleId(figure, number, pieces), *generator, *cut))
      ++failures;
  }
  return failures <= kMostTrialFailures;
}

}  // namespace wendrel

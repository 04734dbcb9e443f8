#include "tools/puzzle_run.h"

#include "generator/random.h"
#include "generator/random_pool.h"

namespace wendrel {

bool GeneratePieces(std::int32_t seed, const ShapeLibrary& library, PuzzleGenerator& generator) {
  wendrel::srand(static_cast<std::uint32_t>(seed));
  generator.LoadOutline(library.Slot(ShapeLibrary::kPuzzleSlot));
  if (generator.BuildTriangulation() == 0)
    return false;
  generator.ResetRegions();
  generator.FormPieces();
  return true;
}

PuzzleRun::PuzzleRun(std::int32_t seed, const ShapeLibrary& library)
    : seed_(seed),
      generator_(std::make_unique<PuzzleGenerator>()),
      pieces_(std::make_unique<PieceSet>()) {
  ResetRandomPool();
  ok_ = GeneratePieces(seed, library, *generator_);
  if (!ok_)
    return;
  pieces_->Load(generator_->triangles, generator_->regions, generator_->pieceCount);
  pieces_->InitPlacement();
  pieces_->Scatter();
}

}  // namespace wendrel

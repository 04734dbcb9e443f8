// Any bytes into the figure file reader: it must neither crash, nor read out of bounds,
// nor hang. A figure it accepts must pass its own checks, be scaled to the figure size,
// read back the same from the file it writes, and cut or be refused by the generator
// without fault.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "assembly/generate_puzzle.h"
#include "io/figure_file.h"
#include "shapes/figure_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wendrel;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  FigureFileRead read = ReadFigureFile(text, "fuzzed");
  if (!read.ok()) {
    if (FigureFileReason(read).empty())
      std::abort();
    return 0;
  }
  if (!CheckFigure(read.figure).ok())
    std::abort();
  if (!(ReadFigureFile(WriteFigureFile(read.figure), "fuzzed").figure == read.figure))
    std::abort();
  auto generator = std::make_unique<PuzzleGenerator>();
  auto pieces = std::make_unique<PieceSet>();
  const auto figure = std::make_shared<const Figure>(std::move(read.figure));
  GeneratePuzzle(PuzzleId(figure, 1), *generator, *pieces);
  GeneratePuzzle(PuzzleId(figure, 2, Figure::kMaxPieces), *generator, *pieces);
  return 0;
}

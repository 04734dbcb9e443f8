// Any bytes into the game file reader: it must neither crash, nor read out of bounds, nor
// hang. A text it accepts must be a game that the record takes, and that writes back as a
// text the reader accepts again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "assembly/puzzle_game.h"
#include "io/game_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wendrel;
  const GameFileRead read =
      ReadGameFile(std::string_view(reinterpret_cast<const char*>(data), size));
  if (GameFileReason(read).empty() != read.ok())
    std::abort();
  if (!read.ok())
    return 0;
  PuzzleGame game;
  if (!game.Restore(read.game, PieceSet::kSurfaceArea))
    std::abort();
  if (!ReadGameFile(WriteGameFile(game.Save(), game.Pieces())).ok())
    std::abort();
  return 0;
}

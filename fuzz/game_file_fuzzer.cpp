// Any bytes into the game file reader: it must neither crash, nor read out of bounds, nor
// hang. A text it accepts, of either format, must be a game that the record takes, with
// or without the reader's cut of the board's puzzle; undo and redo walk its whole
// history, each step done or refused (a table that does not fit its puzzle, which the
// reader does not cut), a refusal changing nothing; and the game must write back as a
// text the reader accepts again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "assembly/puzzle_game.h"
#include "io/game_file.h"

namespace {

using wendrel::PuzzleGame;

constexpr wendrel::PlayArea kArea = wendrel::PieceSet::kSurfaceArea;

std::string Written(const PuzzleGame& game, wendrel::Ms now) {
  return wendrel::WriteGameFile(game.Save(now), game.Pieces());
}

// Steps one way as far as the history goes or a state is refused. The clock stands still,
// so that a refusal must leave the written game as it was.
void Walk(PuzzleGame& game, bool (PuzzleGame::*can)() const,
          PuzzleGame::Step (PuzzleGame::*step)(const wendrel::PlayArea&, wendrel::Ms)) {
  while ((game.*can)()) {
    const std::string before = Written(game, 0);
    switch ((game.*step)(kArea, 0)) {
      case PuzzleGame::Step::kDone:
        break;
      case PuzzleGame::Step::kRefused:
        if (Written(game, 0) != before)
          std::abort();
        return;
      case PuzzleGame::Step::kNone:
        std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace wendrel;
  const GameFileRead read =
      ReadGameFile(std::string_view(reinterpret_cast<const char*>(data), size));
  if (GameFileReason(read).empty() != read.ok())
    std::abort();
  if (!read.ok())
    return 0;
  PuzzleGame game;
  if (!game.Restore(read.game, kArea, 0))
    std::abort();
  // The puzzle the reader cut and handed on is the one the record would cut, scatter and
  // all: a Restart of each gives the same game.
  {
    SavedGame uncut = read.game;
    uncut.cut.reset();
    PuzzleGame own, handed;
    if (!own.Restore(uncut, kArea, 0) || !handed.Restore(read.game, kArea, 0))
      std::abort();
    own.Restart(PieceSet::kSurfaceArea, 0);
    handed.Restart(PieceSet::kSurfaceArea, 0);
    if (Written(own, 0) != Written(handed, 0))
      std::abort();
  }
  Walk(game, &PuzzleGame::CanUndo, &PuzzleGame::Undo);
  Walk(game, &PuzzleGame::CanRedo, &PuzzleGame::Redo);
  if (!ReadGameFile(Written(game, 0)).ok())
    std::abort();
  return 0;
}

// Speed of the game file: opening one (read its text, cut the puzzle on the board again,
// check every table, restore it into the game record) and writing one (save the record,
// write its text).

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "assembly/puzzle_game.h"
#include "io/game_file.h"

namespace wendrel {
namespace {

constexpr PlayArea kArea = PieceSet::kSurfaceArea;

// A game left mid-way: puzzle 1000 after moves gestures, a hint among them; with
// twoPuzzles, a Generate of another puzzle taken back.
void Play(PuzzleGame& game, int moves, bool twoPuzzles) {
  Ms now = 0;
  game.Generate(PuzzleId{Shape::kThreeHearts, 1000}, PieceSet::kSurfaceArea, now);
  game.Hint(-1, kArea, now += 1000);
  for (int i = 0; i < moves; ++i) {
    game.Grab(i % game.Pieces().GroupCount(), now += 1000);
    game.Drop(13 - i % 27, 7 - i % 15, now += 500);
  }
  if (twoPuzzles) {
    game.Generate(PuzzleId{Shape::kHeart, 5}, PieceSet::kSurfaceArea, now += 1000);
    game.Undo(kArea, now += 1000);
  }
}

// The longest history of the most puzzles: 1001 Generates of different numbers, each a
// segment of its own. Cut once, for every benchmark that needs it.
const PuzzleGame& ManyPuzzles() {
  static const PuzzleGame* const game = [] {
    auto* made = new PuzzleGame;
    for (std::int32_t number = 1; number <= 1001; ++number)
      made->Generate(PuzzleId{Shape::kThreeHearts, number}, PieceSet::kSurfaceArea, number);
    return made;
  }();
  return *game;
}

// range(0): gestures played; range(1): 1 when the history holds a second puzzle; with
// range(0) at -1, the history of 1001 puzzles. A game played afresh is kept in own.
const PuzzleGame& Played(benchmark::State& state, std::unique_ptr<PuzzleGame>& own) {
  if (state.range(0) < 0)
    return ManyPuzzles();
  own = std::make_unique<PuzzleGame>();
  Play(*own, static_cast<int>(state.range(0)), state.range(1) != 0);
  return *own;
}

void BM_OpenGame(benchmark::State& state) {
  std::unique_ptr<PuzzleGame> own;
  const PuzzleGame& played = Played(state, own);
  const SavedGame saved = played.Save(0);
  const std::string text = WriteGameFile(saved, played.Pieces());
  // The game in progress that the opened one replaces, as in the program.
  PuzzleGame game;
  game.Generate(PuzzleId{Shape::kThreeHearts, 1}, PieceSet::kSurfaceArea, 0);
  for (auto _ : state) {
    const GameFileRead read = ReadGameFile(text);
    if (!read.ok() || !game.Restore(read.game, kArea, 0))
      state.SkipWithError("the game did not open");
    benchmark::DoNotOptimize(game.Pieces().GroupCount());
  }
  state.counters["bytes"] = static_cast<double>(text.size());
  state.counters["states"] = static_cast<double>(saved.states.size());
  state.counters["segments"] = static_cast<double>(saved.segments.size());
}

// Reading alone, without the record's Restore.
void BM_ReadGame(benchmark::State& state) {
  std::unique_ptr<PuzzleGame> own;
  const PuzzleGame& played = Played(state, own);
  const std::string text = WriteGameFile(played.Save(0), played.Pieces());
  for (auto _ : state) {
    const GameFileRead read = ReadGameFile(text);
    if (!read.ok())
      state.SkipWithError("the game did not read");
    benchmark::DoNotOptimize(read.game.states.data());
  }
}

void BM_WriteGame(benchmark::State& state) {
  std::unique_ptr<PuzzleGame> own;
  const PuzzleGame& game = Played(state, own);
  for (auto _ : state) {
    const std::string text = WriteGameFile(game.Save(0), game.Pieces());
    benchmark::DoNotOptimize(text.data());
  }
}

// 40 gestures is a game left half-way; 1000 fills the history of one puzzle to its cap,
// and -1 is the cap filled with 1001 puzzles.
BENCHMARK(BM_OpenGame)
    ->Args({40, 0})
    ->Args({40, 1})
    ->Args({1000, 0})
    ->Args({-1, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadGame)
    ->Args({40, 0})
    ->Args({1000, 0})
    ->Args({-1, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteGame)
    ->Args({40, 0})
    ->Args({40, 1})
    ->Args({1000, 0})
    ->Args({-1, 0})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace wendrel

BENCHMARK_MAIN();

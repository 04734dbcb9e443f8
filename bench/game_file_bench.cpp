// Speed of the game file: opening one (parse, cut every puzzle of its history again,
// check every table, restore it into the game record) and writing one.

#include <benchmark/benchmark.h>

#include <string>

#include "assembly/puzzle_game.h"
#include "io/game_file.h"

namespace wendrel {
namespace {

constexpr PlayArea kArea = PieceSet::kSurfaceArea;

// A game left mid-way: puzzle 1000 after moves gestures, a hint among them; with
// twoPuzzles, a Generate of another puzzle taken back, so that opening cuts two.
void Play(PuzzleGame& game, int moves, bool twoPuzzles) {
  game.Generate(Shape::kThreeHearts, 1000);
  game.Hint(-1, kArea);
  for (int i = 0; i < moves; ++i) {
    game.Grab(i % game.Pieces().GroupCount());
    game.Drop(13 - i % 27, 7 - i % 15, kArea);
  }
  game.AddPlayingTime(95000);
  if (twoPuzzles) {
    game.Generate(Shape::kHeart, 5);
    game.Undo(kArea);
  }
}

// range(0): gestures played; range(1): 1 when the history holds a second puzzle.
void BM_OpenGame(benchmark::State& state) {
  PuzzleGame played;
  Play(played, static_cast<int>(state.range(0)), state.range(1) != 0);
  const std::string text = WriteGameFile(played.Save(), played.Pieces());
  // The game in progress that the opened one replaces, as in the program.
  PuzzleGame game;
  game.Generate(Shape::kThreeHearts, 1);
  for (auto _ : state) {
    const GameFileRead read = ReadGameFile(text);
    if (!read.ok() || !game.Restore(read.game, kArea))
      state.SkipWithError("the game did not open");
    benchmark::DoNotOptimize(game.Pieces().GroupCount());
  }
  state.counters["bytes"] = static_cast<double>(text.size());
  state.counters["states"] = static_cast<double>(played.Save().states.size());
}

void BM_WriteGame(benchmark::State& state) {
  PuzzleGame game;
  Play(game, static_cast<int>(state.range(0)), state.range(1) != 0);
  for (auto _ : state) {
    const std::string text = WriteGameFile(game.Save(), game.Pieces());
    benchmark::DoNotOptimize(text.data());
  }
}

// 40 gestures is a game left half-way; 1000 fills the history to its cap.
BENCHMARK(BM_OpenGame)
    ->Args({40, 0})
    ->Args({40, 1})
    ->Args({1000, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteGame)
    ->Args({40, 0})
    ->Args({40, 1})
    ->Args({1000, 0})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace wendrel

BENCHMARK_MAIN();

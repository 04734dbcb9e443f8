// Speed of puzzle generation: a whole run, and each pass on its own so that we know
// where the time goes. Results are per run of the pass, over a spread of seeds.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "assembly/generate_puzzle.h"
#include "generator/puzzle_generator.h"
#include "generator/random.h"
#include "io/figure_box.h"
#include "shapes/shape_catalogue.h"
#include "shapes/shape_library.h"

namespace wendrel {
namespace {

constexpr int kSeedCount = 64;

// Seeds spread over a wide range rather than neighbours, one per benchmark iteration
// in turn.
std::int32_t SpreadSeed(int i) {
  return static_cast<std::int32_t>(i * 104729);
}

const ShapeLibrary& Library() {
  static const ShapeLibrary library;
  return library;
}

enum class Pass { kScatterPoints, kLinkNearest, kAcceptEdges, kFormTriangles, kFormPieces };

// Takes a generator through the steps of a run, in the order that BuildTriangulation
// and Generate take them, up to the start of `pass` in try `attempt` (piece formation
// comes after the try that completes the triangulation). False when the run never gets
// there (it succeeded in an earlier try, or failed before piece formation).
bool AdvanceTo(PuzzleGenerator& g, std::int32_t seed, Pass pass, int attempt) {
  wendrel::srand(static_cast<std::uint32_t>(seed));
  g.LoadOutline(Library().Slot(ShapeLibrary::kPuzzleSlot));
  g.ClearNodes();
  g.edges.Clear();
  g.triangles.Clear();
  g.BuildOutlineMesh();
  if (pass == Pass::kScatterPoints)
    return true;
  g.ScatterPoints();
  if (pass == Pass::kLinkNearest)
    return true;
  g.LinkNearest();
  g.ClassifyLinks();
  for (int a = 0; a < 3; ++a) {
    if (a > 0)
      g.ResetBlockedLinks();
    if (pass == Pass::kAcceptEdges && a == attempt)
      return true;
    g.AcceptEdges(PuzzleGenerator::kTryLimits[a]);
    if (pass == Pass::kFormTriangles && a == attempt)
      return true;
    g.FormTriangles();
    if (g.edges.AllInnerEdgesClosed()) {
      if (pass != Pass::kFormPieces)
        return false;
      g.ResetRegions();
      return true;
    }
  }
  return false;
}

struct Prepared {
  std::int32_t seed;
  PuzzleGenerator generator;
};

std::vector<Prepared> PrepareRuns(Pass pass, int attempt) {
  std::vector<Prepared> runs;
  for (int i = 0; i < kSeedCount; ++i) {
    Prepared p{SpreadSeed(i), PuzzleGenerator()};
    if (AdvanceTo(p.generator, p.seed, pass, attempt))
      runs.push_back(std::move(p));
  }
  return runs;
}

// Times `step` alone on copies of prepared generators; copying and re-seeding the
// random sequence (for the passes that draw) happen outside the timing.
template <typename Step>
void TimePass(benchmark::State& state, Pass pass, int attempt, Step step) {
  const std::vector<Prepared> runs = PrepareRuns(pass, attempt);
  if (runs.empty()) {
    state.SkipWithError("no seed of the spread reaches this pass");
    return;
  }
  PuzzleGenerator work = runs[0].generator;
  std::size_t next = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const Prepared& run = runs[next++ % runs.size()];
    work = run.generator;
    wendrel::srand(static_cast<std::uint32_t>(run.seed));
    state.ResumeTiming();
    step(work);
    benchmark::ClobberMemory();
  }
}

// The whole Generate: the generator's run and the piece set's load and scatter.
void BM_Generate(benchmark::State& state) {
  PuzzleGenerator generator;
  PieceSet pieces;
  int next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(GeneratePuzzle(SpreadSeed(next++ % kSeedCount), Library(), generator,
                                            pieces, kDefaultShape, PieceSet::kSurfaceArea));
  }
}

// The same for each figure, in the order menus list them: all but Three Hearts are
// measured, turned and fitted to the area as they are scattered.
void BM_GenerateShape(benchmark::State& state) {
  const ShapeInfo& info = kShapes[static_cast<std::size_t>(state.range(0))];
  state.SetLabel(info.name);
  PuzzleGenerator generator;
  PieceSet pieces;
  int next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(GeneratePuzzle(SpreadSeed(next++ % kSeedCount), Library(), generator,
                                            pieces, info.shape, PieceSet::kSurfaceArea));
  }
}

// A figure of the box, or the largest built-in one, cut into 20 pieces with seeds placed by
// the number: the most a player can ask for, placing the seeds included.
void BM_GenerateFigure20(benchmark::State& state) {
  const FigureRef figure =
      state.range(0) == 0 ? BuiltInFigure(Shape::kCogWheel) : BoxFigures().back();
  state.SetLabel(figure->name + ", 20 pieces");
  PuzzleGenerator generator;
  PieceSet pieces;
  int next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        GeneratePuzzle(PuzzleId(figure, SpreadSeed(next++ % kSeedCount), 20), generator, pieces));
  }
}

void BM_ScatterPoints(benchmark::State& state) {
  TimePass(state, Pass::kScatterPoints, 0, [](PuzzleGenerator& g) { g.ScatterPoints(); });
}

void BM_LinkNearest(benchmark::State& state) {
  TimePass(state, Pass::kLinkNearest, 0, [](PuzzleGenerator& g) { g.LinkNearest(); });
}

// The argument is the try: 0, 1 and 2 for the limits of 45, 30 and about 15 degrees.
void BM_AcceptEdges(benchmark::State& state) {
  const int attempt = static_cast<int>(state.range(0));
  TimePass(state, Pass::kAcceptEdges, attempt,
           [attempt](PuzzleGenerator& g) { g.AcceptEdges(PuzzleGenerator::kTryLimits[attempt]); });
}

void BM_FormTriangles(benchmark::State& state) {
  TimePass(state, Pass::kFormTriangles, static_cast<int>(state.range(0)),
           [](PuzzleGenerator& g) { g.FormTriangles(); });
}

void BM_FormPieces(benchmark::State& state) {
  TimePass(state, Pass::kFormPieces, 0, [](PuzzleGenerator& g) { g.FormPieces(); });
}

BENCHMARK(BM_Generate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateShape)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateFigure20)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScatterPoints)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LinkNearest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AcceptEdges)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FormTriangles)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FormPieces)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace wendrel

BENCHMARK_MAIN();

// Speed of the view's pictures: a full paint of a puzzle, and a drag — the three layers
// drawn at the press, and the frame that every mouse move composes and shows — in a
// window of today's default size and in one maximised on a 1920 x 1200 screen, set
// against one plain copy of 910 x 700 pixels between two drawn surfaces.
//
// Runs on the offscreen platform. Qt's raster engine spreads large fills over pooled
// threads, so every drawing benchmark counts the whole process's CPU and wall time.
//
// The program counts every block taken from the C heap, so that a drag can show how
// many a mouse move takes.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <atomic>
#include <cstdlib>
#include <memory>

#include "view/memory_surface.h"
#include "view/morvane_view.h"
#include "view/piece_painter.h"
#include "view/user_services.h"

// glibc's own allocator, under the names it keeps for programs that count.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
}

namespace {

std::atomic<long> g_heapBlocks{0};

}  // namespace

// Every allocation of the process goes through these: operator new, Qt's containers and
// the images alike.
extern "C" {
void* malloc(std::size_t size) noexcept {
  g_heapBlocks.fetch_add(1, std::memory_order_relaxed);
  return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) noexcept {
  g_heapBlocks.fetch_add(1, std::memory_order_relaxed);
  return __libc_calloc(count, size);
}
void* realloc(void* block, std::size_t size) noexcept {
  g_heapBlocks.fetch_add(1, std::memory_order_relaxed);
  return __libc_realloc(block, size);
}
void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
  g_heapBlocks.fetch_add(1, std::memory_order_relaxed);
  return __libc_memalign(alignment, size);
}
}

namespace {

constexpr std::int32_t kSeed = 1000;

class SilentServices : public UserServices {
 public:
  void MessageBox(QWidget*, const QString&, const QString&, Icon) override {}
  bool Ask(QWidget*, const QString&, const QString&) override { return false; }
  bool StartProgram(const QString&, const QStringList&) override { return false; }
  QString OpenFileName(QWidget*, const QString&) override { return {}; }
  QString SaveFileName(QWidget*, const QString&) override { return {}; }
};

// The game record that the view plays; a base, so that it is made before the view.
struct BenchGame {
  wendrel::PuzzleGame game;
};

// The real view, shown with a viewport of the given size, with a generated puzzle and
// its handlers opened up.
class BenchView : private BenchGame, public CMorvaneView {
 public:
  BenchView(UserServices& services, QSize viewportSize) : CMorvaneView(services, game) {
    resize(viewportSize);
    show();
    resize(viewportSize + (size() - viewport()->size()));
    QApplication::processEvents();
    OnInitialUpdate();
    SetNextSeed(kSeed);
    OnGenerate();
    QApplication::processEvents();
  }
  using CMorvaneView::OnDraw;
  using CMorvaneView::OnLButtonDown;
  using CMorvaneView::OnLButtonUp;
  using CMorvaneView::OnMouseMove;

  // A viewport point on the front group's first triangle.
  QPoint PointOnFrontGroup() const {
    const wendrel::PieceSet& pieces = Pieces();
    const wendrel::Triangle& t =
        pieces.Placed(pieces.PieceAt(pieces.Group(0).pieces[0]).TriangleAt(0));
    return ModelToLogical({(t.a.x + t.b.x + t.c.x) / 3, (t.a.y + t.b.y + t.c.y) / 3});
  }
};

SilentServices& Services() {
  static SilentServices services;
  return services;
}

// The viewport size from the benchmark's two arguments.
QSize ViewportOf(const benchmark::State& state) {
  return QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
}

// Today's default window, and one maximised on a 1920 x 1200 screen.
void WindowSizes(benchmark::internal::Benchmark* bench) {
  bench->ArgNames({"w", "h"})->Args({1000, 860})->Args({1920, 1200});
}

void BM_Paint(benchmark::State& state) {
  BenchView view(Services(), QSize(1000, 860));
  QImage surface(960, 800, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&surface);
    view.OnDraw(painter);
  }
}
BENCHMARK(BM_Paint)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_DragLayers(benchmark::State& state) {
  BenchView view(Services(), ViewportOf(state));
  const QPoint press = view.PointOnFrontGroup();
  for (auto _ : state)
    view.OnLButtonDown(press);
}
BENCHMARK(BM_DragLayers)
    ->Apply(WindowSizes)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// A mouse move during a drag: the part of the frame that changed composed off screen
// with three block transfers and copied into the window's surface before the move
// returns. Also counts the heap blocks that the moves take, Qt's painting included.
void BM_DragFrame(benchmark::State& state) {
  BenchView view(Services(), ViewportOf(state));
  const QPoint press = view.PointOnFrontGroup();
  view.OnLButtonDown(press);
  int step = 0;
  const long blocksBefore = g_heapBlocks.load();
  for (auto _ : state) {
    view.OnMouseMove(press + QPoint(step % 40, step % 25));
    ++step;
  }
  state.counters["heap_blocks_per_move"] =
      static_cast<double>(g_heapBlocks.load() - blocksBefore) / static_cast<double>(step);
  view.OnLButtonUp(press);
}
BENCHMARK(BM_DragFrame)
    ->Apply(WindowSizes)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// The floor: one plain copy of 910 x 700 pixels between two surfaces that have both
// been drawn into, as the layers and the frame of a drag have.
void BM_CopyArea(benchmark::State& state) {
  MemorySurface from, to;
  from.CreateCompatible(1.0);
  to.CreateCompatible(1.0);
  const std::unique_ptr<QImage> source = from.CreateCompatibleBitmap(960, 800);
  const std::unique_ptr<QImage> target = to.CreateCompatibleBitmap(960, 800);
  from.SelectBitmap(source.get());
  to.SelectBitmap(target.get());
  from.FillSolidRect(QRect(0, 0, 960, 800), qRgb(255, 255, 255));
  to.FillSolidRect(QRect(0, 0, 960, 800), qRgb(0, 0, 0));
  for (auto _ : state) {
    to.BitBlt(0, 0, 910, 700, from, 0, 0, MemorySurface::RasterOp::Copy);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CopyArea)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  if (!std::getenv("QT_QPA_PLATFORM"))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

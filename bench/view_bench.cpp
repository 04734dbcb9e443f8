// Speed of the view's pictures: a full paint of a puzzle, and a drag — the three layers
// drawn at the press, and the frame that every mouse move composes and shows — set
// against one plain copy of the drag area, the floor for any frame.
//
// Runs on the offscreen platform. Qt's raster engine spreads large fills over pooled
// threads, so every drawing benchmark counts the whole process's CPU and wall time.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <cstdlib>
#include <memory>

#include "view/memory_surface.h"
#include "view/morvane_view.h"
#include "view/piece_painter.h"
#include "view/user_services.h"

namespace {

constexpr std::int32_t kSeed = 1000;

class SilentServices : public UserServices {
 public:
  void MessageBox(QWidget*, const QString&, const QString&, Icon) override {}
  bool StartProgram(const QString&, const QStringList&) override { return false; }
  QString OpenFileName(QWidget*) override { return {}; }
  QString SaveFileName(QWidget*) override { return {}; }
};

// The real view, shown, with a generated puzzle and its handlers opened up.
class BenchView : public CMorvaneView {
 public:
  explicit BenchView(UserServices& services) : CMorvaneView(services) {
    resize(1000, 860);
    show();
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

void BM_Paint(benchmark::State& state) {
  BenchView view(Services());
  QImage surface(960, 800, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&surface);
    view.OnDraw(painter);
  }
}
BENCHMARK(BM_Paint)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_DragLayers(benchmark::State& state) {
  BenchView view(Services());
  const QPoint press = view.PointOnFrontGroup();
  for (auto _ : state)
    view.OnLButtonDown(press);
}
BENCHMARK(BM_DragLayers)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond);

// A mouse move during a drag: the frame composed off screen with three block transfers
// and copied into the window's surface before the move returns.
void BM_DragFrame(benchmark::State& state) {
  BenchView view(Services());
  const QPoint press = view.PointOnFrontGroup();
  view.OnLButtonDown(press);
  int step = 0;
  for (auto _ : state) {
    view.OnMouseMove(press + QPoint(step % 40, step % 25));
    ++step;
  }
  view.OnLButtonUp(press);
}
BENCHMARK(BM_DragFrame)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_CopyArea(benchmark::State& state) {
  MemorySurface from, to;
  from.CreateCompatible(1.0);
  to.CreateCompatible(1.0);
  const std::unique_ptr<QImage> source = from.CreateCompatibleBitmap(960, 800);
  const std::unique_ptr<QImage> target = to.CreateCompatibleBitmap(960, 800);
  from.SelectBitmap(source.get());
  to.SelectBitmap(target.get());
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

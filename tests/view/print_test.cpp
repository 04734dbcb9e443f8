#include <gtest/gtest.h>

#include <QScrollBar>

#include "tests/view/expected_picture.h"
#include "tests/view/puzzle_moves.h"
#include "tests/view/view_under_test.h"

using wendrel::PieceSet;

namespace {

class PrintTest : public ViewTest {};

// The printout is the painted picture at the logical origin, one unit per device pixel,
// whatever part of the surface the window shows.
TEST_F(PrintTest, APrintoutDrawsTheWholeSurfaceUnscrolled) {
  ShowView(QSize(500, 400));
  Generate(kSeed);
  view->horizontalScrollBar()->setValue(200);
  view->verticalScrollBar()->setValue(150);
  QImage page(PieceSet::kSurfaceWidth, PieceSet::kSurfaceHeight, QImage::Format_RGB32);
  page.fill(Qt::white);

  view->PrintOn(page);

  const ModelPicture model(view->Pieces());
  int checked = 0;
  for (int y = 2; y < page.height() - 2; y += 5) {
    for (int x = 2; x < page.width() - 2; x += 5) {
      if (!model.ClearOfEdges({x, y}, 2))
        continue;
      const std::optional<int> top = model.TopPieceAt({x, y});
      ASSERT_EQ(page.pixel(x, y) & 0xffffff, top ? PieceRgb(*top) : 0xffffffu) << x << "," << y;
      checked += top ? 1 : 0;
    }
  }
  EXPECT_GT(checked, 1000);
}

}  // namespace

#include <gtest/gtest.h>

#include <QApplication>
#include <set>

#include "tests/view/expected_picture.h"
#include "tests/view/mouse_driver.h"
#include "tests/view/puzzle_moves.h"
#include "tests/view/view_under_test.h"

namespace {

// This program runs at a device pixel ratio of 2, as on a high-density screen; the
// scale must be set before the application starts.
const bool kRatioTwo = [] {
  qputenv("QT_SCALE_FACTOR", "2");
  return true;
}();

// Device pixels in a picture's rows and columns where the colour changes, split by
// whether they lie on an even or an odd device pixel. A picture drawn at ratio 1 and
// scaled up changes colour on even pixels only.
struct Edges {
  int even = 0;
  int odd = 0;
};

Edges EdgesOf(const QImage& picture, const QRect& devicePixels) {
  Edges edges;
  for (int y = devicePixels.top(); y <= devicePixels.bottom(); ++y) {
    for (int x = devicePixels.left() + 1; x <= devicePixels.right(); ++x) {
      if (picture.pixel(x, y) != picture.pixel(x - 1, y))
        ++(x % 2 ? edges.odd : edges.even);
    }
  }
  for (int x = devicePixels.left(); x <= devicePixels.right(); ++x) {
    for (int y = devicePixels.top() + 1; y <= devicePixels.bottom(); ++y) {
      if (picture.pixel(x, y) != picture.pixel(x, y - 1))
        ++(y % 2 ? edges.odd : edges.even);
    }
  }
  return edges;
}

// Only the background and the piece colours: no antialiasing and no scaling blur.
void ExpectFlatColours(const QImage& picture, QRgb background) {
  std::set<QRgb> allowed{background & 0xffffff, 0xffffff};
  for (int p = 0; p < 16; ++p)
    allowed.insert(PieceRgb(p));
  for (int y = 0; y < picture.height(); y += 2) {
    for (int x = 0; x < picture.width(); ++x) {
      ASSERT_TRUE(allowed.count(picture.pixel(x, y) & 0xffffff)) << x << "," << y;
    }
  }
}

class HighDensityTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    Generate(kSeed);
  }
  QRgb Background() const { return view->viewport()->palette().color(QPalette::Base).rgb(); }
};

TEST_F(HighDensityTest, TheViewIsShownAtTwoDevicePixelsPerUnit) {
  ASSERT_EQ(view->viewport()->devicePixelRatioF(), 2.0);
  const QImage picture = Picture();
  EXPECT_EQ(picture.size(), view->viewport()->size() * 2);
  ExpectPictureShowsModel();
}

TEST_F(HighDensityTest, TriangleEdgesAreSharpAtDeviceResolution) {
  const QImage picture = Picture();
  ExpectFlatColours(picture, Background());
  const Edges edges = EdgesOf(picture, QRect(0, 0, 1820, 1400));
  EXPECT_GT(edges.even, 1000);
  EXPECT_GT(edges.odd, 1000);
}

TEST_F(HighDensityTest, DragFramesAreSharpAndTheMouseActsInLogicalUnits) {
  MouseDriver mouse(view->viewport());
  const wendrel::PieceSet& pieces = view->Pieces();
  const QRect visible(QPoint(0, 0), view->viewport()->size());
  const QPoint at = GrabPoints(pieces, 6, visible, 3).front();
  const int piece = pieces.Group(6).pieces[0];
  const int t = pieces.PieceAt(piece).TriangleAt(0);
  const wendrel::Triangle before = pieces.Placed(t);

  mouse.Press(Qt::LeftButton, at);
  ASSERT_EQ(pieces.Group(0).pieces[0], piece);
  mouse.Move(at + QPoint(30, -20));
  const QImage frame = Picture();
  ExpectFlatColours(frame, Background());
  const Edges edges = EdgesOf(frame, QRect(0, 0, 1820, 1400));
  EXPECT_GT(edges.odd, 1000);
  EXPECT_EQ(PixelAtLogical(frame, at + QPoint(30, -20)),
            PieceRgb(*ModelPicture(pieces).TopPieceAt(at)));

  mouse.Release(Qt::LeftButton, at + QPoint(30, -20));
  EXPECT_NEAR(pieces.Placed(t).a.x, before.a.x + 30, 1e-9);
  EXPECT_NEAR(pieces.Placed(t).a.y, before.a.y + 20, 1e-9);
  ExpectPictureShowsModel();
}

}  // namespace

#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>
#include <QScrollBar>
#include <algorithm>

#include "tests/view/expected_picture.h"
#include "tests/view/mouse_driver.h"
#include "tests/view/puzzle_moves.h"
#include "tests/view/view_under_test.h"
#include "view/piece_painter.h"

using wendrel::DPoint;
using wendrel::PieceSet;

namespace {

// A maximised window on a 1920 x 1200 screen: far more than the 960 x 800 surface.
class LargeWindowTest : public ViewTest {
 protected:
  static constexpr QSize kLarge{1900, 1150};

  void SetUp() override {
    ViewTest::SetUp();
    ResizeViewport(kLarge);
    Generate(kSeed);
  }
  QPoint PointOf(int g, int radius = 3) const {
    const std::vector<QPoint> points = GrabPoints(view->Pieces(), g, VisibleLogical(), radius);
    EXPECT_FALSE(points.empty()) << "group " << g;
    return points.empty() ? QPoint() : points.front();
  }
  QRgb Background() const {
    return view->viewport()->palette().color(QPalette::Base).rgb() & 0xffffff;
  }
  // The logical box of group g's corner points.
  QRect BoxOf(int g) const {
    const PieceSet& pieces = view->Pieces();
    QRect box;
    for (const int t : TrianglesOf(pieces, g)) {
      for (const DPoint& v : {pieces.Placed(t).a, pieces.Placed(t).b, pieces.Placed(t).c})
        box |= QRect(ModelToLogical(v), QSize(1, 1));
    }
    return box;
  }
};

TEST_F(LargeWindowTest, TheScrollSizeStaysTheSurfaceAndNoScrollBarShows) {
  EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(view->verticalScrollBar()->maximum(), 0);
  EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
  EXPECT_FALSE(view->verticalScrollBar()->isVisible());
}

TEST_F(LargeWindowTest, ADragAcrossTheWindowShowsTheGroupInEveryFrameAtItsOffset) {
  MouseDriver mouse(view->viewport());
  const PieceSet& pieces = view->Pieces();
  const QPoint from = PointOf(3);
  mouse.Press(Qt::LeftButton, from);
  const ModelPicture model(pieces);
  const ModelPicture others(pieces, 0);
  const std::vector<QPoint> points = GrabPoints(pieces, 0, VisibleLogical(), 2);
  ASSERT_GE(points.size(), 10u);

  const QPoint to(1500, 1000);
  constexpr int kSteps = 16;
  for (int step = 1; step <= kSteps; ++step) {
    const QPoint travel = (to - from) * step / kSteps;
    mouse.Move(from + travel);
    const QImage frame = WindowPicture();
    int shown = 0;
    for (const QPoint& p : points) {
      if (!VisibleLogical().contains(p + travel))
        continue;
      ASSERT_EQ(PixelAtLogical(frame, p + travel), PieceRgb(*model.TopPieceAt(p)))
          << "step " << step << " at " << p.x() << "," << p.y();
      ++shown;
    }
    EXPECT_GT(shown, 5) << "step " << step;
    // Where the group lay, what lies beneath it shows once the group has left.
    int uncovered = 0;
    for (const QPoint& p : points) {
      if (!BoxOf(0).translated(travel).adjusted(-3, -3, 3, 3).contains(p) &&
          others.ClearOfEdges(p, 2)) {
        const std::optional<int> beneath = others.TopPieceAt(p);
        ASSERT_EQ(PixelAtLogical(frame, p), beneath ? PieceRgb(*beneath) : Background());
        ++uncovered;
      }
    }
    if (step == kSteps) {
      EXPECT_GT(uncovered, 5);
    }
  }

  mouse.Release(Qt::LeftButton, to);
  EXPECT_EQ(pieces.HitGroup(to.x(), to.y()), 0);
  ExpectPictureShowsModel();
}

TEST_F(LargeWindowTest, ATurnOrMirrorOfAGroupBeyondTheSurfaceLeavesItWhereItWas) {
  MouseDriver mouse(view->viewport());
  const PieceSet& pieces = view->Pieces();
  const QPoint far(1500, 900);
  mouse.Drag(PointOf(5), far);
  ASSERT_GT(BoxOf(0).left(), PieceSet::kSurfaceWidth) << "wholly off the surface";
  const DPoint position = pieces.Group(0).position;
  const int rotation = pieces.Group(0).rotation;
  const int flipped = pieces.Group(0).flipped;

  mouse.Click(Qt::RightButton, far);
  EXPECT_EQ(pieces.Group(0).rotation, (rotation + (flipped ? 1 : 11)) % 12);
  EXPECT_EQ(pieces.Group(0).position, position);

  mouse.DoubleClick(Qt::LeftButton, PointOf(0));
  EXPECT_EQ(pieces.Group(0).flipped, 1 - flipped);
  EXPECT_EQ(pieces.Group(0).position, position);
  ExpectPictureShowsModel();
}

TEST_F(LargeWindowTest, ShrinkingTheWindowBringsAFarGroupBackIntoReach) {
  MouseDriver mouse(view->viewport());
  const PieceSet& pieces = view->Pieces();
  const int piece = pieces.Group(7).pieces[0];
  mouse.Drag(PointOf(7), QPoint(1850, 1120));
  ASSERT_EQ(pieces.Group(0).pieces[0], piece);
  const QRect surface(0, 0, PieceSet::kSurfaceWidth, PieceSet::kSurfaceHeight);
  ASSERT_FALSE(BoxOf(0).intersects(surface));
  std::vector<DPoint> othersBefore;
  for (int g = 1; g < pieces.GroupCount(); ++g)
    othersBefore.push_back(pieces.Group(g).position);

  view->resize(700, 500);
  QApplication::processEvents();

  // The far group lies in the surface now, where scrolling reaches it; the others stay.
  ASSERT_EQ(pieces.Group(0).pieces[0], piece);
  EXPECT_TRUE(BoxOf(0).intersects(surface));
  const ModelPicture model(pieces);
  int shown = 0;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      const std::optional<int> top = model.TopPieceAt({x, y});
      shown += top && GroupOf(pieces, *top) == 0 && pieces.HitGroup(x, y) == 0;
    }
  }
  EXPECT_GT(shown, 20);
  for (int g = 1; g < pieces.GroupCount(); ++g)
    EXPECT_EQ(pieces.Group(g).position, othersBefore[g - 1]) << g;
  view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
  view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
  ExpectPictureShowsModel();
}

TEST_F(LargeWindowTest, ARedoAfterAShrinkBringsAFarGroupBackIntoReach) {
  MouseDriver mouse(view->viewport());
  const PieceSet& pieces = view->Pieces();
  const int piece = pieces.Group(7).pieces[0];
  mouse.Drag(PointOf(7), QPoint(1850, 1120));
  const QRect surface(0, 0, PieceSet::kSurfaceWidth, PieceSet::kSurfaceHeight);
  ASSERT_FALSE(BoxOf(0).intersects(surface));
  view->OnEditUndo();
  ASSERT_TRUE(BoxOf(GroupOf(pieces, piece)).intersects(surface));

  // The window shrinks while the far place lives on only in the history.
  view->resize(700, 500);
  QApplication::processEvents();
  view->OnEditRedo();

  ASSERT_EQ(pieces.Group(0).pieces[0], piece);
  EXPECT_TRUE(BoxOf(0).intersects(surface));
  EXPECT_GT(BoxOf(0).right(), 900) << "moved no further than into reach";
  ExpectPictureShowsModel();
}

TEST_F(LargeWindowTest, UnderADarkPaletteADragFramesBackgroundIsThePaintedBackground) {
  QPalette dark = view->palette();
  const QColor base(0x2d, 0x2d, 0x30);
  dark.setColor(QPalette::Base, base);
  view->setPalette(dark);
  view->viewport()->repaint();
  const QImage painted = WindowPicture();
  const PieceSet& pieces = view->Pieces();
  const std::optional<QPoint> empty = ModelPicture(pieces).EmptyPointIn(VisibleLogical());
  ASSERT_TRUE(empty.has_value());
  ASSERT_EQ(PixelAtLogical(painted, *empty), base.rgb() & 0xffffff);

  MouseDriver mouse(view->viewport());
  const QPoint from = PointOf(4);
  const QPoint travel(300, 200);
  mouse.Press(Qt::LeftButton, from);
  mouse.Move(from + travel);
  const QImage frame = WindowPicture();

  // Wherever neither the other groups nor the dragged one lie, the old place of the
  // dragged group included, the frame shows the painted background; nowhere does a
  // light surface flash through.
  const ModelPicture model(pieces);
  const ModelPicture others(pieces, 0);
  int background = 0;
  for (int y = 0; y < kLarge.height(); y += 3) {
    for (int x = 0; x < kLarge.width(); x += 3) {
      const QPoint q(x, y);
      ASSERT_NE(frame.pixel(q) & 0xffffff, 0xffffffu) << x << "," << y;
      const std::optional<int> own = model.TopPieceAt(q - travel);
      if (others.TopPieceAt(q) || !others.ClearOfEdges(q, 2) ||
          (own && GroupOf(pieces, *own) == 0) || !model.ClearOfEdges(q - travel, 2))
        continue;
      ASSERT_EQ(PixelAtLogical(frame, q), PixelAtLogical(painted, *empty)) << x << "," << y;
      ++background;
    }
  }
  EXPECT_GT(background, 100000);
  mouse.Release(Qt::LeftButton, from + travel);
}

}  // namespace

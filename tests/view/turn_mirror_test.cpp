#include <gtest/gtest.h>

#include <cmath>

#include "tests/view/mouse_driver.h"
#include "tests/view/puzzle_moves.h"
#include "tests/view/view_under_test.h"

using wendrel::DPoint;
using wendrel::PieceSet;

namespace {

class TurnMirrorTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    Generate(kSeed);
  }
  QPoint PointOf(int g) const {
    const std::vector<QPoint> points =
        GrabPoints(view->Pieces(), g, QRect(QPoint(0, 0), view->viewport()->size()));
    EXPECT_FALSE(points.empty()) << "group " << g;
    return points.empty() ? QPoint() : points.front();
  }
  // The first group at or behind index from whose mirror flag is flipped.
  int GroupWithMirror(int from, int flipped) const {
    for (int g = from; g < view->Pieces().GroupCount(); ++g) {
      if (view->Pieces().Group(g).flipped == flipped)
        return g;
    }
    ADD_FAILURE() << "no group with mirror " << flipped;
    return from;
  }
  // Every vertex of the group holding piece, relative to the group's pivot, as the
  // screen shows it: y down.
  std::vector<DPoint> ScreenShape(int piece) const {
    const PieceSet& pieces = view->Pieces();
    const int g = GroupOf(pieces, piece);
    const DPoint pivot = pieces.Group(g).position;
    std::vector<DPoint> shape;
    for (const int t : TrianglesOf(pieces, g)) {
      for (const DPoint& v : {pieces.Placed(t).a, pieces.Placed(t).b, pieces.Placed(t).c}) {
        shape.push_back(DPoint{v.x - pivot.x, pivot.y - v.y});
      }
    }
    return shape;
  }
  // Checks that after is before turned clockwise on the screen by degrees.
  static void ExpectTurnedClockwise(const std::vector<DPoint>& before,
                                    const std::vector<DPoint>& after, double degrees) {
    ASSERT_EQ(before.size(), after.size());
    // With y down, a clockwise turn takes (1, 0) towards (0, 1).
    const double r = degrees * std::acos(-1.0) / 180.0;
    for (size_t i = 0; i < before.size(); ++i) {
      EXPECT_NEAR(after[i].x, std::cos(r) * before[i].x - std::sin(r) * before[i].y, 1e-6) << i;
      EXPECT_NEAR(after[i].y, std::sin(r) * before[i].x + std::cos(r) * before[i].y, 1e-6) << i;
    }
  }
};

TEST_F(TurnMirrorTest, ARightClickTurnsAGroup30DegreesClockwiseOnTheScreen) {
  for (const int flipped : {0, 1}) {
    MouseDriver mouse(view->viewport());
    const int g = GroupWithMirror(3, flipped);
    const int piece = view->Pieces().Group(g).pieces[0];
    const std::vector<DPoint> before = ScreenShape(piece);
    PaintCounter paints(view->viewport());

    mouse.Click(Qt::RightButton, PointOf(g));

    EXPECT_EQ(view->Pieces().Group(0).pieces[0], piece) << "raised to the front";
    ExpectTurnedClockwise(before, ScreenShape(piece), 30.0);
    EXPECT_EQ(paints.count, 1);
    ExpectPictureShowsModel();
  }
}

TEST_F(TurnMirrorTest, ARightDoubleClickTurnsAGroup60Degrees) {
  for (const int flipped : {0, 1}) {
    MouseDriver mouse(view->viewport());
    const int g = GroupWithMirror(2, flipped);
    const int piece = view->Pieces().Group(g).pieces[0];
    const std::vector<DPoint> before = ScreenShape(piece);

    mouse.DoubleClick(Qt::RightButton, PointOf(g));

    ExpectTurnedClockwise(before, ScreenShape(piece), 60.0);
  }
}

TEST_F(TurnMirrorTest, ALeftDoubleClickMirrorsAGroupThatWasNotInFront) {
  MouseDriver mouse(view->viewport());
  const int g = 8;
  const int piece = view->Pieces().Group(g).pieces[0];
  const int flipped = view->Pieces().Group(g).flipped;
  const std::vector<DPoint> before = ScreenShape(piece);

  mouse.DoubleClick(Qt::LeftButton, PointOf(g));

  const wendrel::PieceGroup& front = view->Pieces().Group(0);
  EXPECT_EQ(front.pieces[0], piece);
  EXPECT_EQ(front.flipped, 1 - flipped);
  EXPECT_EQ(view->Dragging(), 0);
  const std::vector<DPoint> after = ScreenShape(piece);
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_NEAR(after[i].x, -before[i].x, 1e-6) << i;
    EXPECT_NEAR(after[i].y, before[i].y, 1e-6) << i;
  }
  ExpectPictureShowsModel();
}

TEST_F(TurnMirrorTest, AfterADropATurnIsShownFromTheModel) {
  MouseDriver mouse(view->viewport());
  const QPoint at = PointOf(5);
  mouse.Drag(at, at + QPoint(12, 9));
  mouse.Click(Qt::RightButton, at + QPoint(12, 9));
  ExpectPictureShowsModel();
}

TEST_F(TurnMirrorTest, ClicksOnEmptySpaceTurnNothing) {
  MouseDriver mouse(view->viewport());
  std::vector<std::vector<DPoint>> before;
  for (int p = 0; p < 15; ++p)
    before.push_back(ScreenShape(p));
  // The view's top-left corner: no piece is scattered there.
  mouse.Click(Qt::RightButton, QPoint(2, 2));
  mouse.DoubleClick(Qt::LeftButton, QPoint(2, 2));
  mouse.DoubleClick(Qt::RightButton, QPoint(2, 2));
  for (int p = 0; p < 15; ++p) {
    const std::vector<DPoint> after = ScreenShape(p);
    for (size_t i = 0; i < after.size(); ++i) {
      EXPECT_EQ(after[i].x, before[p][i].x);
      EXPECT_EQ(after[i].y, before[p][i].y);
    }
  }
  EXPECT_TRUE(services.messages.empty());
}

// A mirror swings a group across the vertical line through its pivot. With the pivot
// off the left edge and only a sliver of the group on the surface, that would take the
// whole group off the surface, out of reach of every click; the view brings it back.
TEST_F(TurnMirrorTest, AMirrorNeverLeavesAGroupOutOfReach) {
  MouseDriver mouse(view->viewport());
  const PieceSet& pieces = view->Pieces();
  for (int g = 0; g < pieces.GroupCount(); ++g) {
    const int piece = pieces.Group(g).pieces[0];
    // The group's right-most clickable point, dropped on the view's left edge.
    std::vector<QPoint> points =
        GrabPoints(pieces, g, QRect(QPoint(0, 0), view->viewport()->size()), 1);
    if (points.empty())
      continue;
    const QPoint rightmost = *std::max_element(points.begin(), points.end(),
                                               [](QPoint a, QPoint b) { return a.x() < b.x(); });
    mouse.Drag(rightmost, QPoint(0, rightmost.y()));
    const int front = GroupOf(pieces, piece);
    ASSERT_EQ(front, 0);
    double left = 1e9;
    for (const int t : TrianglesOf(pieces, 0)) {
      left = std::min({left, pieces.Placed(t).a.x, pieces.Placed(t).b.x, pieces.Placed(t).c.x});
    }
    // Mirrored in its pivot's line, the group's left-most vertex would end right of
    // the pivot; when that is still off the surface, so is the rest.
    const double mirroredRight = 2 * pieces.Group(0).position.x - left;
    if (mirroredRight >= -PieceSet::kOriginX)
      continue;

    mouse.DoubleClick(Qt::LeftButton, QPoint(0, rightmost.y()));

    ASSERT_EQ(pieces.Group(0).pieces[0], piece);
    double right = -1e9;
    for (const int t : TrianglesOf(pieces, 0)) {
      right = std::max({right, pieces.Placed(t).a.x, pieces.Placed(t).b.x, pieces.Placed(t).c.x});
    }
    EXPECT_GE(right, -PieceSet::kOriginX + 5.0);
    // And some point of it can be clicked.
    bool reachable = false;
    for (int y = 0; y < PieceSet::kSurfaceHeight && !reachable; ++y) {
      for (int x = 0; x <= 12 && !reachable; ++x)
        reachable = pieces.HitGroup(x, y) == 0;
    }
    EXPECT_TRUE(reachable);
    return;
  }
  FAIL() << "no group could be set up for the mirror";
}

}  // namespace

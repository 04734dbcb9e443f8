#include <gtest/gtest.h>

#include <algorithm>

#include "tests/view/expected_picture.h"
#include "tests/view/mouse_driver.h"
#include "tests/view/puzzle_moves.h"
#include "tests/view/view_under_test.h"

using wendrel::PieceSet;

namespace {

// The pieces of each group, front to back.
std::vector<std::vector<int>> Order(const PieceSet& pieces) {
  std::vector<std::vector<int>> order;
  for (int g = 0; g < pieces.GroupCount(); ++g) {
    const wendrel::PieceGroup& group = pieces.Group(g);
    order.emplace_back(group.pieces, group.pieces + group.count);
  }
  return order;
}

std::vector<wendrel::Triangle> Placed(const PieceSet& pieces) {
  std::vector<wendrel::Triangle> placed;
  for (int t = 0; t < pieces.PlacedCount(); ++t)
    placed.push_back(pieces.Placed(t));
  return placed;
}

class DragTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    Generate(kSeed);
  }
  QRect Visible() const { return QRect(QPoint(0, 0), view->viewport()->size()); }
  // A point of group g that a click finds, clear of edges.
  QPoint PointOf(int g) const {
    const std::vector<QPoint> points = GrabPoints(view->Pieces(), g, Visible(), 3);
    EXPECT_FALSE(points.empty()) << "group " << g;
    return points.empty() ? QPoint() : points.front();
  }
  // A point that shows no piece, clear of every edge, inside the drag area.
  QPoint EmptyPoint() const {
    const std::optional<QPoint> empty =
        ModelPicture(view->Pieces()).EmptyPointIn(QRect(20, 20, 880, 660));
    EXPECT_TRUE(empty.has_value());
    return empty.value_or(QPoint());
  }
};

TEST_F(DragTest, APressOnALowerGroupsPieceGrabsThatGroupAndBringsItToTheFront) {
  MouseDriver mouse(view->viewport());
  const int lowest = view->Pieces().GroupCount() - 1;
  std::vector<std::vector<int>> expected = Order(view->Pieces());
  std::rotate(expected.begin(), expected.begin() + lowest, expected.end());

  mouse.Press(Qt::LeftButton, PointOf(lowest));

  EXPECT_EQ(view->Dragging(), 1);
  EXPECT_EQ(Order(view->Pieces()), expected);
}

TEST_F(DragTest, DraggingBy30AndMinus20PixelsMovesTheGroupBy30And20ModelUnits) {
  MouseDriver mouse(view->viewport());
  const int g = 4;
  const int piece = view->Pieces().Group(g).pieces[0];
  const std::vector<wendrel::Triangle> before = Placed(view->Pieces());
  const QPoint at = PointOf(g);

  mouse.Drag(at, at + QPoint(30, -20));

  const PieceSet& pieces = view->Pieces();
  EXPECT_EQ(view->Dragging(), 0);
  ASSERT_EQ(pieces.GroupCount(), 15);  // nothing joined
  ASSERT_EQ(pieces.Group(0).pieces[0], piece);
  const std::vector<int> group = TrianglesOf(pieces, 0);
  for (int t = 0; t < pieces.PlacedCount(); ++t) {
    const bool moved = std::find(group.begin(), group.end(), t) != group.end();
    const double dx = moved ? 30.0 : 0.0, dy = moved ? 20.0 : 0.0;
    EXPECT_NEAR(pieces.Placed(t).a.x, before[t].a.x + dx, 1e-9) << t;
    EXPECT_NEAR(pieces.Placed(t).a.y, before[t].a.y + dy, 1e-9) << t;
    EXPECT_NEAR(pieces.Placed(t).c.x, before[t].c.x + dx, 1e-9) << t;
    EXPECT_NEAR(pieces.Placed(t).c.y, before[t].c.y + dy, 1e-9) << t;
  }
  ExpectPictureShowsModel();
}

TEST_F(DragTest, DuringADragTheOldPlaceShowsWhatLiesBeneathAndTheGroupLiesOnTop) {
  MouseDriver mouse(view->viewport());
  const PieceSet& pieces = view->Pieces();
  // Drag group 3 over a point of group 7, so that it must cover that group.
  const int dragged = pieces.Group(3).pieces[0];
  const QPoint from = PointOf(3);
  const QPoint onto = PointOf(7);
  const QPoint travel = onto - from;

  mouse.Press(Qt::LeftButton, from);
  PaintCounter paints(view->viewport());
  mouse.Move(onto);
  EXPECT_EQ(paints.count, 1);  // the frame reaches the window before the move returns
  const QImage frame = Picture();

  ASSERT_EQ(pieces.Group(0).pieces[0], dragged);
  const ModelPicture model(pieces);
  const ModelPicture others(pieces, 0);
  int under = 0, over = 0;
  for (int y = 2; y < 698; y += 3) {
    for (int x = 2; x < 908; x += 3) {
      const QPoint q(x, y);
      // Where the dragged picture lies now: the dragged group's colour, over all others.
      const QPoint source = q - travel;
      const std::optional<int> draggedTop = model.TopPieceAt(source);
      if (draggedTop && GroupOf(pieces, *draggedTop) == 0) {
        if (!model.ClearOfEdges(source, 2))
          continue;
        ASSERT_EQ(PixelAtLogical(frame, q), PieceRgb(*draggedTop)) << x << "," << y;
        ++over;
        continue;
      }
      // Its old place, and everywhere else: the other groups, or white.
      const std::optional<int> top = model.TopPieceAt(q);
      if (!top || GroupOf(pieces, *top) != 0 || !others.ClearOfEdges(q, 2))
        continue;
      const std::optional<int> beneath = others.TopPieceAt(q);
      ASSERT_EQ(PixelAtLogical(frame, q), beneath ? PieceRgb(*beneath) : 0xffffffu)
          << x << "," << y;
      ++under;
    }
  }
  EXPECT_GT(over, 100);
  EXPECT_GT(under, 100);
  EXPECT_EQ(PixelAtLogical(frame, onto), PieceRgb(*model.TopPieceAt(from)));
}

TEST_F(DragTest, APressOnEmptySpaceAndItsReleaseChangeNothing) {
  MouseDriver mouse(view->viewport());
  const auto order = Order(view->Pieces());
  const auto placed = Placed(view->Pieces());
  const QPoint empty = EmptyPoint();
  PaintCounter paints(view->viewport());

  mouse.Press(Qt::LeftButton, empty);
  mouse.Move(empty + QPoint(40, 40));
  mouse.Release(Qt::LeftButton, empty + QPoint(40, 40));

  EXPECT_EQ(view->Dragging(), 0);
  EXPECT_EQ(Order(view->Pieces()), order);
  EXPECT_EQ(Placed(view->Pieces()), placed);
  EXPECT_EQ(paints.count, 0);
}

TEST_F(DragTest, APressAndReleaseWithoutMovingRaisesTheGroupAndRepaints) {
  MouseDriver mouse(view->viewport());
  const auto placed = Placed(view->Pieces());
  const int piece = view->Pieces().Group(9).pieces[0];
  const QPoint at = PointOf(9);
  PaintCounter paints(view->viewport());

  mouse.Click(Qt::LeftButton, at);

  EXPECT_EQ(view->Pieces().Group(0).pieces[0], piece);
  EXPECT_EQ(Placed(view->Pieces()), placed);
  EXPECT_EQ(paints.count, 1);
}

TEST_F(DragTest, AReleaseOutsideTheViewKeepsTheDragOpenUntilAReleaseInside) {
  MouseDriver mouse(view->viewport());
  const PieceSet& pieces = view->Pieces();
  const int piece = pieces.Group(5).pieces[0];
  const QPoint at = PointOf(5);
  const auto placed = Placed(pieces);

  mouse.Press(Qt::LeftButton, at);
  mouse.Move(QPoint(-30, at.y()));
  mouse.Release(Qt::LeftButton, QPoint(-30, at.y()));
  EXPECT_EQ(view->Dragging(), 1);
  EXPECT_EQ(Placed(pieces), placed);

  // With the button up, moves over the view go on showing the dragged picture.
  const QPoint travel = EmptyPoint() - at;
  mouse.Move(at + travel);
  EXPECT_EQ(PixelAtLogical(Picture(), at + travel), PieceRgb(*ModelPicture(pieces).TopPieceAt(at)));

  mouse.Release(Qt::LeftButton, at + travel);
  EXPECT_EQ(view->Dragging(), 0);
  ASSERT_EQ(pieces.Group(0).pieces[0], piece);
  const wendrel::Triangle& moved = pieces.Placed(pieces.PieceAt(piece).TriangleAt(0));
  const wendrel::Triangle& old = placed[pieces.PieceAt(piece).TriangleAt(0)];
  EXPECT_NEAR(moved.b.x, old.b.x + travel.x(), 1e-9);
  EXPECT_NEAR(moved.b.y, old.b.y - travel.y(), 1e-9);
  ExpectPictureShowsModel();
}

TEST_F(DragTest, APressOnEmptySpaceLeavesAnOpenDragOpen) {
  MouseDriver mouse(view->viewport());
  const QPoint at = PointOf(2);
  mouse.Press(Qt::LeftButton, at);
  mouse.Release(Qt::LeftButton, QPoint(at.x(), -5));
  ASSERT_EQ(view->Dragging(), 1);

  mouse.Press(Qt::LeftButton, EmptyPoint());
  EXPECT_EQ(view->Dragging(), 1);
}

TEST_F(DragTest, TurnsAndMirrorsWaitWhileADragIsOpen) {
  MouseDriver mouse(view->viewport());
  const PieceSet& pieces = view->Pieces();
  const int dragged = pieces.Group(6).pieces[0];
  const int other = pieces.Group(11).pieces[0];
  const QPoint at = PointOf(6);
  const QPoint otherAt = PointOf(11);
  const wendrel::PieceGroup otherBefore = pieces.Group(11);

  mouse.Press(Qt::LeftButton, at);
  mouse.Release(Qt::LeftButton, QPoint(-1, -1));  // outside: the drag stays open
  const auto order = Order(pieces);
  const auto placed = Placed(pieces);
  mouse.Click(Qt::RightButton, otherAt);
  mouse.DoubleClickEvent(Qt::RightButton, otherAt);
  mouse.Release(Qt::RightButton, otherAt);
  mouse.DoubleClickEvent(Qt::LeftButton, otherAt);
  mouse.Release(Qt::LeftButton, QPoint(-1, -1));

  EXPECT_EQ(Order(pieces), order);
  EXPECT_EQ(Placed(pieces), placed);
  const wendrel::PieceGroup& otherNow = pieces.Group(GroupOf(pieces, other));
  EXPECT_EQ(otherNow.rotation, otherBefore.rotation);
  EXPECT_EQ(otherNow.flipped, otherBefore.flipped);

  // The release drops the group that was dragged.
  mouse.Release(Qt::LeftButton, at + QPoint(20, 0));
  EXPECT_EQ(pieces.Group(0).pieces[0], dragged);
  const int t = pieces.PieceAt(dragged).TriangleAt(0);
  EXPECT_NEAR(pieces.Placed(t).a.x, placed[t].a.x + 20, 1e-9);
}

TEST_F(DragTest, AGenerateEndsAnOpenDrag) {
  MouseDriver mouse(view->viewport());
  const QPoint at = PointOf(0);
  mouse.Press(Qt::LeftButton, at);
  ASSERT_EQ(view->Dragging(), 1);

  Generate(kSeed + 1);
  const auto placed = Placed(view->Pieces());
  EXPECT_EQ(view->Dragging(), 0);
  mouse.Move(at + QPoint(50, 50));
  mouse.Release(Qt::LeftButton, at + QPoint(50, 50));
  EXPECT_EQ(Placed(view->Pieces()), placed);
}

}  // namespace

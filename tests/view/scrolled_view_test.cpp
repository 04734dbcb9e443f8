#include <gtest/gtest.h>

#include <QScrollBar>

#include "tests/view/expected_picture.h"
#include "tests/view/mouse_driver.h"
#include "tests/view/puzzle_moves.h"
#include "tests/view/view_under_test.h"

using wendrel::PieceSet;

namespace {

class ScrolledViewTest : public ViewTest {
 protected:
  void SetUp() override {
    ShowView(QSize(520, 420));
    Generate(kSeed);
    view->horizontalScrollBar()->setValue(300);
    view->verticalScrollBar()->setValue(250);
  }
};

TEST_F(ScrolledViewTest, ThePictureFollowsTheScrollPosition) {
  ASSERT_EQ(ScrollPosition(), QPoint(300, 250));
  const PieceSet& pieces = view->Pieces();
  const ModelPicture model(pieces);
  const QImage picture = Picture();
  int checked = 0;
  for (int g = 0; g < pieces.GroupCount(); ++g) {
    for (const QPoint& p : GrabPoints(pieces, g, VisibleLogical(), 2)) {
      EXPECT_EQ(PixelAtLogical(picture, p), PieceRgb(*model.TopPieceAt(p)));
      ++checked;
    }
  }
  EXPECT_GT(checked, 10);
}

TEST_F(ScrolledViewTest, APressGrabsThePieceUnderThePointerAndTheFrameLinesUp) {
  MouseDriver mouse(view->viewport());
  const PieceSet& pieces = view->Pieces();
  // A group that shows in the scrolled window, and not the front one.
  int g = 1;
  std::vector<QPoint> points;
  for (; g < pieces.GroupCount(); ++g) {
    points = GrabPoints(pieces, g, VisibleLogical().adjusted(0, 0, -40, -40), 2);
    if (!points.empty())
      break;
  }
  ASSERT_FALSE(points.empty());
  const int piece = pieces.Group(g).pieces[0];
  const QPoint logical = points.front();
  const QRgb colour = PieceRgb(*ModelPicture(pieces).TopPieceAt(logical));

  mouse.Press(Qt::LeftButton, LogicalToDevice(logical));
  ASSERT_EQ(view->Dragging(), 1);
  EXPECT_EQ(pieces.Group(0).pieces[0], piece);

  // Onto empty space in the window, where only the dragged picture can put a colour.
  const ModelPicture model(pieces);
  const ModelPicture others(pieces, 0);
  const std::optional<QPoint> empty = model.EmptyPointIn(VisibleLogical());
  ASSERT_TRUE(empty.has_value());
  const QPoint travel = *empty - logical;
  mouse.Move(LogicalToDevice(logical) + travel);
  const QImage frame = Picture();
  // The dragged picture lies at the travelled point, as the painted view would have it.
  EXPECT_EQ(PixelAtLogical(frame, logical + travel), colour);
  // Away from the group the frame shows the same as the painted view.
  for (int y = 0; y < view->viewport()->height(); y += 11) {
    for (int x = 0; x < view->viewport()->width(); x += 11) {
      const QPoint at = VisibleLogical().topLeft() + QPoint(x, y);
      if (!others.ClearOfEdges(at, 2) || !model.ClearOfEdges(at - travel, 2))
        continue;
      const std::optional<int> own = model.TopPieceAt(at - travel);
      if (own && GroupOf(pieces, *own) == 0)
        continue;
      if (model.TopPieceAt(at) && GroupOf(pieces, *model.TopPieceAt(at)) == 0)
        continue;
      const std::optional<int> top = others.TopPieceAt(at);
      ASSERT_EQ(PixelAtLogical(frame, at), top ? PieceRgb(*top) : 0xffffffu) << x << "," << y;
    }
  }

  mouse.Release(Qt::LeftButton, LogicalToDevice(logical) + travel);
  EXPECT_EQ(pieces.HitGroup(logical.x() + travel.x(), logical.y() + travel.y()), 0);
  EXPECT_EQ(PixelAtLogical(Picture(), logical + travel), colour);
}

TEST_F(ScrolledViewTest, ARightClickTurnsThePieceUnderThePointer) {
  MouseDriver mouse(view->viewport());
  const PieceSet& pieces = view->Pieces();
  for (int g = 1; g < pieces.GroupCount(); ++g) {
    const std::vector<QPoint> points = GrabPoints(pieces, g, VisibleLogical(), 2);
    if (points.empty())
      continue;
    const int piece = pieces.Group(g).pieces[0];
    const int rotation = pieces.Group(g).rotation;

    mouse.Click(Qt::RightButton, LogicalToDevice(points.front()));

    ASSERT_EQ(pieces.Group(0).pieces[0], piece);
    EXPECT_NE(pieces.Group(0).rotation, rotation);
    ExpectPictureShowsModel();
    return;
  }
  FAIL() << "no group shows in the scrolled window";
}

}  // namespace

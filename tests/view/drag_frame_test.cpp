#include <gtest/gtest.h>

#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <random>

#include "tests/view/mouse_driver.h"
#include "tests/view/puzzle_moves.h"
#include "tests/view/view_under_test.h"
#include "view/piece_painter.h"

using wendrel::PieceSet;

namespace {

// A drag frame composed in full, the straightforward way: the painted view without the
// dragged group (group 0), and the group's own picture laid over it at its offset. The
// view composes only what changes from one frame to the next; what reaches the window
// must be this picture, pixel for pixel.
QImage FullFrame(const PieceSet& pieces, QColor base, QPoint travel, QSize size) {
  QImage frame(size, QImage::Format_RGB32);
  frame.fill(base);
  {
    QPainter painter(&frame);
    PiecePainter draw(painter);
    for (int g = pieces.GroupCount() - 1; g >= 1; --g)
      draw.DrawGroup(pieces, g);
  }
  QImage group(size, QImage::Format_ARGB32_Premultiplied);
  group.fill(Qt::transparent);
  {
    QPainter painter(&group);
    PiecePainter draw(painter);
    draw.DrawGroup(pieces, 0);
  }
  QPainter painter(&frame);
  painter.drawImage(travel, group);
  return frame;
}

class DragFrameTest : public ViewTest {
 protected:
  // Grabs group g, then moves the mouse through travels, and after every move checks
  // the whole window against the frame composed in full.
  void ExpectFramesEqualFullComposition(int g, const std::vector<QPoint>& travels) {
    MouseDriver mouse(view->viewport());
    const PieceSet& pieces = view->Pieces();
    const std::vector<QPoint> points = GrabPoints(pieces, g, VisibleLogical(), 2);
    ASSERT_FALSE(points.empty());
    const QPoint from = points.front() - ScrollPosition();
    mouse.Press(Qt::LeftButton, from);
    ASSERT_EQ(view->Dragging(), 1);
    const QColor base = view->viewport()->palette().color(QPalette::Base);
    const QRect visible = VisibleLogical();

    for (const QPoint& travel : travels) {
      mouse.Move(from + travel);
      const QImage expected =
          FullFrame(pieces, base, travel, QSize(visible.right() + 1, visible.bottom() + 1));
      const QImage window = WindowPicture();
      int wrong = 0;
      for (int y = 0; y < window.height(); ++y) {
        for (int x = 0; x < window.width(); ++x) {
          const QPoint logical = visible.topLeft() + QPoint(x, y);
          if (window.pixel(x, y) != expected.pixel(logical) && ++wrong <= 3) {
            ADD_FAILURE() << "travel " << travel.x() << "," << travel.y() << ": logical "
                          << logical.x() << "," << logical.y();
          }
        }
      }
      ASSERT_EQ(wrong, 0) << "travel " << travel.x() << "," << travel.y();
    }
    mouse.Release(Qt::LeftButton, from + travels.back());
  }

  // Offsets that move group 0 (as grabbed) in small and large steps, partly and wholly
  // past each side of the visible area, and back; then a random walk.
  std::vector<QPoint> Travels(int g) const {
    const QRect box = GroupExtent(view->Pieces(), g).toAlignedRect();
    const QRect visible = VisibleLogical();
    std::vector<QPoint> travels = {
        {1, 0},
        {5, 3},
        {-7, 12},
        {40, -25},
        {visible.right() - box.center().x(), 0},   // half past the right side
        {visible.right() - box.center().x(), 17},  // and along it
        {0, visible.bottom() - box.center().y()},  // half past the bottom
        {-box.center().x(), -box.center().y()},    // half past the top-left corner
        {visible.right() + 50 - box.left(), 0},    // wholly out
        {-box.right() - 50, visible.bottom() - box.top() + 50},
        {0, 0},
        {3, -2},
    };
    std::mt19937 random(12);
    std::uniform_int_distribution<int> dx(-box.right() - 20, visible.right() - box.left() + 20);
    std::uniform_int_distribution<int> dy(-box.bottom() - 20, visible.bottom() - box.top() + 20);
    for (int k = 0; k < 16; ++k)
      travels.emplace_back(dx(random), dy(random));
    return travels;
  }
};

TEST_F(DragFrameTest, InALargeWindowEveryFrameEqualsTheFullComposition) {
  ResizeViewport(QSize(1900, 1150));
  Generate(kSeed);
  for (const int g : {0, 6, 14}) {
    SCOPED_TRACE(g);
    ExpectFramesEqualFullComposition(g, Travels(g));
  }
}

// The surfaces follow the window down as well as up, though not under an open drag: a
// window made small during one gives their memory back by the next press, whose frames
// are whole. Made a little larger and small again, the window keeps what it has.
TEST_F(DragFrameTest, AWindowMadeSmallGivesTheSurfacesBackByTheNextPress) {
  ResizeViewport(QSize(1900, 1150));
  Generate(kSeed);
  const qsizetype large = view->DragSurfaceBytes();
  MouseDriver mouse(view->viewport());
  const QPoint at = GrabPoints(view->Pieces(), 6, VisibleLogical(), 2).front();
  mouse.Press(Qt::LeftButton, at);
  ResizeViewport(QSize(1000, 860));
  EXPECT_EQ(view->DragSurfaceBytes(), large) << "kept while the drag is open";
  mouse.Release(Qt::LeftButton, at);

  ExpectFramesEqualFullComposition(0, Travels(0));
  EXPECT_LT(view->DragSurfaceBytes(), large / 2);

  ResizeViewport(QSize(1100, 900));
  const qsizetype grown = view->DragSurfaceBytes();
  ResizeViewport(QSize(1000, 860));
  EXPECT_EQ(view->DragSurfaceBytes(), grown);
}

TEST_F(DragFrameTest, InAScrolledSmallWindowEveryFrameEqualsTheFullComposition) {
  ShowView(QSize(520, 420));
  Generate(kSeed);
  view->horizontalScrollBar()->setValue(300);
  view->verticalScrollBar()->setValue(250);
  for (int g = 0; g < view->Pieces().GroupCount(); ++g) {
    if (GrabPoints(view->Pieces(), g, VisibleLogical(), 2).empty())
      continue;
    ExpectFramesEqualFullComposition(g, Travels(g));
    return;
  }
  FAIL() << "no group shows in the scrolled window";
}

TEST_F(DragFrameTest, UnderADarkPaletteEveryFrameEqualsTheFullComposition) {
  QPalette dark = view->palette();
  dark.setColor(QPalette::Base, QColor(0x23, 0x26, 0x29));
  view->setPalette(dark);
  Generate(kSeed);
  ExpectFramesEqualFullComposition(2, Travels(2));
}

}  // namespace

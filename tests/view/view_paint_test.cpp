#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>
#include <QScrollBar>

#include "tests/view/expected_picture.h"
#include "tests/view/puzzle_moves.h"
#include "tests/view/view_under_test.h"
#include "view/piece_painter.h"

using wendrel::PieceSet;

namespace {

class ViewPaintTest : public ViewTest {
 protected:
  QRgb Background() const {
    return view->viewport()->palette().color(QPalette::Base).rgb() & 0xffffff;
  }
};

TEST_F(ViewPaintTest, BeforeTheFirstGenerateOnlyTheBackgroundShows) {
  const QImage picture = Picture();
  for (int y = 0; y < picture.height(); y += 7) {
    for (int x = 0; x < picture.width(); x += 7) {
      ASSERT_EQ(picture.pixel(x, y) & 0xffffff, Background()) << x << "," << y;
    }
  }
}

TEST_F(ViewPaintTest, EachTriangleCentreShowsItsPiecesColour) {
  Generate(kSeed);
  const PieceSet& pieces = view->Pieces();
  ASSERT_EQ(pieces.GroupCount(), 15);
  const ModelPicture model(pieces);
  const QImage picture = Picture();
  int checked = 0;
  for (int p = 0; p < pieces.PieceCount(); ++p) {
    const wendrel::Piece& piece = pieces.PieceAt(p);
    for (int i = 0; i < piece.count; ++i) {
      const QPoint centre = ModelToLogical(PlacedCentre(pieces.Placed(piece.TriangleAt(i))));
      if (!model.ClearOfEdges(centre, 2))
        continue;
      const std::optional<int> top = model.TopPieceAt(centre);
      ASSERT_TRUE(top.has_value());
      EXPECT_EQ(PixelAtLogical(picture, centre), PieceRgb(*top)) << "piece " << p;
      ++checked;
    }
  }
  // Most triangles are wide enough to be checked this way.
  EXPECT_GT(checked, 150);
}

TEST_F(ViewPaintTest, AwayFromThePiecesTheBackgroundShows) {
  Generate(kSeed);
  const PieceSet& pieces = view->Pieces();
  const ModelPicture model(pieces);
  const QImage picture = Picture();
  int checked = 0;
  for (int y = 3; y < PieceSet::kSurfaceHeight - 3; y += 9) {
    for (int x = 3; x < PieceSet::kSurfaceWidth - 3; x += 9) {
      const QPoint logical(x, y);
      if (model.TopPieceAt(logical) || !model.ClearOfEdges(logical, 2))
        continue;
      ASSERT_EQ(PixelAtLogical(picture, logical), Background()) << x << "," << y;
      ++checked;
    }
  }
  EXPECT_GT(checked, 5000);
}

TEST_F(ViewPaintTest, ScrollBarsAppearWhenTheWindowIsSmallerThanTheSurface) {
  EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
  EXPECT_FALSE(view->verticalScrollBar()->isVisible());
  view->resize(500, 400);
  QApplication::processEvents();
  EXPECT_TRUE(view->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(view->verticalScrollBar()->isVisible());
  EXPECT_EQ(view->horizontalScrollBar()->maximum(),
            PieceSet::kSurfaceWidth - view->viewport()->width());
  EXPECT_EQ(view->verticalScrollBar()->maximum(),
            PieceSet::kSurfaceHeight - view->viewport()->height());
  EXPECT_EQ(view->horizontalScrollBar()->pageStep(), 20);
  EXPECT_EQ(view->horizontalScrollBar()->singleStep(), 10);
  EXPECT_EQ(view->verticalScrollBar()->pageStep(), 20);
  EXPECT_EQ(view->verticalScrollBar()->singleStep(), 10);
}

}  // namespace

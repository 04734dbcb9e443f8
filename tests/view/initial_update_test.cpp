#include <gtest/gtest.h>

#include <QScrollBar>

#include "tests/view/expected_picture.h"
#include "tests/view/mouse_driver.h"
#include "tests/view/puzzle_moves.h"
#include "tests/view/view_under_test.h"

namespace {

class InitialUpdateTest : public ViewTest {};

TEST_F(InitialUpdateTest, ASecondInitialUpdateKeepsThePuzzleOnScreen) {
  Generate(kSeed);
  const QImage before = Picture();
  const int groups = view->Pieces().GroupCount();

  view->OnInitialUpdate();

  EXPECT_EQ(view->Pieces().GroupCount(), groups);
  EXPECT_EQ(Picture(), before);
}

// The drag's surfaces are made once: a New in the middle of a drag leaves its layers,
// and the next frame still shows the dragged group.
TEST_F(InitialUpdateTest, ASecondInitialUpdateKeepsTheDragSurfaces) {
  Generate(kSeed);
  MouseDriver mouse(view->viewport());
  const wendrel::PieceSet& pieces = view->Pieces();
  const QPoint at = GrabPoints(pieces, 2, QRect(QPoint(0, 0), view->viewport()->size()), 3).front();
  const QPoint away =
      GrabPoints(pieces, 9, QRect(QPoint(0, 0), view->viewport()->size()), 3).front();
  const std::optional<int> awayPiece = ModelPicture(pieces).TopPieceAt(away);
  mouse.Press(Qt::LeftButton, at);
  const QRgb dragged = PieceRgb(*ModelPicture(pieces).TopPieceAt(at));

  view->OnInitialUpdate();
  mouse.Move(at + QPoint(0, 1));

  const QImage frame = Picture();
  EXPECT_EQ(PixelAtLogical(frame, at + QPoint(0, 1)), dragged);
  EXPECT_EQ(PixelAtLogical(frame, away), PieceRgb(*awayPiece));
}

TEST_F(InitialUpdateTest, TheScrollSizesComeBackAfterEachInitialUpdate) {
  view->resize(400, 300);
  view->OnInitialUpdate();
  EXPECT_EQ(view->horizontalScrollBar()->maximum(), 960 - view->viewport()->width());
  EXPECT_EQ(view->verticalScrollBar()->maximum(), 800 - view->viewport()->height());
}

}  // namespace

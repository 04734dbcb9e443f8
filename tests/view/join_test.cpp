#include <gtest/gtest.h>

#include "tests/view/mouse_driver.h"
#include "tests/view/puzzle_moves.h"
#include "tests/view/puzzle_player.h"
#include "tests/view/view_under_test.h"

using wendrel::DPoint;
using wendrel::PieceSet;

namespace {

class JoinTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    Generate(kSeed);
  }
  // Piece 0's neighbours turned and mirrored as piece 0 by clicks; the first one that
  // could be.
  int MatchedNeighbour(PuzzlePlayer& player) {
    const PieceSet& pieces = view->Pieces();
    for (int p = 1; p < pieces.PieceCount(); ++p) {
      if (!pieces.PiecesAdjacent(0, p))
        continue;
      for (int clicks = 0; clicks < 8 && player.TurnTowards(p, 0); ++clicks) {
      }
      const wendrel::PieceGroup& a = pieces.Group(GroupOf(pieces, 0));
      const wendrel::PieceGroup& b = pieces.Group(GroupOf(pieces, p));
      if (a.rotation == b.rotation && a.flipped == b.flipped)
        return p;
    }
    ADD_FAILURE() << "no neighbour of piece 0 could be matched";
    return -1;
  }
  std::vector<DPoint> VerticesOfPiece(int piece) const {
    const PieceSet& pieces = view->Pieces();
    std::vector<DPoint> v;
    const wendrel::Piece& pc = pieces.PieceAt(piece);
    for (int i = 0; i < pc.count; ++i) {
      const wendrel::Triangle& t = pieces.Placed(pc.TriangleAt(i));
      v.insert(v.end(), {t.a, t.b, t.c});
    }
    return v;
  }
};

TEST_F(JoinTest, AFittingDropJoinsAndSnapsWhileTheDraggedGroupStaysPut) {
  MouseDriver mouse(view->viewport());
  PuzzlePlayer player(*view, mouse);
  const int neighbour = MatchedNeighbour(player);
  ASSERT_NE(neighbour, -1);
  const PieceSet& pieces = view->Pieces();
  const int groups = pieces.GroupCount();
  // Missed by 3 right and 4 up: 5 units, inside the join distance.
  const DPoint shift = SolvedDisplacement(pieces, GroupOf(pieces, neighbour), GroupOf(pieces, 0));
  const DPoint travel{std::round(shift.x) + 3, std::round(shift.y) + 4};
  std::vector<DPoint> expected = VerticesOfPiece(neighbour);
  for (DPoint& v : expected)
    v = DPoint{v.x + travel.x, v.y + travel.y};

  ASSERT_TRUE(player.DropNextTo(neighbour, 0, QPoint(3, 4)));

  ASSERT_EQ(pieces.GroupCount(), groups - 1);
  EXPECT_EQ(GroupOf(pieces, neighbour), 0);
  EXPECT_EQ(GroupOf(pieces, 0), 0);
  const std::vector<DPoint> dropped = VerticesOfPiece(neighbour);
  for (size_t i = 0; i < dropped.size(); ++i) {
    EXPECT_NEAR(dropped[i].x, expected[i].x, 1e-6);
    EXPECT_NEAR(dropped[i].y, expected[i].y, 1e-6);
  }
  // The partner moved the rest of the way: every triangle of the group is where one
  // placement of the solved puzzle puts it.
  const wendrel::PieceGroup& group = pieces.Group(0);
  for (const int t : TrianglesOf(pieces, 0)) {
    const DPoint home = pieces.Home(t).a;
    const DPoint placed = PieceSet::PlacedPoint(group, home);
    EXPECT_NEAR(pieces.Placed(t).a.x, placed.x, 1e-6) << t;
    EXPECT_NEAR(pieces.Placed(t).a.y, placed.y, 1e-6) << t;
  }
  EXPECT_TRUE(services.messages.empty());
  ExpectPictureShowsModel();
}

TEST_F(JoinTest, ADropBeyondTheJoinDistanceDoesNotJoin) {
  MouseDriver mouse(view->viewport());
  PuzzlePlayer player(*view, mouse);
  const int neighbour = MatchedNeighbour(player);
  ASSERT_NE(neighbour, -1);
  const int groups = view->Pieces().GroupCount();

  ASSERT_TRUE(player.DropNextTo(neighbour, 0, QPoint(11, 0)));

  EXPECT_EQ(view->Pieces().GroupCount(), groups);
}

TEST_F(JoinTest, ADroppedGroupLiesOnTopOfTheGroupItCovers) {
  MouseDriver mouse(view->viewport());
  const PieceSet& pieces = view->Pieces();
  const QRect visible(QPoint(0, 0), view->viewport()->size());
  const QPoint from = GrabPoints(pieces, 4, visible, 3).front();
  const QPoint onto = GrabPoints(pieces, 1, visible, 3).front();
  const int dragged = pieces.Group(4).pieces[0];
  const int covered = pieces.Group(1).pieces[0];
  const QRgb colour = PixelAtLogical(Picture(), from);

  mouse.Drag(from, onto);

  ASSERT_NE(GroupOf(pieces, dragged), GroupOf(pieces, covered));
  EXPECT_EQ(pieces.HitGroup(onto.x(), onto.y()), GroupOf(pieces, dragged));
  EXPECT_EQ(PixelAtLogical(Picture(), onto), colour);
}

}  // namespace

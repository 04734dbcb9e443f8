#include <gtest/gtest.h>

#include <vector>

#include "assembly/group_order.h"
#include "assembly/piece_set.h"
#include "tests/assembly/group_checks.h"
#include "tests/assembly/hand_made_puzzle.h"

namespace wendrel {
namespace {

using testing::GroupVertices;
using testing::RowOfSquares;
using testing::SetPlacement;

TEST(RotateGroupBack, UndoesARightClickTurnExactlyMirroredOrNot) {
  for (const int flipped : {0, 1}) {
    PieceSet set;
    RowOfSquares(2).LoadAtHome(set);
    SetPlacement(set, 0, {37.5, -12.25}, 0, flipped);
    const std::vector<DPoint> before = GroupVertices(set, 0);

    set.RotateGroup(0);
    set.RotateGroupBack(0);
    EXPECT_EQ(set.Group(0).rotation, 0);
    // The turn back from step 0 goes round to 11 and comes back again.
    set.RotateGroupBack(0);
    EXPECT_EQ(set.Group(0).rotation, flipped ? 11 : 1);
    set.RotateGroup(0);

    EXPECT_EQ(set.Group(0).rotation, 0);
    EXPECT_EQ(set.Group(0).flipped, flipped);
    const std::vector<DPoint> after = GroupVertices(set, 0);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
      EXPECT_EQ(after[i].x, before[i].x) << i;
      EXPECT_EQ(after[i].y, before[i].y) << i;
    }
  }
}

TEST(RotateGroupBack, ThreeStepsTurnAQuarterCounterClockwiseOnTheScreen) {
  for (const int flipped : {0, 1}) {
    PieceSet set;
    RowOfSquares(1).LoadAtHome(set);
    SetPlacement(set, 0, {0, 0}, 0, flipped);
    // A corner as the screen shows it from the pivot: y runs down.
    const auto onScreen = [&] { return DPoint{set.Placed(0).b.x, -set.Placed(0).b.y}; };
    const DPoint before = onScreen();
    for (int step = 0; step < 3; ++step)
      set.RotateGroupBack(0);
    // With y down, a quarter turn counter-clockwise takes (x, y) to (y, -x).
    const DPoint after = onScreen();
    EXPECT_NEAR(after.x, before.y, 1e-9) << "flipped " << flipped;
    EXPECT_NEAR(after.y, -before.x, 1e-9) << "flipped " << flipped;
  }
}

// Four squares, joined into groups {2, 0} and {3}, {1}, with the table reordered so that
// the table order differs from the order of lowest pieces.
class FourSquares : public ::testing::Test {
 protected:
  void SetUp() override {
    RowOfSquares(4).LoadAtHome(set);
    GroupTable& table = set.Groups();
    table.RaiseToFront(2);  // [2, 0, 1, 3]
    table.Merge(0, 1);      // [2+0, 1, 3]
    table.RaiseToFront(2);  // [3, 2+0, 1]
  }
  PieceSet set;
};

TEST_F(FourSquares, AGroupIsFoundByAnyOfItsPieces) {
  const GroupTable& table = set.Groups();
  EXPECT_EQ(GroupHolding(table, 3), 0);
  EXPECT_EQ(GroupHolding(table, 2), 1);
  EXPECT_EQ(GroupHolding(table, 0), 1);
  EXPECT_EQ(GroupHolding(table, 1), 2);
  EXPECT_EQ(GroupHolding(table, 4), -1);
  EXPECT_EQ(LowestPiece(table.groups[1]), 0);
}

TEST_F(FourSquares, TheWalkGoesByLowestPieceAndRoundFromTheEnd) {
  const GroupTable& table = set.Groups();
  // Lowest pieces: group 1 has 0, group 2 has 1, group 0 has 3.
  EXPECT_EQ(NextGroupInPieceOrder(table, -1, false), 1);
  EXPECT_EQ(NextGroupInPieceOrder(table, 1, false), 2);
  EXPECT_EQ(NextGroupInPieceOrder(table, 2, false), 0);
  EXPECT_EQ(NextGroupInPieceOrder(table, 0, false), 1);

  EXPECT_EQ(NextGroupInPieceOrder(table, -1, true), 0);
  EXPECT_EQ(NextGroupInPieceOrder(table, 0, true), 2);
  EXPECT_EQ(NextGroupInPieceOrder(table, 2, true), 1);
  EXPECT_EQ(NextGroupInPieceOrder(table, 1, true), 0);
}

TEST(GroupOrder, AnEmptyTableHasNoGroupToWalkTo) {
  const GroupTable table;
  EXPECT_EQ(NextGroupInPieceOrder(table, -1, false), -1);
  EXPECT_EQ(NextGroupInPieceOrder(table, -1, true), -1);
  EXPECT_EQ(GroupHolding(table, 0), -1);
}

TEST(GroupOrder, OneGroupIsItsOwnNextAndPrevious) {
  PieceSet set;
  RowOfSquares(2).LoadAtHome(set);
  set.Groups().Merge(0, 1);
  EXPECT_EQ(NextGroupInPieceOrder(set.Groups(), 0, false), 0);
  EXPECT_EQ(NextGroupInPieceOrder(set.Groups(), 0, true), 0);
}

}  // namespace
}  // namespace wendrel

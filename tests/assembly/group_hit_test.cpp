#include <gtest/gtest.h>

#include "assembly/piece_set.h"
#include "tests/assembly/group_checks.h"
#include "tests/assembly/hand_made_puzzle.h"

namespace wendrel {
namespace {

using testing::RowOfSquares;
using testing::SetPlacement;

// The logical point of the view that shows the model point (x, y).
int LogicalX(int x) {
  return x + PieceSet::kOriginX;
}
int LogicalY(int y) {
  return PieceSet::kOriginY - y;
}

// Square pieces of side 30 side by side at home: piece k covers [30k, 30k + 30] x [0, 30],
// cut along the diagonal from (30k, 0) to (30k + 30, 30).
class SquaresAtHome : public ::testing::Test {
 protected:
  void Load(int n) { RowOfSquares(n).LoadAtHome(set); }
  int HitModel(int x, int y) const { return set.HitGroup(LogicalX(x), LogicalY(y)); }
  PieceSet set;
};

TEST_F(SquaresAtHome, APointInsideAPieceFindsItsGroup) {
  Load(1);
  EXPECT_EQ(HitModel(10, 5), 0);
  EXPECT_EQ(HitModel(5, 25), 0);
}

TEST_F(SquaresAtHome, LogicalYRunsDownwardsFromTheModelOrigin) {
  Load(1);
  EXPECT_EQ(set.HitGroup(PieceSet::kOriginX + 10, PieceSet::kOriginY - 25), 0);
  EXPECT_EQ(set.HitGroup(PieceSet::kOriginX + 10, PieceSet::kOriginY + 5), -1);
}

TEST_F(SquaresAtHome, APointOnTheSideSharedByTwoTrianglesIsInside) {
  Load(1);
  EXPECT_EQ(set.PieceContains(LogicalX(15), LogicalY(15), 0, 0), 1);
  EXPECT_EQ(HitModel(15, 15), 0);
}

TEST_F(SquaresAtHome, APointOnAVertexIsInside) {
  Load(1);
  EXPECT_EQ(HitModel(0, 0), 0);
  EXPECT_EQ(HitModel(30, 30), 0);
  EXPECT_EQ(HitModel(0, 30), 0);
}

TEST_F(SquaresAtHome, APointBesideEveryPieceFindsNoGroup) {
  Load(1);
  EXPECT_EQ(HitModel(31, 15), -1);
  EXPECT_EQ(HitModel(15, -1), -1);
  EXPECT_EQ(set.PieceContains(LogicalX(31), LogicalY(15), 0, 0), 0);
}

TEST_F(SquaresAtHome, AMirroredGroupIsFoundWithTheClockwiseTest) {
  Load(1);
  set.FlipGroup(0);
  const int x = LogicalX(10), y = LogicalY(5);
  EXPECT_EQ(set.HitGroup(x, y), 0);
  EXPECT_EQ(set.PieceContains(x, y, 0, 1), 1);
  // Its triangles now run clockwise, so the anticlockwise test misses them.
  EXPECT_EQ(set.PieceContains(x, y, 0, 0), 0);
}

TEST_F(SquaresAtHome, WhereGroupsMeetOrOverlapTheFrontMostIsFound) {
  Load(2);
  EXPECT_EQ(HitModel(30, 15), 0);  // the side the two squares share
  SetPlacement(set, 1, set.Group(0).position, 0, 0);
  EXPECT_EQ(HitModel(10, 5), 0);
  set.Groups().RaiseToFront(1);
  ASSERT_EQ(HitModel(10, 5), 0);
  EXPECT_EQ(set.Group(0).pieces[0], 1);
}

TEST_F(SquaresAtHome, AGroupBehindIsFoundWhereNothingCoversIt) {
  Load(2);
  EXPECT_EQ(HitModel(45, 15), 1);
}

}  // namespace
}  // namespace wendrel

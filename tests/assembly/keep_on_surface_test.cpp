#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "assembly/piece_set.h"
#include "tests/assembly/group_checks.h"
#include "tests/assembly/hand_made_puzzle.h"

namespace wendrel {
namespace {

using testing::GroupVertices;
using testing::HandMadePuzzle;
using testing::IsRigidCopyOfHome;
using testing::RowOfSquares;
using testing::SetPlacement;

// The model rectangle that the 960 x 800 surface shows, and the one 10 units inside it.
constexpr double kLeft = -460, kRight = 500, kBottom = -450, kTop = 350;
constexpr double kInset = 10;

// Whether some click in area reaches group g.
bool ReachableByAClick(const PieceSet& set, int g, const PlayArea& area = PieceSet::kSurfaceArea) {
  for (int y = area.top; y <= area.bottom; ++y) {
    for (int x = area.left; x <= area.right; ++x) {
      if (set.HitGroup(x, y) == g)
        return true;
    }
  }
  return false;
}

// The distance from v to the rectangle 10 units inside the surface.
double DistanceToInset(DPoint v) {
  const double dx = std::max({kLeft + kInset - v.x, 0.0, v.x - (kRight - kInset)});
  const double dy = std::max({kBottom + kInset - v.y, 0.0, v.y - (kTop - kInset)});
  return std::hypot(dx, dy);
}

TEST(SurfaceConstants, DescribeTheViewsSurfaceAroundTheModelOrigin) {
  EXPECT_EQ(-PieceSet::kOriginX, kLeft);
  EXPECT_EQ(PieceSet::kSurfaceWidth - PieceSet::kOriginX, kRight);
  EXPECT_EQ(PieceSet::kOriginY - PieceSet::kSurfaceHeight, kBottom);
  EXPECT_EQ(PieceSet::kOriginY, kTop);
  EXPECT_EQ(PieceSet::kSurfaceMargin, kInset);
  EXPECT_EQ(PieceSet::kSurfaceArea, (PlayArea{0, 0, 960, 800}));
}

struct OffSurfaceCase {
  std::string name;
  DPoint position;   // of a square of side 30 about its centre
  DPoint direction;  // the signs of the move that brings it back

  friend void PrintTo(const OffSurfaceCase& c, std::ostream* os) { *os << c.name; }
};

int Sign(double v) {
  return (v > 0) - (v < 0);
}

class OffSurface : public ::testing::TestWithParam<OffSurfaceCase> {};

TEST_P(OffSurface, AGroupWhollyOffIsMovedTheLeastDistanceToTenUnitsInside) {
  PieceSet set;
  RowOfSquares(1).LoadAtHome(set);
  // Turned by 60 degrees, the square reaches about 20.5 units from its centre.
  SetPlacement(set, 0, GetParam().position, 2, 1);
  const auto before = GroupVertices(set, 0);
  ASSERT_FALSE(ReachableByAClick(set, 0));

  EXPECT_TRUE(set.KeepOnSurface(0, PieceSet::kSurfaceArea));
  const auto after = GroupVertices(set, 0);
  EXPECT_EQ(set.Group(0).rotation, 2);
  EXPECT_EQ(set.Group(0).flipped, 1);
  EXPECT_TRUE(IsRigidCopyOfHome(set, 0));
  const DPoint moved{after[0].x - before[0].x, after[0].y - before[0].y};
  EXPECT_EQ(Sign(moved.x), Sign(GetParam().direction.x));
  EXPECT_EQ(Sign(moved.y), Sign(GetParam().direction.y));
  double leastMove = 1e9, nearestAfter = 1e9;
  for (std::size_t i = 0; i < after.size(); ++i) {
    EXPECT_NEAR(after[i].x - before[i].x, moved.x, 1e-9);
    EXPECT_NEAR(after[i].y - before[i].y, moved.y, 1e-9);
    leastMove = std::min(leastMove, DistanceToInset(before[i]));
    nearestAfter = std::min(nearestAfter, DistanceToInset(after[i]));
  }
  EXPECT_NEAR(std::hypot(moved.x, moved.y), leastMove, 1e-9);
  EXPECT_NEAR(nearestAfter, 0.0, 1e-9);
  EXPECT_TRUE(ReachableByAClick(set, 0));
}

INSTANTIATE_TEST_SUITE_P(Square, OffSurface,
                         ::testing::Values(OffSurfaceCase{"Right", {540, 0}, {-1, 0}},
                                           OffSurfaceCase{"Left", {-500, 100}, {1, 0}},
                                           OffSurfaceCase{"Above", {0, 400}, {0, -1}},
                                           OffSurfaceCase{"Below", {-200, -490}, {0, 1}},
                                           OffSurfaceCase{"AboveLeft", {-500, 400}, {1, -1}},
                                           OffSurfaceCase{"BelowRight", {540, -490}, {-1, 1}},
                                           OffSurfaceCase{"FarAway", {5000, -3000}, {-1, 1}}),
                         [](const ::testing::TestParamInfo<OffSurfaceCase>& info) {
                           return info.param.name;
                         });

TEST(KeepOnSurface, AGroupIsInReachOnlyWithAVertexTheMarginInside) {
  PieceSet set;
  RowOfSquares(1).LoadAtHome(set);
  // The square covers x from position - 15 to position + 15; the surface ends at 500.
  // With its left side 10 inside the group stays exactly where it is; with it on the
  // border it can be neither seen nor clicked, and comes in to the margin.
  SetPlacement(set, 0, {505, 0}, 0, 0);
  const auto before = GroupVertices(set, 0);
  EXPECT_FALSE(set.KeepOnSurface(0, PieceSet::kSurfaceArea));
  EXPECT_EQ(GroupVertices(set, 0), before);
  SetPlacement(set, 0, {515, 0}, 0, 0);
  EXPECT_TRUE(set.KeepOnSurface(0, PieceSet::kSurfaceArea));
  EXPECT_EQ(set.Group(0).position, (DPoint{505, 0}));
}

TEST(KeepOnSurface, AGroupWithoutTrianglesIsLeftAlone) {
  HandMadePuzzle puzzle;
  puzzle.AddPiece({});
  PieceSet set;
  puzzle.LoadAtHome(set);
  set.Groups().groups[0].position = DPoint{2000, 2000};
  set.KeepOnSurface(0, PieceSet::kSurfaceArea);
  EXPECT_EQ(set.Group(0).position, (DPoint{2000, 2000}));
}

TEST(KeepOnSurface, BringsBackAGroupThatATurnSwungOffTheSurface) {
  PieceSet set;
  RowOfSquares(4).LoadAtHome(set);
  for (int k = 0; k < 3; ++k)
    set.Groups().Merge(0, 1);
  set.ComputeGroupCentre(0);
  // A bar 120 long about its middle, reaching onto the surface from the right; the
  // second turn swings its near end off.
  SetPlacement(set, 0, {545, 0}, 0, 0);
  set.RotateGroup(0);
  set.KeepOnSurface(0, PieceSet::kSurfaceArea);
  ASSERT_EQ(set.Group(0).position, (DPoint{545, 0}));
  ASSERT_TRUE(ReachableByAClick(set, 0));
  set.RotateGroup(0);
  ASSERT_FALSE(ReachableByAClick(set, 0));
  set.KeepOnSurface(0, PieceSet::kSurfaceArea);
  EXPECT_TRUE(ReachableByAClick(set, 0));
  EXPECT_EQ(set.Group(0).rotation, 10);
}

TEST(KeepOnSurface, BringsBackAGroupThatAMirrorSwungOffTheSurface) {
  HandMadePuzzle puzzle;
  puzzle.AddSquare(0, 0, 30);
  // A square cut into four triangles about its middle pulls the pivot towards itself.
  const DPoint m{105, 15};
  puzzle.AddPiece(
      {puzzle.AddTriangle({90, 0}, {120, 0}, m), puzzle.AddTriangle({120, 0}, {120, 30}, m),
       puzzle.AddTriangle({120, 30}, {90, 30}, m), puzzle.AddTriangle({90, 30}, {90, 0}, m)});
  PieceSet set;
  puzzle.LoadAtHome(set);
  set.Groups().Merge(0, 1);
  set.ComputeGroupCentre(0);
  ASSERT_EQ(set.Group(0).centre, (DPoint{75, 15}));
  // The group covers x from 495 to 615; mirrored about x = 570, from 525 to 645.
  SetPlacement(set, 0, {570, 0}, 0, 0);
  ASSERT_TRUE(ReachableByAClick(set, 0));
  set.FlipGroup(0);
  ASSERT_FALSE(ReachableByAClick(set, 0));
  set.KeepOnSurface(0, PieceSet::kSurfaceArea);
  EXPECT_TRUE(ReachableByAClick(set, 0));
  EXPECT_NEAR(set.Group(0).position.x, 570 - 35, 1e-9);
}

TEST(KeepOnSurface, NeverJoinsEvenWhenItBringsAGroupIntoItsSolvedPlace) {
  PieceSet set;
  RowOfSquares(2).LoadAtHome(set);
  // Group 0 belongs 30 units left of group 1, at x = 505: where it will be brought.
  SetPlacement(set, 1, {535, 15}, 0, 0);
  SetPlacement(set, 0, {540, 15}, 0, 0);
  set.KeepOnSurface(0, PieceSet::kSurfaceArea);
  EXPECT_NEAR(set.Group(0).position.x, 505, 1e-9);
  EXPECT_EQ(set.GroupCount(), 2);
  EXPECT_EQ(set.FindJoinPartner(0), 1);
}

// A window larger than the surface shows more of the plane; the player reaches all of it.
constexpr PlayArea kLargeWindow{0, 0, 1900, 1150};

TEST(KeepOnSurface, AGroupInALargeWindowBeyondTheSurfaceStaysWhereItIs) {
  PieceSet set;
  RowOfSquares(1).LoadAtHome(set);
  // Logical x from 1025 to 1055: off the surface, well inside the window.
  SetPlacement(set, 0, {580, 0}, 0, 0);
  const auto before = GroupVertices(set, 0);
  EXPECT_FALSE(set.KeepOnSurface(0, kLargeWindow));
  EXPECT_EQ(GroupVertices(set, 0), before);
  EXPECT_TRUE(ReachableByAClick(set, 0, kLargeWindow));
}

TEST(KeepOnSurface, AGroupBeyondALargeWindowComesBackTenUnitsInsideItsBorder) {
  PieceSet set;
  RowOfSquares(1).LoadAtHome(set);
  // The square spans model x from 1500 to 1530, y from -900 to -870: beyond the right
  // and bottom borders (model x 1440, y -800).
  SetPlacement(set, 0, {1515, -885}, 0, 0);
  EXPECT_TRUE(set.KeepOnSurface(0, kLargeWindow));
  EXPECT_NEAR(set.Group(0).position.x, 1515 - 70, 1e-9);
  EXPECT_NEAR(set.Group(0).position.y, -885 + 80, 1e-9);
  EXPECT_TRUE(ReachableByAClick(set, 0, kLargeWindow));
  EXPECT_FALSE(ReachableByAClick(set, 0));
}

TEST(KeepOnSurface, AnAreaNarrowerThanTwoMarginsBringsTheGroupToItsMiddleLine) {
  PieceSet set;
  RowOfSquares(1).LoadAtHome(set);
  SetPlacement(set, 0, {0, 200}, 0, 0);
  // Six units wide: logical x from 600 to 606, model x from 140 to 146.
  EXPECT_TRUE(set.KeepOnSurface(0, PlayArea{600, 0, 606, 800}));
  // The nearest vertex, on the square's right side, lands on the middle line.
  const auto after = GroupVertices(set, 0);
  const double right =
      std::max_element(after.begin(), after.end(), [](DPoint a, DPoint b) { return a.x < b.x; })->x;
  EXPECT_NEAR(right, 143, 1e-9);
  EXPECT_NEAR(set.Group(0).position.y, 200, 1e-9);
}

}  // namespace
}  // namespace wendrel

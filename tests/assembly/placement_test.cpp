#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "assembly/piece_set.h"
#include "tests/assembly/generated_puzzle.h"
#include "tests/assembly/group_checks.h"
#include "tests/assembly/hand_made_puzzle.h"

namespace wendrel {
namespace {

using testing::GroupVertices;
using testing::HandMadePuzzle;
using testing::IsRigidCopyOfHome;
using testing::RowOfSquares;
using testing::SetPlacement;

constexpr double kRounding = 1e-12;

void ExpectNear(DPoint actual, DPoint expected) {
  EXPECT_NEAR(actual.x, expected.x, kRounding);
  EXPECT_NEAR(actual.y, expected.y, kRounding);
}

std::vector<Triangle> AllPlaced(const PieceSet& set) {
  std::vector<Triangle> placed;
  for (int t = 0; t < set.PlacedCount(); ++t)
    placed.push_back(set.Placed(t));
  return placed;
}

// One triangle with corners (1, 0) and (0, 1) and its centroid at the origin.
class QuarterTurnExample : public ::testing::Test {
 protected:
  void SetUp() override {
    HandMadePuzzle puzzle;
    puzzle.AddPiece({puzzle.AddTriangle({1, 0}, {0, 1}, {-1, -1})});
    puzzle.LoadAtHome(set);
    ASSERT_EQ(set.Group(0).centre, DPoint{});
  }
  PieceSet set;
};

TEST_F(QuarterTurnExample, ThreeStepsTurnAQuarterAnticlockwiseAboutThePivot) {
  SetPlacement(set, 0, {10, 0}, 3, 0);
  ExpectNear(set.Placed(0).a, {10, 1});
  ExpectNear(set.Placed(0).b, {9, 0});
}

TEST_F(QuarterTurnExample, TheMirrorFollowsTheTurnInTheVerticalThroughThePosition) {
  SetPlacement(set, 0, {10, 0}, 3, 1);
  ExpectNear(set.Placed(0).a, {10, 1});
  ExpectNear(set.Placed(0).b, {11, 0});
}

TEST_F(QuarterTurnExample, PlacingKeepsTheHomeCentroid) {
  const DPoint home = set.Placed(0).centroid;
  SetPlacement(set, 0, {10, 0}, 3, 1);
  EXPECT_EQ(set.Placed(0).centroid, home);
}

// The puzzle of seed 11 as Generate leaves it: scattered with turns and mirrors.
class ScatteredPuzzle : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(puzzle.Generate(11, set)); }
  testing::GeneratedPuzzle puzzle;
  PieceSet set;
};

TEST_F(ScatteredPuzzle, EveryGroupIsARigidCopyOfItsHomeTriangles) {
  for (int g = 0; g < set.GroupCount(); ++g)
    EXPECT_TRUE(IsRigidCopyOfHome(set, g));
}

TEST_F(ScatteredPuzzle, TwelveTurnsRestoreEveryVertexExactly) {
  for (int g = 0; g < set.GroupCount(); ++g) {
    const auto before = AllPlaced(set);
    const int rotation = set.Group(g).rotation;
    for (int turn = 0; turn < 12; ++turn)
      set.RotateGroup(g);
    EXPECT_EQ(set.Group(g).rotation, rotation);
    EXPECT_EQ(AllPlaced(set), before) << "group " << g;
  }
}

TEST_F(ScatteredPuzzle, TwoMirrorsRestoreEveryVertexExactly) {
  for (int g = 0; g < set.GroupCount(); ++g) {
    const auto before = AllPlaced(set);
    set.FlipGroup(g);
    set.FlipGroup(g);
    EXPECT_EQ(AllPlaced(set), before) << "group " << g;
  }
}

TEST_F(ScatteredPuzzle, TurningMirroringOrMovingOneGroupLeavesTheOthersAlone) {
  const int g = 2;
  std::vector<std::vector<DPoint>> others;
  for (int h = 0; h < set.GroupCount(); ++h)
    others.push_back(GroupVertices(set, h));
  set.RotateGroup(g);
  set.FlipGroup(g);
  set.MoveGroup(g, 17, -4);
  for (int h = 0; h < set.GroupCount(); ++h) {
    if (h == g)
      continue;
    EXPECT_EQ(GroupVertices(set, h), others[h]) << "group " << h;
  }
  EXPECT_NE(GroupVertices(set, g), others[g]);
}

TEST_F(ScatteredPuzzle, MoveShiftsEveryVertexOfTheGroupByTheDisplacement) {
  const auto before = GroupVertices(set, 0);
  const DPoint position = set.Group(0).position;
  set.MoveGroup(0, 25, -40);
  EXPECT_EQ(set.Group(0).position, (DPoint{position.x + 25, position.y - 40}));
  const auto after = GroupVertices(set, 0);
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < after.size(); ++i) {
    EXPECT_NEAR(after[i].x, before[i].x + 25, 1e-9);
    EXPECT_NEAR(after[i].y, before[i].y - 40, 1e-9);
  }
}

// The angle of a vertex about the group's position, in degrees.
double AngleAboutPosition(const PieceGroup& group, DPoint v) {
  return std::atan2(v.y - group.position.y, v.x - group.position.x) * 180 / std::numbers::pi;
}

// How far the vertex turned, in degrees, between -180 and 180; negative is clockwise
// with y up, which the screen also shows clockwise.
double Turned(double before, double after) {
  return std::remainder(after - before, 360.0);
}

class TurnOnScreen : public ::testing::TestWithParam<int> {};

TEST_P(TurnOnScreen, EveryTurnIsThirtyDegreesClockwiseMirroredOrNot) {
  PieceSet set;
  RowOfSquares(1).LoadAtHome(set);
  SetPlacement(set, 0, {100, 50}, 4, GetParam());
  for (int turn = 0; turn < 12; ++turn) {
    const double before = AngleAboutPosition(set.Group(0), set.Placed(0).a);
    set.RotateGroup(0);
    const double after = AngleAboutPosition(set.Group(0), set.Placed(0).a);
    EXPECT_NEAR(Turned(before, after), -30.0, 1e-9) << "turn " << turn;
    EXPECT_TRUE(IsRigidCopyOfHome(set, 0));
  }
}

INSTANTIATE_TEST_SUITE_P(Group, TurnOnScreen, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::string(info.param ? "Mirrored" : "Unmirrored");
                         });

TEST(Mirror, ReflectsInTheVerticalThroughThePositionKeepingPivotAndTurn) {
  PieceSet set;
  RowOfSquares(3).LoadAtHome(set);
  set.Groups().Merge(0, 1);
  set.Groups().Merge(0, 1);
  set.ComputeGroupCentre(0);
  SetPlacement(set, 0, {-40, 20}, 5, 0);
  const auto before = GroupVertices(set, 0);
  set.FlipGroup(0);
  EXPECT_EQ(set.Group(0).position, (DPoint{-40, 20}));
  EXPECT_EQ(set.Group(0).rotation, 5);
  EXPECT_EQ(set.Group(0).flipped, 1);
  const auto after = GroupVertices(set, 0);
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < after.size(); ++i) {
    EXPECT_NEAR(after[i].x, -80 - before[i].x, 1e-9);
    EXPECT_NEAR(after[i].y, before[i].y, 1e-9);
  }
}

}  // namespace
}  // namespace wendrel

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "assembly/logical_mapping.h"
#include "assembly/piece_set.h"
#include "tests/assembly/group_checks.h"
#include "tests/assembly/hand_made_puzzle.h"

namespace wendrel {
namespace {

using testing::GroupVertices;
using testing::HandMadePuzzle;
using testing::IsRigidCopyOfHome;
using testing::Members;
using testing::PutInSolvedPlace;
using testing::RowOfSquares;
using testing::SetPlacement;

DPoint Midpoint(DPoint p, DPoint q) {
  return DPoint{(p.x + q.x) / 2, (p.y + q.y) / 2};
}

// Two squares side by side, neighbours: piece 0 covers [0, 30] x [0, 30] with its pivot
// at (15, 15), piece 1 covers [30, 60] x [0, 30] with its pivot at (45, 15). Triangle 0
// of piece 0 has the corners (0, 0), (30, 0), (30, 30); triangles 2 and 3 of piece 1
// start at (30, 0) and end at (30, 30).
class TwoNeighbours : public ::testing::Test {
 protected:
  void SetUp() override { RowOfSquares(2).LoadAtHome(set); }
  PieceSet set;
};

TEST_F(TwoNeighbours, InTheirSolvedPlaceTheSharedSideLinesUp) {
  SetPlacement(set, 0, {100, -50}, 5, 1);
  PutInSolvedPlace(set, 1, 0);
  EXPECT_NEAR(set.Placed(0).b.x, set.Placed(2).a.x, 1e-9);
  EXPECT_NEAR(set.Placed(0).b.y, set.Placed(2).a.y, 1e-9);
  EXPECT_NEAR(set.Placed(0).c.x, set.Placed(3).c.x, 1e-9);
  EXPECT_NEAR(set.Placed(0).c.y, set.Placed(3).c.y, 1e-9);
}

class JoinDistance : public TwoNeighbours, public ::testing::WithParamInterface<DPoint> {};

TEST_P(JoinDistance, APartnerWithinTenUnitsOfItsSolvedPlaceFits) {
  PutInSolvedPlace(set, 1, 0, GetParam());
  EXPECT_EQ(set.FindJoinPartner(0), 1);
}

INSTANTIATE_TEST_SUITE_P(UpToExactlyTen, JoinDistance,
                         ::testing::Values(DPoint{0, 0}, DPoint{0, 10}, DPoint{-10, 0},
                                           DPoint{6, -8}, DPoint{-8, 6}));

class BeyondJoinDistance : public TwoNeighbours, public ::testing::WithParamInterface<DPoint> {};

TEST_P(BeyondJoinDistance, APartnerFartherThanTenUnitsDoesNotFit) {
  PutInSolvedPlace(set, 1, 0, GetParam());
  EXPECT_EQ(set.FindJoinPartner(0), -1);
}

INSTANTIATE_TEST_SUITE_P(JustPastTen, BeyondJoinDistance,
                         ::testing::Values(DPoint{0, 10.001}, DPoint{-10.001, 0},
                                           DPoint{6.0006, -8.0008}));

TEST_F(TwoNeighbours, ADropLeavingThePartnerExactlyTenUnitsFromItsPlaceJoins) {
  set.MoveGroup(0, 200, 100);
  EXPECT_TRUE(set.DropFrontGroup(-200, -110));
  EXPECT_EQ(set.GroupCount(), 1);
}

TEST_F(TwoNeighbours, ADropLeavingThePartnerTenPointNoughtNoughtOneUnitsOffDoesNotJoin) {
  SetPlacement(set, 1, {45, 15 - 10.001}, 0, 0);
  EXPECT_FALSE(set.DropFrontGroup(0, 0));
  EXPECT_EQ(set.GroupCount(), 2);
}

class CommonTurnAndMirror : public TwoNeighbours,
                            public ::testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(CommonTurnAndMirror, GroupsInTheirSolvedPlaceJoin) {
  const auto [rotation, flipped] = GetParam();
  SetPlacement(set, 0, {-120, 60}, rotation, flipped);
  PutInSolvedPlace(set, 1, 0, {3, 2});
  EXPECT_EQ(set.FindJoinPartner(0), 1);
}

INSTANTIATE_TEST_SUITE_P(EveryStep, CommonTurnAndMirror,
                         ::testing::Combine(::testing::Range(0, 12), ::testing::Values(0, 1)));

TEST_F(TwoNeighbours, AnotherTurnStepDoesNotFitEvenInTheSolvedPlace) {
  SetPlacement(set, 0, {-120, 60}, 4, 0);
  PutInSolvedPlace(set, 1, 0);
  set.Groups().groups[1].rotation = 5;
  set.PlaceGroup(1, 5, 0);
  EXPECT_EQ(set.FindJoinPartner(0), -1);
}

TEST_F(TwoNeighbours, AMirroredAndAnUnmirroredGroupDoNotFitEvenInTheSolvedPlace) {
  SetPlacement(set, 0, {-120, 60}, 4, 1);
  PutInSolvedPlace(set, 1, 0);
  set.Groups().groups[1].flipped = 0;
  set.PlaceGroup(1, 4, 0);
  EXPECT_EQ(set.FindJoinPartner(0), -1);
}

TEST_F(TwoNeighbours, TheDraggedGroupStaysAndThePartnerSnapsExactlyIntoPlace) {
  SetPlacement(set, 0, {100, -50}, 7, 1);
  PutInSolvedPlace(set, 1, 0);
  const auto solvedPartner = GroupVertices(set, 1);
  PutInSolvedPlace(set, 1, 0, {3, -4});
  const auto dragged = GroupVertices(set, 0);

  ASSERT_TRUE(set.DropFrontGroup(0, 0));
  ASSERT_EQ(set.GroupCount(), 1);
  EXPECT_EQ(Members(set.Group(0)), (std::vector<int>{0, 1}));
  const auto after = GroupVertices(set, 0);
  ASSERT_EQ(after.size(), dragged.size() + solvedPartner.size());
  for (std::size_t i = 0; i < dragged.size(); ++i)
    EXPECT_EQ(after[i], dragged[i]);
  for (std::size_t i = 0; i < solvedPartner.size(); ++i) {
    EXPECT_NEAR(after[dragged.size() + i].x, solvedPartner[i].x, 1e-9);
    EXPECT_NEAR(after[dragged.size() + i].y, solvedPartner[i].y, 1e-9);
  }
  EXPECT_TRUE(IsRigidCopyOfHome(set, 0));
}

TEST_F(TwoNeighbours, AfterAJoinTheGroupTurnsAboutTheCentreOfAllItsPieces) {
  SetPlacement(set, 0, {100, -50}, 7, 1);
  PutInSolvedPlace(set, 1, 0, {-2, 5});
  ASSERT_TRUE(set.DropFrontGroup(0, 0));
  // The joint pivot is the middle of the shared side, from (30, 0) to (30, 30).
  EXPECT_EQ(set.Group(0).centre, (DPoint{30, 15}));
  const DPoint middle = Midpoint(set.Placed(0).b, set.Placed(0).c);
  EXPECT_NEAR(set.Group(0).position.x, middle.x, 1e-9);
  EXPECT_NEAR(set.Group(0).position.y, middle.y, 1e-9);
  set.RotateGroup(0);
  const DPoint turned = Midpoint(set.Placed(0).b, set.Placed(0).c);
  EXPECT_NEAR(turned.x, middle.x, 1e-9);
  EXPECT_NEAR(turned.y, middle.y, 1e-9);
}

TEST_F(TwoNeighbours, TurningIntoAFitDoesNotJoinOnlyADropDoes) {
  SetPlacement(set, 0, {-120, 60}, 1, 0);
  PutInSolvedPlace(set, 1, 0);
  SetPlacement(set, 0, {-120, 60}, 2, 0);
  set.RotateGroup(0);
  EXPECT_EQ(set.GroupCount(), 2);
  ASSERT_EQ(set.FindJoinPartner(0), 1);
  EXPECT_TRUE(set.DropFrontGroup(0, 0));
}

TEST_F(TwoNeighbours, MirroringIntoAFitDoesNotJoinOnlyADropDoes) {
  SetPlacement(set, 0, {-120, 60}, 3, 1);
  PutInSolvedPlace(set, 1, 0);
  SetPlacement(set, 0, {-120, 60}, 3, 0);
  set.FlipGroup(0);
  EXPECT_EQ(set.GroupCount(), 2);
  ASSERT_EQ(set.FindJoinPartner(0), 1);
  EXPECT_TRUE(set.DropFrontGroup(0, 0));
}

TEST(JoinWithoutSharedSide, PiecesThatAreNotNeighboursDoNotJoinInTheirSolvedPlace) {
  PieceSet set;
  RowOfSquares(3).LoadAtHome(set);
  set.MoveGroup(1, 0, 200);
  EXPECT_EQ(set.FindJoinPartner(0), -1);
  EXPECT_FALSE(set.DropFrontGroup(0, 0));
}

TEST(JoinWithoutSharedSide, SquaresTouchingOnlyAtACornerDoNotJoin) {
  HandMadePuzzle puzzle;
  puzzle.AddSquare(0, 0, 30);
  puzzle.AddSquare(30, 30, 30);
  PieceSet set;
  puzzle.LoadAtHome(set);
  EXPECT_EQ(set.FindJoinPartner(0), -1);
}

// Piece 0 with a neighbour on either side, piece 1 to its right and piece 3 to its
// left, and piece 2, nobody's neighbour, far away; all in their solved places.
class TwoFits : public ::testing::Test {
 protected:
  void SetUp() override {
    HandMadePuzzle puzzle;
    puzzle.AddSquare(30, 0, 30);
    puzzle.AddSquare(60, 0, 30);
    puzzle.AddSquare(300, 300, 30);
    puzzle.AddSquare(0, 0, 30);
    puzzle.MakeNeighbours(0, 1);
    puzzle.MakeNeighbours(0, 3);
    puzzle.LoadAtHome(set);
  }
  PieceSet set;
};

TEST_F(TwoFits, ADropThatFitsGroupsOneAndThreeJoinsGroupOneOnly) {
  set.MoveGroup(0, 100, 0);
  ASSERT_TRUE(set.DropFrontGroup(-100, 0));
  EXPECT_EQ(set.GroupCount(), 3);
  EXPECT_EQ(Members(set.Group(0)), (std::vector<int>{0, 1}));
  EXPECT_EQ(Members(set.Group(2)), (std::vector<int>{3}));
}

TEST_F(TwoFits, TheOtherFitJoinsAtTheNextDrop) {
  ASSERT_TRUE(set.DropFrontGroup(0, 0));
  ASSERT_TRUE(set.DropFrontGroup(0, 0));
  EXPECT_EQ(set.GroupCount(), 2);
  EXPECT_EQ(Members(set.Group(0)), (std::vector<int>{0, 1, 3}));
  EXPECT_FALSE(set.DropFrontGroup(0, 0));
}

TEST(Completion, AfterTheLastJoinOneGroupIsFoundOnEveryPiece) {
  PieceSet set;
  RowOfSquares(4).LoadAtHome(set);
  SetPlacement(set, 0, {-100, 100}, 3, 1);
  const DPoint offsets[] = {{2, 3}, {-4, 1}, {0, -5}};
  for (int g = 1; g < 4; ++g)
    PutInSolvedPlace(set, g, 0, offsets[g - 1]);
  for (int drop = 0; drop < 3; ++drop)
    ASSERT_TRUE(set.DropFrontGroup(0, 0)) << drop;
  ASSERT_EQ(set.GroupCount(), 1);
  EXPECT_TRUE(IsRigidCopyOfHome(set, 0));
  for (int p = 0; p < 4; ++p) {
    // The square's centre is the middle of its diagonal, corners a and c of triangle 2p.
    const DPoint centre = Midpoint(set.Placed(2 * p).a, set.Placed(2 * p).c);
    const LogicalPoint shown = ToLogical(centre);
    EXPECT_EQ(set.HitGroup(shown.x, shown.y), 0) << "piece " << p;
  }
}

}  // namespace
}  // namespace wendrel

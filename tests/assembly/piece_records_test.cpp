#include <gtest/gtest.h>

#include <vector>

#include "assembly/piece_set.h"
#include "tests/assembly/group_checks.h"

namespace wendrel {
namespace {

using testing::Members;

// A table whose group i holds the single piece `pieces[i]`, placed at (i, -i) with
// rotation i, so that whole records can be followed through a reordering.
GroupTable TableOf(std::initializer_list<int> pieces) {
  GroupTable table;
  table.Clear();
  for (const int p : pieces) {
    PieceGroup& group = table.groups[table.count];
    group.AddPiece(p);
    group.position = DPoint{static_cast<double>(table.count), -1.0 * table.count};
    group.rotation = table.count;
    ++table.count;
  }
  return table;
}

std::vector<std::vector<int>> Layout(const GroupTable& table) {
  std::vector<std::vector<int>> layout;
  for (int g = 0; g < table.count; ++g)
    layout.push_back(Members(table.groups[g]));
  return layout;
}

constexpr int A = 10, B = 11, C = 12, D = 13, E = 14;

TEST(Piece, TriangleAtGivesMinusOneOutsideItsList) {
  Piece piece;
  piece.triangles.At(300) = 7;
  EXPECT_EQ(piece.TriangleAt(300), 7);
  EXPECT_EQ(piece.TriangleAt(301), -1);
  EXPECT_EQ(piece.TriangleAt(-1), -1);
}

TEST(Piece, ResetZeroesEveryEntryAndKeepsTheListSize) {
  Piece piece;
  piece.triangles.At(2) = 5;
  piece.count = 3;
  piece.adjacent[4] = 1;
  piece.Reset();
  EXPECT_EQ(piece.count, 0);
  EXPECT_EQ(piece.adjacent[4], 0);
  EXPECT_EQ(piece.triangles.Size(), 256);
  EXPECT_EQ(piece.TriangleAt(2), 0);
}

TEST(Piece, CopyFromTakesTheRegionsTrianglesGrowingTheListButNotItsNeighbours) {
  PieceRegion region;
  for (int t = 0; t < 300; ++t)
    region.AddTriangle(1000 - t);
  region.adjacent[2] = 1;
  Piece piece;
  piece.CopyFrom(region);
  EXPECT_EQ(piece.count, 300);
  EXPECT_EQ(piece.TriangleAt(0), 1000);
  EXPECT_EQ(piece.TriangleAt(299), 701);
  EXPECT_EQ(piece.adjacent[2], 0);
}

TEST(PieceGroup, RotationStepsWrapRoundTwelve) {
  PieceGroup group;
  group.rotation = 11;
  group.RotateUp();
  EXPECT_EQ(group.rotation, 0);
  group.RotateDown();
  EXPECT_EQ(group.rotation, 11);
  group.RotateDown();
  EXPECT_EQ(group.rotation, 10);
}

TEST(PieceGroup, AddPieceAppendsInOrderAndIgnoresAPieceBeyondTwenty) {
  PieceGroup group;
  for (int p = 0; p < PieceGroup::kMaxPieces; ++p)
    group.AddPiece(100 + p);
  group.AddPiece(999);
  EXPECT_EQ(group.count, 20);
  EXPECT_EQ(group.pieces[0], 100);
  EXPECT_EQ(group.pieces[19], 119);
}

TEST(PieceGroup, ClearResetsThePlacementButLeavesMembersAndExpected) {
  PieceGroup group;
  group.AddPiece(4);
  group.centre = DPoint{1, 2};
  group.position = DPoint{3, 4};
  group.rotation = 5;
  group.flipped = 1;
  group.expected = DPoint{6, 7};
  group.Clear();
  EXPECT_EQ(group.count, 0);
  EXPECT_EQ(group.centre, DPoint{});
  EXPECT_EQ(group.position, DPoint{});
  EXPECT_EQ(group.rotation, 0);
  EXPECT_EQ(group.flipped, 0);
  EXPECT_EQ(group.pieces[0], 4);
  EXPECT_EQ(group.expected, (DPoint{6, 7}));
}

TEST(GroupTable, MakeSingletonsPutsPieceIInGroupI) {
  GroupTable table = TableOf({A, B, C});
  table.groups[1].AddPiece(D);
  table.MakeSingletons(2);
  EXPECT_EQ(Layout(table), (std::vector<std::vector<int>>{{0}, {1}}));
  EXPECT_EQ(table.groups[1].rotation, 0);
}

TEST(GroupTable, RaiseToFrontMovesOneGroupToIndexZeroKeepingTheOthersInOrder) {
  GroupTable table = TableOf({A, B, C, D, E});
  table.RaiseToFront(3);
  EXPECT_EQ(Layout(table), (std::vector<std::vector<int>>{{D}, {A}, {B}, {C}, {E}}));
  // Whole records move, placement included.
  EXPECT_EQ(table.groups[0].position, (DPoint{3, -3}));
  EXPECT_EQ(table.groups[0].rotation, 3);
  EXPECT_EQ(table.groups[3].rotation, 2);
}

TEST(GroupTable, RaiseToFrontOfTheFrontOrOfNoGroupChangesNothing) {
  GroupTable table = TableOf({A, B, C});
  const auto before = Layout(table);
  table.RaiseToFront(0);
  table.RaiseToFront(3);
  table.RaiseToFront(-1);
  EXPECT_EQ(Layout(table), before);
}

TEST(GroupTable, MergeIntoAnEarlierGroupAppendsAndClosesTheGap) {
  GroupTable table = TableOf({A, B, C, D});
  table.Merge(0, 2);
  EXPECT_EQ(Layout(table), (std::vector<std::vector<int>>{{A, C}, {B}, {D}}));
  // The merged group keeps its own placement; D's record moved forward whole.
  EXPECT_EQ(table.groups[0].rotation, 0);
  EXPECT_EQ(table.groups[2].position, (DPoint{3, -3}));
}

TEST(GroupTable, MergeIntoALaterGroupLeavesItOnePlaceForward) {
  GroupTable table = TableOf({A, B, C, D});
  table.Merge(3, 1);
  EXPECT_EQ(Layout(table), (std::vector<std::vector<int>>{{A}, {C}, {D, B}}));
  EXPECT_EQ(table.groups[2].rotation, 3);
}

TEST(GroupTable, MergeWithABadIndexOrWithItselfChangesNothing) {
  GroupTable table = TableOf({A, B, C});
  const auto before = Layout(table);
  table.Merge(1, 1);
  table.Merge(0, 3);
  table.Merge(3, 0);
  table.Merge(-1, 0);
  table.Merge(0, -1);
  EXPECT_EQ(Layout(table), before);
  EXPECT_EQ(table.count, 3);
}

TEST(GroupTable, MergingTheLastTwoGroupsOfTwentyPiecesGivesDraggedPiecesThenPartners) {
  GroupTable table;
  table.MakeSingletons(20);
  for (int p = 1; p < 12; ++p)
    table.Merge(0, 1);
  while (table.count > 2)
    table.Merge(1, 2);
  table.Merge(0, 1);
  ASSERT_EQ(table.count, 1);
  std::vector<int> expected;
  for (int p = 0; p < 20; ++p)
    expected.push_back(p);
  EXPECT_EQ(Members(table.groups[0]), expected);
}

}  // namespace
}  // namespace wendrel

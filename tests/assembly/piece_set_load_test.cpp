#include <gtest/gtest.h>

#include "assembly/piece_set.h"
#include "tests/assembly/generated_puzzle.h"
#include "tests/assembly/hand_made_puzzle.h"
#include "tests/assembly/printers.h"

namespace wendrel {
namespace {

using testing::GeneratedPuzzle;
using testing::HandMadePuzzle;
using testing::RowOfSquares;

TEST(PieceSetConstruction, StartsEmptyAndFindsNothing) {
  PieceSet set;
  EXPECT_EQ(set.GroupCount(), 0);
  EXPECT_EQ(set.PieceCount(), 0);
  EXPECT_EQ(set.PlacedCount(), 0);
  EXPECT_EQ(set.HitGroup(PieceSet::kOriginX, PieceSet::kOriginY), -1);
}

class LoadedGeneratedPuzzle : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(puzzle.Generate(7, set));
    puzzle.LoadAtHome(set);
  }
  GeneratedPuzzle puzzle;
  PieceSet set;
};

TEST_F(LoadedGeneratedPuzzle, EveryPieceIsAGroupOfItsOwnUnturnedAndUnmirrored) {
  const int n = puzzle.generator.pieceCount;
  ASSERT_GT(n, 1);
  EXPECT_EQ(set.PieceCount(), n);
  ASSERT_EQ(set.GroupCount(), n);
  for (int g = 0; g < n; ++g) {
    EXPECT_EQ(set.Group(g).count, 1);
    EXPECT_EQ(set.Group(g).pieces[0], g);
    EXPECT_EQ(set.Group(g).rotation, 0);
    EXPECT_EQ(set.Group(g).flipped, 0);
  }
}

TEST_F(LoadedGeneratedPuzzle, PiecesHoldTheirRegionsTriangles) {
  for (int p = 0; p < set.PieceCount(); ++p) {
    const PieceRegion& region = puzzle.generator.regions[p];
    ASSERT_EQ(set.PieceAt(p).count, region.count);
    for (int i = 0; i < region.count; ++i) {
      EXPECT_EQ(set.PieceAt(p).TriangleAt(i), region.TriangleAt(i));
    }
  }
}

TEST_F(LoadedGeneratedPuzzle, AtHomeEachPivotIsItsPositionAndTrianglesAreTheSolvedOnes) {
  const MeshTriangleList& source = puzzle.generator.triangles;
  ASSERT_EQ(set.PlacedCount(), source.count);
  for (int g = 0; g < set.GroupCount(); ++g) {
    EXPECT_EQ(set.Group(g).position, set.Group(g).centre);
  }
  for (int t = 0; t < source.count; ++t) {
    EXPECT_EQ(set.Placed(t), source.Get(t).tri);
    EXPECT_EQ(set.Home(t), source.Get(t).tri);
  }
}

TEST_F(LoadedGeneratedPuzzle, NeighboursAreThoseOfTheRegions) {
  for (int p = 0; p < set.PieceCount(); ++p) {
    for (int q = 0; q < set.PieceCount(); ++q) {
      EXPECT_EQ(set.PiecesAdjacent(p, q), puzzle.generator.regions[p].adjacent[q] != 0);
    }
  }
}

TEST_F(LoadedGeneratedPuzzle, ASmallerPuzzleLoadedLaterKeepsNothingOfTheLarger) {
  const int larger = set.PlacedCount();
  int neighbourOfPiece1 = -1;
  for (int q = 2; q < set.PieceCount() && neighbourOfPiece1 < 0; ++q) {
    if (set.PiecesAdjacent(1, q))
      neighbourOfPiece1 = q;
  }
  ASSERT_GE(neighbourOfPiece1, 2);

  RowOfSquares(2).LoadAtHome(set);
  EXPECT_EQ(set.PlacedCount(), 4);
  EXPECT_EQ(set.GroupCount(), 2);
  EXPECT_EQ(set.Placed(larger - 1), Triangle{});
  EXPECT_FALSE(set.PiecesAdjacent(1, neighbourOfPiece1));
}

TEST(PieceSetLoad, TakesNoMorePiecesThanTheTablesHold) {
  HandMadePuzzle puzzle = RowOfSquares(20);
  PieceSet set;
  set.Load(puzzle.triangles, puzzle.regions, 25);
  EXPECT_EQ(set.PieceCount(), 20);
  EXPECT_EQ(set.GroupCount(), 20);
}

TEST(GroupCentre, IsThePlainMeanOfTheHomeCentroidsNotWeightedByArea) {
  HandMadePuzzle puzzle;
  // A large triangle with centroid (0, 0) and a small one with centroid (3, 0).
  puzzle.AddPiece({puzzle.AddTriangle({-3, -3}, {6, -3}, {-3, 6}),
                   puzzle.AddTriangle({2, -1}, {4, -1}, {3, 2})});
  PieceSet set;
  puzzle.LoadAtHome(set);
  EXPECT_EQ(set.Group(0).centre, (DPoint{1.5, 0}));
}

TEST(GroupCentre, OfAMergedGroupWeighsEveryTriangleAlike) {
  HandMadePuzzle puzzle;
  puzzle.AddPiece({puzzle.AddTriangle({-1, -1}, {2, -1}, {-1, 2})});  // centroid (0, 0)
  // Three triangles with centroid (4, 0).
  puzzle.AddPiece({puzzle.AddTriangle({3, -1}, {5, -1}, {4, 2}),
                   puzzle.AddTriangle({4, -3}, {5, 0}, {3, 3}),
                   puzzle.AddTriangle({2, -1}, {7, -1}, {3, 2})});
  PieceSet set;
  puzzle.LoadAtHome(set);
  set.Groups().Merge(0, 1);
  set.ComputeGroupCentre(0);
  EXPECT_EQ(set.Group(0).centre, (DPoint{3, 0}));
}

TEST(GroupCentre, OfAGroupWithoutTrianglesLeavesThePivotWhereItWas) {
  HandMadePuzzle puzzle = RowOfSquares(1);
  puzzle.AddPiece({});
  PieceSet set;
  puzzle.LoadAtHome(set);
  set.Groups().groups[1].centre = DPoint{5, 7};
  set.ComputeGroupCentre(1);
  EXPECT_EQ(set.Group(1).centre, (DPoint{5, 7}));
  EXPECT_EQ(set.Group(0).centre, (DPoint{15, 15}));
}

}  // namespace
}  // namespace wendrel

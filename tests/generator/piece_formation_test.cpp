// Cutting a triangulation into piece regions, and the draw-without-replacement table
// that orders the seeds.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "generator/random_pool.h"
#include "tests/generator/generator_fixtures.h"

namespace wendrel {
namespace {

using fixtures::FindTriangle;
using fixtures::HandMadeMesh;
using fixtures::MakeOutline;
using fixtures::TriangleStrip;

// The value of the model's sequence from seed after `calls` draws. It reseeds.
int DrawAfter(unsigned seed, int calls) {
  wendrel::srand(seed);
  for (int i = 0; i < calls; ++i)
    wendrel::rand();
  return wendrel::rand();
}

// How many numbers of the model's sequence `action` drew: where the sequence stands
// afterwards, recognised by its next three values. -1 when more than 100.
template <typename Action>
int DrawsUsedBy(Action action) {
  constexpr unsigned kSeed = 4242;
  wendrel::srand(kSeed);
  action();
  const int next[3] = {wendrel::rand(), wendrel::rand(), wendrel::rand()};
  for (int used = 0; used <= 100; ++used) {
    if (DrawAfter(kSeed, used) == next[0] && DrawAfter(kSeed, used + 1) == next[1] &&
        DrawAfter(kSeed, used + 2) == next[2]) {
      return used;
    }
  }
  return -1;
}

std::vector<int> DrawAll(int draws) {
  std::vector<int> values;
  for (int i = 0; i < draws; ++i)
    values.push_back(RandomPool(0));
  return values;
}

std::vector<int> Iota(int n) {
  std::vector<int> values(n);
  for (int i = 0; i < n; ++i)
    values[i] = i;
  return values;
}

std::vector<int> Sorted(std::vector<int> values) {
  std::sort(values.begin(), values.end());
  return values;
}

// Region index (0-based) owning triangle t; -1 when none.
int OwnerOf(const PuzzleGenerator& gen, int t) {
  return gen.triangles.Get(t).piece - 1;
}

// Hands triangle t to region r as seeding and growth do.
void Give(PuzzleGenerator& gen, int r, int t) {
  gen.triangles.At(t).piece = r + 1;
  gen.regions[r].AddTriangle(t);
}

// ---------------------------------------------------------------------------------------
// The draw-without-replacement table

class RandomPoolTable : public ::testing::Test {
 protected:
  void SetUp() override { ResetRandomPool(); }
  void TearDown() override { ResetRandomPool(); }
};

TEST_F(RandomPoolTable, DrawBeforeAnyRefillGivesNothingAndUsesNoRandomNumber) {
  int result = 0;
  EXPECT_EQ(DrawsUsedBy([&] { result = RandomPool(0); }), 0);
  EXPECT_EQ(result, -1);
}

TEST_F(RandomPoolTable, RefillReturnsNothingAndUsesNoRandomNumber) {
  int result = 0;
  EXPECT_EQ(DrawsUsedBy([&] { result = RandomPool(5); }), 0);
  EXPECT_EQ(result, -1);
}

TEST_F(RandomPoolTable, ThreeDrawsAfterRefillingThreeArePermutationThenNothing) {
  for (unsigned seed = 0; seed < 20; ++seed) {
    wendrel::srand(seed);
    RandomPool(3);
    EXPECT_EQ(Sorted(DrawAll(3)), Iota(3)) << "seed " << seed;
    EXPECT_EQ(RandomPool(0), -1);
  }
}

TEST_F(RandomPoolTable, EachValueDrawnUsesOneRandomNumberAndAnEmptyTableNone) {
  RandomPool(3);
  EXPECT_EQ(DrawsUsedBy([] { DrawAll(5); }), 3);
}

TEST_F(RandomPoolTable, RefillAboveHundredHoldsOnlyZeroToNinetyNine) {
  wendrel::srand(3);
  EXPECT_EQ(RandomPool(150), -1);
  EXPECT_EQ(Sorted(DrawAll(100)), Iota(100));
  EXPECT_EQ(RandomPool(0), -1);
}

TEST_F(RandomPoolTable, DrawTakesTheRemainingValueAtTheRandomPositionAndClosesTheGap) {
  // The remaining values stay in ascending order, so draw j of a table of k values takes
  // the (rand() % k)-th smallest value not drawn yet.
  const unsigned seed = 1234;
  std::vector<int> remaining = Iota(10);
  std::vector<int> expected;
  wendrel::srand(seed);
  for (int k = 10; k > 0; --k) {
    const int j = wendrel::rand() % k;
    expected.push_back(remaining[j]);
    remaining.erase(remaining.begin() + j);
  }
  wendrel::srand(seed);
  RandomPool(10);
  EXPECT_EQ(DrawAll(10), expected);
}

TEST_F(RandomPoolTable, DrawsWithoutRefillContinueTheSamePermutation) {
  wendrel::srand(8);
  RandomPool(6);
  std::vector<int> values = DrawAll(2);
  const std::vector<int> rest = DrawAll(4);
  values.insert(values.end(), rest.begin(), rest.end());
  EXPECT_EQ(Sorted(values), Iota(6));
}

TEST_F(RandomPoolTable, RefillInTheMiddleStartsAFreshPermutation) {
  wendrel::srand(8);
  RandomPool(6);
  DrawAll(4);
  RandomPool(3);
  EXPECT_EQ(Sorted(DrawAll(3)), Iota(3));
  EXPECT_EQ(RandomPool(0), -1);
}

// ---------------------------------------------------------------------------------------
// The nearest free triangle

// Triangles with centroids at (0,0), (10,0), (-10,0) and (0,10), in that index order.
class NearestFreeTriangle : public ::testing::Test {
 protected:
  NearestFreeTriangle() {
    for (const DPoint c : {DPoint{0, 0}, DPoint{10, 0}, DPoint{-10, 0}, DPoint{0, 10}}) {
      list_.Append({c.x - 3, c.y - 3}, {c.x + 3, c.y - 3}, {c.x, c.y + 6}, 0, 0, 0, 0, 0, 0);
      EXPECT_EQ(list_.Get(list_.count - 1).tri.centroid, c) << "ties below rely on it";
    }
  }

  MeshTriangleList list_;
  int out_ = 12345;
};

TEST_F(NearestFreeTriangle, FindsTheTriangleWithTheNearestCentroid) {
  EXPECT_TRUE(list_.NearestFree(8, 1, out_));
  EXPECT_EQ(out_, 1);
  EXPECT_TRUE(list_.NearestFree(-1, 7, out_));
  EXPECT_EQ(out_, 3);
}

TEST_F(NearestFreeTriangle, EqualDistancesGoToTheLowerIndex) {
  EXPECT_TRUE(list_.NearestFree(5, 0, out_));
  EXPECT_EQ(out_, 0);
  EXPECT_TRUE(list_.NearestFree(-5, 5, out_));  // as far from 0, 2 and 3
  EXPECT_EQ(out_, 0);
  EXPECT_TRUE(list_.NearestFree(5, 5, out_));  // as far from 0, 1 and 3
  EXPECT_EQ(out_, 0);
  list_.At(0).piece = 1;
  EXPECT_TRUE(list_.NearestFree(5, 5, out_));
  EXPECT_EQ(out_, 1);
}

TEST_F(NearestFreeTriangle, PassesOverOwnedTriangles) {
  list_.At(1).piece = 2;
  EXPECT_TRUE(list_.NearestFree(9, 0, out_));
  EXPECT_EQ(out_, 0);
}

TEST_F(NearestFreeTriangle, FindsNothingAndLeavesTheResultAloneWhenAllAreOwned) {
  for (int t = 0; t < list_.count; ++t)
    list_.At(t).piece = t + 1;
  EXPECT_FALSE(list_.NearestFree(0, 0, out_));
  EXPECT_EQ(out_, 12345);
}

TEST_F(NearestFreeTriangle, IgnoresStoredRecordsBeyondTheCount) {
  // A cleared record has its centroid at (444.44, 555.55) and no owner.
  list_.Clear();
  EXPECT_FALSE(list_.NearestFree(444.44, 555.55, out_));
  EXPECT_EQ(out_, 12345);
}

// ---------------------------------------------------------------------------------------
// Seeding

// Which seed (0 or 1) the model's sequence from seed draws first out of two.
int FirstOfTwoDrawn(unsigned seed) {
  return DrawAfter(seed, 0) % 2;
}

TEST(PieceSeeding, SeedDrawnFirstTakesTheSharedNearestTriangle) {
  // Both seeds lie nearest the middle triangle of a row of three; the left seed's next
  // nearest is the left triangle, the right seed's the right one.
  bool sawBothOrders[2] = {false, false};
  for (unsigned seed = 0; seed < 16; ++seed) {
    TriangleStrip strip(2, {{90, 60}, {110, 60}});
    const int left = strip.At(0), middle = strip.At(1), right = strip.At(2);
    wendrel::srand(seed);
    strip.gen.ResetRegions();
    strip.gen.FormPieces();

    const int first = FirstOfTwoDrawn(seed);
    sawBothOrders[first] = true;
    ASSERT_EQ(strip.gen.pieceCount, 2);
    EXPECT_EQ(strip.gen.regions[0].TriangleAt(0), middle) << "seed " << seed;
    EXPECT_EQ(strip.gen.regions[1].TriangleAt(0), first == 0 ? right : left) << "seed " << seed;
  }
  EXPECT_TRUE(sawBothOrders[0] && sawBothOrders[1]) << "both orders should have been drawn";
}

TEST(PieceSeeding, SurplusSeedsLeaveTheirRegionsEmptyAndTakeNoOwnedTriangle) {
  HandMadeMesh mesh(MakeOutline({{0, 0}, {100, 0}, {100, 100}, {0, 100}},
                                {{10, 10}, {90, 90}, {20, 80}, {80, 20}}));
  mesh.AddEdge(0, 2);
  mesh.gen.FormTriangles();
  ASSERT_EQ(mesh.gen.triangles.count, 2);
  wendrel::srand(4);
  mesh.gen.ResetRegions();
  mesh.gen.FormPieces();

  EXPECT_EQ(mesh.gen.pieceCount, 4);
  EXPECT_EQ(mesh.gen.regions[0].count, 1);
  EXPECT_EQ(mesh.gen.regions[1].count, 1);
  EXPECT_EQ(mesh.gen.regions[2].count, 0);
  EXPECT_EQ(mesh.gen.regions[3].count, 0);
  EXPECT_NE(mesh.gen.regions[0].TriangleAt(0), mesh.gen.regions[1].TriangleAt(0));
  EXPECT_EQ(OwnerOf(mesh.gen, mesh.gen.regions[0].TriangleAt(0)), 0);
  EXPECT_EQ(OwnerOf(mesh.gen, mesh.gen.regions[1].TriangleAt(0)), 1);
  EXPECT_EQ(mesh.gen.regions[0].adjacent[1], 1);
  for (int k = 0; k < PieceRegion::kMaxRegions; ++k) {
    EXPECT_EQ(mesh.gen.regions[2].adjacent[k], 0);
    EXPECT_EQ(mesh.gen.regions[3].adjacent[k], 0);
  }
}

TEST(PieceSeeding, OutlineWithoutSeedsGivesNoRegions) {
  HandMadeMesh mesh(MakeOutline({{0, 0}, {100, 0}, {0, 100}}));
  mesh.gen.FormTriangles();
  ResetRandomPool();
  mesh.gen.ResetRegions();
  mesh.gen.FormPieces();

  EXPECT_EQ(mesh.gen.pieceCount, 0);
  for (const PieceRegion& region : mesh.gen.regions)
    EXPECT_EQ(region.count, 0);
  EXPECT_EQ(mesh.gen.triangles.Get(0).piece, 0);
}

TEST(PieceSeeding, OutlineWithoutSeedsStillDrawsOneLeftoverValue) {
  // Its seeding refill of zero is a draw: with values left from an earlier refill it takes
  // one random number, with none it takes none.
  HandMadeMesh mesh(MakeOutline({{0, 0}, {100, 0}, {0, 100}}));
  mesh.gen.FormTriangles();

  RandomPool(5);
  EXPECT_EQ(DrawsUsedBy([&] { mesh.gen.FormPieces(); }), 1);
  ResetRandomPool();
  EXPECT_EQ(DrawsUsedBy([&] { mesh.gen.FormPieces(); }), 0);
}

// ---------------------------------------------------------------------------------------
// Growth

TEST(RegionGrowth, RegionWithNoFreeNeighbourStopsWhileTheOthersGoOn) {
  // Seeds in the first two triangles of a row of five: the one at the end is shut in at
  // once, the other takes the rest of the row.
  TriangleStrip strip(3, {TriangleStrip::Inside(0), TriangleStrip::Inside(1)});
  wendrel::srand(2);
  strip.gen.ResetRegions();
  strip.gen.FormPieces();

  const int shutIn = OwnerOf(strip.gen, strip.At(0));
  const int grower = OwnerOf(strip.gen, strip.At(1));
  ASSERT_GE(shutIn, 0);
  ASSERT_GE(grower, 0);
  ASSERT_NE(shutIn, grower);
  EXPECT_EQ(strip.gen.regions[shutIn].count, 1);
  EXPECT_EQ(strip.gen.regions[grower].count, 4);
  for (int p = 1; p < strip.Count(); ++p)
    EXPECT_EQ(OwnerOf(strip.gen, strip.At(p)), grower);
}

TEST(RegionGrowth, RegionsGrowInTurnsOneTriangleEachPerSweep) {
  // Seeds at both ends of a row of nine: taking turns, they meet in the middle.
  TriangleStrip strip(5, {TriangleStrip::Inside(0), TriangleStrip::Inside(8)});
  wendrel::srand(6);
  strip.gen.ResetRegions();
  strip.gen.FormPieces();

  const int fromLeft = OwnerOf(strip.gen, strip.At(0));
  const int fromRight = OwnerOf(strip.gen, strip.At(8));
  ASSERT_NE(fromLeft, fromRight);
  // Region 0 moves first in every sweep, so it reaches the middle triangle first.
  EXPECT_EQ(OwnerOf(strip.gen, strip.At(4)), 0);
  EXPECT_EQ(strip.gen.regions[0].count, 5);
  EXPECT_EQ(strip.gen.regions[1].count, 4);
  for (int p = 0; p < 4; ++p)
    EXPECT_EQ(OwnerOf(strip.gen, strip.At(p)), fromLeft);
  for (int p = 5; p < 9; ++p)
    EXPECT_EQ(OwnerOf(strip.gen, strip.At(p)), fromRight);
}

TEST(RegionGrowth, TriangleNoRegionCanReachKeepsNoOwner) {
  // A triangle of its own, joined to the row by no side, far from the seed. The second
  // triangle pass adds it alone, as the row's triangles are stored already.
  TriangleStrip strip(2, {TriangleStrip::Inside(0)});
  const int a = strip.AddPoint(1000, 0), b = strip.AddPoint(1100, 0), c = strip.AddPoint(1000, 100);
  strip.AddEdge(a, b);
  strip.AddEdge(b, c);
  strip.AddEdge(c, a);
  strip.gen.FormTriangles();
  const int island = FindTriangle(strip.gen, a, b, c);
  ASSERT_GE(island, 0);
  ASSERT_EQ(strip.gen.triangles.count, strip.Count() + 1);

  wendrel::srand(1);
  strip.gen.ResetRegions();
  strip.gen.FormPieces();

  EXPECT_EQ(strip.gen.triangles.Get(island).piece, 0);
  EXPECT_EQ(strip.gen.regions[0].count, strip.Count());
}

TEST(RegionGrowth, OutlineSideNeverLetsARegionGrow) {
  HandMadeMesh mesh(MakeOutline({{0, 0}, {100, 0}, {0, 100}}, {{10, 10}}));
  mesh.gen.FormTriangles();
  for (int side = 0; side < 3; ++side)
    EXPECT_FALSE(mesh.gen.CanGrowAcross(0, side));
  wendrel::srand(3);
  mesh.gen.ResetRegions();
  mesh.gen.FormPieces();
  EXPECT_EQ(mesh.gen.regions[0].count, 1);
}

TEST(RegionGrowth, EmptyRegionDoesNotGrowAndDrawsNothing) {
  TriangleStrip strip(2);
  strip.gen.ResetRegions();
  strip.gen.pieceCount = 1;
  bool grew = true;
  EXPECT_EQ(DrawsUsedBy([&] { grew = strip.gen.GrowRegionOnce(0); }), 0);
  EXPECT_FALSE(grew);
}

TEST(RegionGrowth, ShutInRegionDrawsItsStartAndOneSidePerTriangleTried) {
  // Row of three: region 0 holds the first two triangles, region 1 the third.
  TriangleStrip strip(2);
  strip.gen.ResetRegions();
  Give(strip.gen, 0, strip.At(0));
  Give(strip.gen, 0, strip.At(1));
  Give(strip.gen, 1, strip.At(2));
  strip.gen.pieceCount = 2;

  bool grew = true;
  EXPECT_EQ(DrawsUsedBy([&] { grew = strip.gen.GrowRegionOnce(0); }), 3);
  EXPECT_FALSE(grew);
  EXPECT_EQ(DrawsUsedBy([&] { grew = strip.gen.GrowRegionOnce(1); }), 2);
  EXPECT_FALSE(grew);
}

TEST(RegionGrowth, FirstSideTriedIsDrawnAndTheOthersFollowInTurn) {
  // The middle triangle of a row of three has two free neighbours and one outline side.
  for (unsigned seed = 0; seed < 12; ++seed) {
    TriangleStrip strip(2);
    const int middle = strip.At(1);
    strip.gen.ResetRegions();
    Give(strip.gen, 0, middle);
    strip.gen.pieceCount = 1;

    const int firstSide = DrawAfter(seed, 1) % 3;  // after the start position's draw
    const int* sides = strip.gen.triangles.Get(middle).edges;
    int side = firstSide;
    while (strip.gen.edges.Get(sides[side]).triangleCount < 2)
      side = (side + 1) % 3;
    const MeshEdge& across = strip.gen.edges.Get(sides[side]);
    const int expected = across.triangles[0] == middle ? across.triangles[1] : across.triangles[0];

    wendrel::srand(seed);
    EXPECT_TRUE(strip.gen.GrowRegionOnce(0));
    EXPECT_EQ(strip.gen.regions[0].count, 2);
    EXPECT_EQ(strip.gen.regions[0].TriangleAt(1), expected) << "seed " << seed;
    EXPECT_EQ(OwnerOf(strip.gen, expected), 0);
  }
}

// ---------------------------------------------------------------------------------------
// Whether a region may grow across one side of a triangle

// A row of three triangles; the middle one shares a side with each of the others.
class GrowAcross : public ::testing::Test {
 protected:
  GrowAcross() : strip_(2) {}

  // The side of triangle t whose edge it shares with triangle u.
  int SideTowards(int t, int u) const {
    const MeshTriangle& tri = strip_.gen.triangles.Get(t);
    for (int side = 0; side < 3; ++side) {
      const MeshEdge& edge = strip_.gen.edges.Get(tri.edges[side]);
      if (edge.triangleCount == 2 && (edge.triangles[0] == u || edge.triangles[1] == u)) {
        return side;
      }
    }
    ADD_FAILURE() << "triangles " << t << " and " << u << " share no side";
    return 0;
  }

  TriangleStrip strip_;
};

TEST_F(GrowAcross, SharedSideLeadsToAFreeNeighbourFromEitherTriangle) {
  const int left = strip_.At(0), middle = strip_.At(1);
  EXPECT_TRUE(strip_.gen.CanGrowAcross(left, SideTowards(left, middle)));
  EXPECT_TRUE(strip_.gen.CanGrowAcross(middle, SideTowards(middle, left)));
}

TEST_F(GrowAcross, OwnedNeighbourClosesTheSideFromEitherTriangle) {
  const int left = strip_.At(0), middle = strip_.At(1);
  strip_.gen.triangles.At(middle).piece = 2;
  EXPECT_FALSE(strip_.gen.CanGrowAcross(left, SideTowards(left, middle)));
  strip_.gen.triangles.At(middle).piece = 0;
  strip_.gen.triangles.At(left).piece = 1;
  EXPECT_FALSE(strip_.gen.CanGrowAcross(middle, SideTowards(middle, left)));
}

TEST_F(GrowAcross, OutlineSidesAreClosed) {
  const int left = strip_.At(0);
  int outlineSides = 0;
  for (int side = 0; side < 3; ++side) {
    const int e = strip_.gen.triangles.Get(left).edges[side];
    if (e >= strip_.gen.edges.outlineEdgeCount)
      continue;
    ++outlineSides;
    EXPECT_FALSE(strip_.gen.CanGrowAcross(left, side)) << "side " << side;
  }
  EXPECT_EQ(outlineSides, 2);
}

TEST_F(GrowAcross, SideNamingNoValidEdgeIsClosed) {
  const int left = strip_.At(0), middle = strip_.At(1);
  const int side = SideTowards(left, middle);
  for (const int bad : {-1, strip_.gen.edges.edgeCount, strip_.gen.edges.edgeCount + 7}) {
    strip_.gen.triangles.At(left).edges[side] = bad;
    EXPECT_FALSE(strip_.gen.CanGrowAcross(left, side)) << "edge " << bad;
  }
}

TEST_F(GrowAcross, EdgeThatDoesNotListTheTriangleLeadsNowhere) {
  // The right triangle pretends to have the left-middle side.
  const int left = strip_.At(0), middle = strip_.At(1), right = strip_.At(2);
  const int shared = strip_.gen.triangles.Get(left).edges[SideTowards(left, middle)];
  strip_.gen.triangles.At(right).edges[0] = shared;
  EXPECT_FALSE(strip_.gen.CanGrowAcross(right, 0));
}

// ---------------------------------------------------------------------------------------
// Which regions share a side

// A square cut into four triangles around its centre, one region seeded in each.
class FourRegionsAroundCentre : public ::testing::Test {
 protected:
  FourRegionsAroundCentre()
      : mesh_(MakeOutline({{0, 0}, {100, 0}, {100, 100}, {0, 100}},
                          {{50, 15}, {85, 50}, {50, 85}, {15, 50}})) {
    const int centre = mesh_.AddPoint(50, 50);
    for (int corner = 0; corner < 4; ++corner)
      mesh_.AddEdge(centre, corner);
    mesh_.gen.FormTriangles();
    wendrel::srand(7);
    mesh_.gen.ResetRegions();
    mesh_.gen.FormPieces();
    // Region owning the bottom, right, top and left triangle.
    for (int side = 0; side < 4; ++side) {
      region_[side] = OwnerOf(mesh_.gen, FindTriangle(mesh_.gen, side, (side + 1) % 4, centre));
    }
  }

  int Adjacent(int sideA, int sideB) const {
    return mesh_.gen.regions[region_[sideA]].adjacent[region_[sideB]];
  }

  HandMadeMesh mesh_;
  int region_[4] = {};
};

TEST_F(FourRegionsAroundCentre, EachRegionHoldsItsOwnTriangle) {
  ASSERT_EQ(mesh_.gen.triangles.count, 4);
  EXPECT_EQ(Sorted({region_[0], region_[1], region_[2], region_[3]}), Iota(4));
  for (int r = 0; r < 4; ++r)
    EXPECT_EQ(mesh_.gen.regions[r].count, 1);
}

TEST_F(FourRegionsAroundCentre, RegionsSharingASideAreAdjacentBothWays) {
  for (int side = 0; side < 4; ++side) {
    EXPECT_EQ(Adjacent(side, (side + 1) % 4), 1) << side;
    EXPECT_EQ(Adjacent((side + 1) % 4, side), 1) << side;
  }
}

TEST_F(FourRegionsAroundCentre, RegionsMeetingOnlyAtTheCentreAreNotAdjacent) {
  EXPECT_EQ(Adjacent(0, 2), 0);
  EXPECT_EQ(Adjacent(2, 0), 0);
  EXPECT_EQ(Adjacent(1, 3), 0);
  EXPECT_EQ(Adjacent(3, 1), 0);
}

TEST_F(FourRegionsAroundCentre, NoRegionIsAdjacentToItselfOrToUnusedRegions) {
  for (int r = 0; r < PieceRegion::kMaxRegions; ++r) {
    for (int k = 0; k < PieceRegion::kMaxRegions; ++k) {
      if (r < 4 && k < 4 && r != k)
        continue;
      EXPECT_EQ(mesh_.gen.regions[r].adjacent[k], 0) << r << "," << k;
    }
  }
}

TEST_F(FourRegionsAroundCentre, RecomputingClearsStaleFlagsInAllRegions) {
  for (PieceRegion& region : mesh_.gen.regions)
    std::fill_n(region.adjacent, 20, 1);
  mesh_.gen.ComputeRegionAdjacency();
  EXPECT_EQ(Adjacent(0, 1), 1);
  EXPECT_EQ(Adjacent(0, 2), 0);
  for (int r = 0; r < PieceRegion::kMaxRegions; ++r) {
    EXPECT_EQ(mesh_.gen.regions[r].adjacent[r], 0) << r;
    for (int k = 4; k < PieceRegion::kMaxRegions; ++k) {
      EXPECT_EQ(mesh_.gen.regions[r].adjacent[k], 0) << r << "," << k;
      EXPECT_EQ(mesh_.gen.regions[k].adjacent[r], 0) << k << "," << r;
    }
  }
}

TEST_F(FourRegionsAroundCentre, ResetRegionsEmptiesEveryRegion) {
  mesh_.gen.ResetRegions();
  EXPECT_EQ(mesh_.gen.pieceCount, 0);
  for (const PieceRegion& region : mesh_.gen.regions) {
    EXPECT_EQ(region.count, 0);
    for (int i = 0; i < region.triangles.Size(); ++i)
      EXPECT_EQ(region.TriangleAt(i), 0);
    for (const int flag : region.adjacent)
      EXPECT_EQ(flag, 0);
  }
}

}  // namespace
}  // namespace wendrel

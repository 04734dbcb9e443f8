// The generator as a whole: construction, loading an outline, and the driver that runs
// the three triangulation tries.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "tests/generator/generator_fixtures.h"

namespace wendrel {
namespace {

using fixtures::Generate;
using fixtures::Kite;
using fixtures::MakeOutline;
using fixtures::PuzzleOutline;
using fixtures::ReplayTries;
using fixtures::SameMesh;
using fixtures::SameRegions;
using fixtures::StateOfLink;

// A seed for which the driver fails all three tries on the puzzle outline.
constexpr unsigned kFailingSeed = 3752;

// The generators are large; the heap keeps them off the test's stack.
std::unique_ptr<PuzzleGenerator> NewGenerator() {
  return std::make_unique<PuzzleGenerator>();
}

// A convex pentagon too small for any interior point: 0 (60,100), 1 (-50,30),
// 2 (-120,-20), 3 (0,-100), 4 (70,-20). The first try takes only the diagonal 1-4, which
// has a triangle on one side alone. The second try blocks 2-4, which makes 22.6 degrees
// with the new edge at node 4, then takes 1-3 and closes the mesh. A third try would
// refuse 2-4 for crossing 1-3.
ShapeOutline Pentagon() {
  return MakeOutline({{60, 100}, {-50, 30}, {-120, -20}, {0, -100}, {70, -20}});
}

// ---------------------------------------------------------------------------------------
// Construction and loading

TEST(GeneratorState, NewGeneratorReservesStorageAndHoldsNothing) {
  auto gen = NewGenerator();
  EXPECT_EQ(gen->nodeCount, 0);
  EXPECT_EQ(gen->nodes.Size(), 256);
  EXPECT_EQ(gen->edges.edgeCount, 0);
  EXPECT_EQ(gen->edges.outlineEdgeCount, 0);
  EXPECT_EQ(gen->edges.StorageSize(), 256);
  EXPECT_EQ(gen->triangles.count, 0);
  EXPECT_EQ(gen->triangles.StorageSize(), 256);
  EXPECT_EQ(gen->outline.vertexCount, 0);
  EXPECT_EQ(gen->outline.seedCount, 0);
  EXPECT_EQ(gen->pieceCount, 0);
  for (const PieceRegion& region : gen->regions)
    EXPECT_EQ(region.triangles.Size(), 0);
}

TEST(GeneratorState, LoadOutlineCopiesTheOutlineAndItsBounds) {
  auto gen = NewGenerator();
  gen->LoadOutline(PuzzleOutline());
  EXPECT_EQ(gen->outline.vertexCount, 81);
  EXPECT_EQ(gen->outline.seedCount, 15);
  for (int i = 0; i < ShapeOutline::kMaxVertices; ++i) {
    EXPECT_EQ(gen->outline.vertices[i], PuzzleOutline().vertices[i]) << "vertex " << i;
  }
  for (int i = 0; i < 15; ++i)
    EXPECT_EQ(gen->outline.seeds[i], PuzzleOutline().seeds[i]);
  EXPECT_EQ(gen->minX, -205);
  EXPECT_EQ(gen->maxX, 235);
  EXPECT_EQ(gen->minY, -240.69);
  EXPECT_EQ(gen->maxY, 240.69);
}

TEST(GeneratorState, LoadOutlineLeavesTheMeshAndThePiecesAlone) {
  auto gen = NewGenerator();
  ASSERT_EQ(Generate(*gen, 11), 1);
  const auto before = std::make_unique<PuzzleGenerator>(*gen);

  gen->LoadOutline(MakeOutline({{0, 0}, {10, 0}, {0, 10}}, {{1, 1}}));

  EXPECT_TRUE(SameMesh(*gen, *before));
  EXPECT_TRUE(SameRegions(*gen, *before));
  EXPECT_EQ(gen->outline.vertexCount, 3);
  EXPECT_EQ(gen->outline.seedCount, 1);
  EXPECT_EQ(gen->minX, 0);
  EXPECT_EQ(gen->maxX, 10);
  EXPECT_EQ(gen->minY, 0);
  EXPECT_EQ(gen->maxY, 10);
}

TEST(GeneratorState, LoadOutlineKeepsSeedEntriesBeyondTheNewSeedCount) {
  auto gen = NewGenerator();
  gen->LoadOutline(PuzzleOutline());
  gen->LoadOutline(MakeOutline({{0, 0}, {10, 0}, {0, 10}}, {{1, 1}}));
  EXPECT_EQ(gen->outline.seeds[0], (DPoint{1, 1}));
  EXPECT_EQ(gen->outline.seeds[1], PuzzleOutline().seeds[1]);
  EXPECT_EQ(gen->outline.seeds[14], PuzzleOutline().seeds[14]);
}

// ---------------------------------------------------------------------------------------
// The tries

TEST(TriangulationDriver, TriangleOutlineWithNoInnerEdgePasses) {
  auto gen = NewGenerator();
  gen->LoadOutline(MakeOutline({{0, 0}, {100, 0}, {0, 100}}));
  wendrel::srand(5);
  EXPECT_EQ(gen->BuildTriangulation(), 1);
  EXPECT_EQ(gen->nodeCount, 3) << "no interior point keeps the spacing";
  EXPECT_EQ(gen->edges.edgeCount, 3);
  EXPECT_EQ(gen->triangles.count, 1);
}

TEST(TriangulationDriver, SuccessInTheFirstTryRunsNoFurtherTry) {
  // In the kite the long diagonal is blocked in the first try and the short one closes the
  // mesh. A second try would reopen the long diagonal and refuse it for crossing.
  auto gen = NewGenerator();
  gen->LoadOutline(Kite());
  wendrel::srand(5);
  ASSERT_EQ(gen->BuildTriangulation(), 1);
  ASSERT_EQ(gen->nodeCount, 4) << "no interior point keeps the spacing";

  EXPECT_EQ(StateOfLink(*gen, 0, 2), kLinkBlocked);
  EXPECT_EQ(StateOfLink(*gen, 2, 0), kLinkBlocked);
  EXPECT_EQ(StateOfLink(*gen, 1, 3), kLinkEdge);
  EXPECT_EQ(gen->edges.edgeCount, 5);
  EXPECT_EQ(gen->triangles.count, 2);
}

TEST(TriangulationDriver, SuccessInTheSecondTryRunsNoThirdTry) {
  auto gen = NewGenerator();
  gen->LoadOutline(Pentagon());
  wendrel::srand(5);
  ASSERT_EQ(gen->BuildTriangulation(), 1);
  ASSERT_EQ(gen->nodeCount, 5) << "no interior point keeps the spacing";

  EXPECT_EQ(StateOfLink(*gen, 1, 4), kLinkEdge);
  EXPECT_EQ(StateOfLink(*gen, 1, 3), kLinkEdge);
  EXPECT_EQ(StateOfLink(*gen, 2, 4), kLinkBlocked);
  EXPECT_EQ(StateOfLink(*gen, 4, 2), kLinkBlocked);
  EXPECT_EQ(StateOfLink(*gen, 0, 2), kLinkRefused);
  EXPECT_EQ(StateOfLink(*gen, 0, 3), kLinkRefused);
  EXPECT_EQ(gen->edges.edgeCount, 7);
  EXPECT_EQ(gen->triangles.count, 3);
}

// The driver against its steps written out: the first try at 45 degrees, then, while an
// inner edge lacks a triangle, blocked links reopened and the passes run at 30 and at
// about 15 degrees.
TEST(TriangulationDriver, RunsTheTriesWithFallingAngleLimitsUntilTheMeshCloses) {
  for (const unsigned seed : {0u, 1u, 2u, kFailingSeed, 5063u}) {
    auto replayed = NewGenerator();
    const int closedAfter = ReplayTries(*replayed, seed, 3);
    auto built = NewGenerator();
    wendrel::srand(seed);
    built->LoadOutline(PuzzleOutline());
    EXPECT_EQ(built->BuildTriangulation(), closedAfter > 0 ? 1 : 0) << "seed " << seed;
    EXPECT_TRUE(SameMesh(*built, *replayed)) << "seed " << seed;
  }
}

TEST(TriangulationDriver, KnownFailingSeedsFailAllThreeTries) {
  auto gen = NewGenerator();
  for (const unsigned seed : {3752u, 5063u, 5608u}) {
    wendrel::srand(seed);
    gen->LoadOutline(PuzzleOutline());
    EXPECT_EQ(gen->BuildTriangulation(), 0) << "seed " << seed;
    EXPECT_FALSE(gen->edges.AllInnerEdgesClosed()) << "seed " << seed;
  }
}

// Everything the first try decided is still there after the last: its edges with their
// triangles, its triangles, and its accepted and refused links.
::testing::AssertionResult KeepsTheFirstTry(const PuzzleGenerator& first,
                                            const PuzzleGenerator& last) {
  if (last.nodeCount != first.nodeCount)
    return ::testing::AssertionFailure() << "node count";
  if (last.edges.edgeCount <= first.edges.edgeCount) {
    return ::testing::AssertionFailure() << "the later tries added no edge";
  }
  for (int e = 0; e < first.edges.edgeCount; ++e) {
    const MeshEdge &was = first.edges.Get(e), &is = last.edges.Get(e);
    bool kept =
        was.nodeA == is.nodeA && was.nodeB == is.nodeB && is.triangleCount >= was.triangleCount;
    for (int k = 0; kept && k < was.triangleCount; ++k)
      kept = was.triangles[k] == is.triangles[k];
    if (!kept)
      return ::testing::AssertionFailure() << "edge " << e << " changed";
  }
  if (last.triangles.count < first.triangles.count) {
    return ::testing::AssertionFailure() << "triangles were lost";
  }
  for (int t = 0; t < first.triangles.count; ++t) {
    const MeshTriangle &was = first.triangles.Get(t), &is = last.triangles.Get(t);
    if (!(was.tri == is.tri) || !std::equal(was.nodes, was.nodes + 3, is.nodes) ||
        !std::equal(was.edges, was.edges + 3, is.edges)) {
      return ::testing::AssertionFailure() << "triangle " << t << " changed";
    }
  }
  for (int v = 0; v < first.nodeCount; ++v) {
    for (int k = 0; k < first.nodes[v].linkCount; ++k) {
      const NodeLink &was = first.nodes[v].links[k], &is = last.nodes[v].links[k];
      const bool decided = was.state == kLinkEdge || was.state == kLinkRefused;
      if (decided && (is.state != was.state || is.edge != was.edge)) {
        return ::testing::AssertionFailure() << "link " << k << " of node " << v << " changed";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(TriangulationDriver, LaterTriesKeepWhatTheFirstTryFound) {
  for (const unsigned seed : {0u, 1u, kFailingSeed}) {
    auto first = NewGenerator();
    ASSERT_EQ(ReplayTries(*first, seed, 1), 0) << "seed " << seed;
    auto last = NewGenerator();
    wendrel::srand(seed);
    last->LoadOutline(PuzzleOutline());
    last->BuildTriangulation();
    EXPECT_TRUE(KeepsTheFirstTry(*first, *last)) << "seed " << seed;
  }
}

// ---------------------------------------------------------------------------------------
// Runs one after another on the same generator

TEST(TriangulationDriver, SecondRunStartsFromAnEmptyMesh) {
  auto gen = NewGenerator();
  ASSERT_EQ(Generate(*gen, 21), 1);
  gen->LoadOutline(Kite());
  ASSERT_EQ(gen->BuildTriangulation(), 1);

  EXPECT_EQ(gen->nodeCount, 4);
  EXPECT_EQ(gen->edges.outlineEdgeCount, 4);
  EXPECT_EQ(gen->edges.edgeCount, 5);
  EXPECT_EQ(gen->triangles.count, 2);
  EXPECT_EQ(gen->GetNode(0).linkCount, 3) << "two sides and the diagonal";
  for (int e = 0; e < gen->edges.edgeCount; ++e) {
    EXPECT_LE(gen->edges.Get(e).triangleCount, 2) << "edge " << e;
  }
}

TEST(TriangulationDriver, SecondRunLeavesStoredRecordsBeyondItsCountsAtTheirDefaults) {
  auto gen = NewGenerator();
  ASSERT_EQ(Generate(*gen, 21), 1);
  gen->LoadOutline(Kite());
  ASSERT_EQ(gen->BuildTriangulation(), 1);

  const MeshEdge& staleEdge = gen->edges.Get(gen->edges.edgeCount);
  EXPECT_EQ(staleEdge.seg.a, (DPoint{55.55, 111.11}));
  EXPECT_EQ(staleEdge.seg.b, (DPoint{333.33, 222.22}));
  EXPECT_EQ(staleEdge.triangleCount, 0);
  const MeshTriangle& staleTriangle = gen->triangles.Get(gen->triangles.count);
  EXPECT_EQ(staleTriangle.tri, Triangle{});
  EXPECT_EQ(staleTriangle.piece, 0);
}

TEST(TriangulationDriver, ReusedGeneratorBuildsTheSameMeshAsAFreshOne) {
  auto reused = NewGenerator();
  ASSERT_EQ(Generate(*reused, 21), 1);
  reused->LoadOutline(Kite());
  reused->BuildTriangulation();
  auto fresh = NewGenerator();
  for (auto* gen : {reused.get(), fresh.get()}) {
    wendrel::srand(33);
    gen->LoadOutline(PuzzleOutline());
    ASSERT_EQ(gen->BuildTriangulation(), 1);
  }
  EXPECT_TRUE(SameMesh(*reused, *fresh));
}

TEST(TriangulationDriver, FailedRunKeepsThePreviousPiecesButHoldsItsOwnTriangles) {
  auto gen = NewGenerator();
  ASSERT_EQ(Generate(*gen, 11), 1);
  const auto previous = std::make_unique<PuzzleGenerator>(*gen);

  EXPECT_EQ(Generate(*gen, kFailingSeed), 0);

  EXPECT_TRUE(SameRegions(*gen, *previous));
  EXPECT_EQ(gen->pieceCount, 15);
  auto failedAlone = NewGenerator();
  EXPECT_EQ(ReplayTries(*failedAlone, kFailingSeed, 3), 0);
  EXPECT_TRUE(SameMesh(*gen, *failedAlone));
  EXPECT_FALSE(SameMesh(*gen, *previous));
}

// ---------------------------------------------------------------------------------------
// Storage from run to run

TEST(GeneratorStorage, NeverShrinks) {
  auto gen = NewGenerator();
  ASSERT_EQ(Generate(*gen, 21), 1);
  const int nodes = gen->nodes.Size();
  const int edges = gen->edges.StorageSize();
  const int triangles = gen->triangles.StorageSize();
  EXPECT_GT(edges, 256) << "a puzzle mesh has more edges than reserved";

  gen->LoadOutline(Kite());
  gen->BuildTriangulation();

  EXPECT_EQ(gen->nodes.Size(), nodes);
  EXPECT_EQ(gen->edges.StorageSize(), edges);
  EXPECT_EQ(gen->triangles.StorageSize(), triangles);
}

TEST(GeneratorStorage, RepeatedRunNeitherGrowsNorMovesIt) {
  auto gen = NewGenerator();
  ASSERT_EQ(Generate(*gen, 21), 1);
  const int edges = gen->edges.StorageSize();
  const int triangles = gen->triangles.StorageSize();
  const MeshNode* nodeBlock = &gen->nodes[0];
  const MeshEdge* edgeBlock = &gen->edges.Get(0);
  const MeshTriangle* triangleBlock = &gen->triangles.Get(0);

  ASSERT_EQ(Generate(*gen, 21), 1);

  EXPECT_EQ(gen->edges.StorageSize(), edges);
  EXPECT_EQ(gen->triangles.StorageSize(), triangles);
  EXPECT_EQ(&gen->nodes[0], nodeBlock);
  EXPECT_EQ(&gen->edges.Get(0), edgeBlock);
  EXPECT_EQ(&gen->triangles.Get(0), triangleBlock);
}

}  // namespace
}  // namespace wendrel

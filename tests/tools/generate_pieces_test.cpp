#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "tests/tools/allocation_counter.h"
#include "tools/puzzle_run.h"

namespace wendrel {
namespace {

using testing::AllocationCount;

// Seeds from all over the range, with a failing one among them.
const std::vector<std::int32_t> kSeeds = {0, 1, 3752, 2, 104729, -5, 2147483647, 5063, 77};

void ExpectSamePuzzle(const PuzzleGenerator& a, const PuzzleGenerator& b) {
  ASSERT_EQ(a.nodeCount, b.nodeCount);
  for (int i = 0; i < a.nodeCount; ++i)
    EXPECT_EQ(a.GetNode(i).pos, b.GetNode(i).pos) << i;
  ASSERT_EQ(a.edges.edgeCount, b.edges.edgeCount);
  for (int e = 0; e < a.edges.edgeCount; ++e) {
    EXPECT_EQ(a.edges.Get(e).nodeA, b.edges.Get(e).nodeA) << e;
    EXPECT_EQ(a.edges.Get(e).nodeB, b.edges.Get(e).nodeB) << e;
  }
  ASSERT_EQ(a.triangles.count, b.triangles.count);
  for (int t = 0; t < a.triangles.count; ++t) {
    const MeshTriangle& x = a.triangles.Get(t);
    const MeshTriangle& y = b.triangles.Get(t);
    EXPECT_EQ(x.tri, y.tri) << t;
    EXPECT_EQ(x.piece, y.piece) << t;
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(x.nodes[i], y.nodes[i]) << t;
      EXPECT_EQ(x.edges[i], y.edges[i]) << t;
    }
  }
}

// A generator kept for many puzzles, as the game keeps one, makes each puzzle exactly as
// a new generator would, failures in between included.
TEST(GeneratePieces, AReusedGeneratorMakesWhatAFreshOneMakes) {
  const ShapeLibrary library;
  PuzzleGenerator reused;
  for (const std::int32_t seed : kSeeds) {
    const bool reusedOk = GeneratePieces(seed, library, reused);
    const auto fresh = std::make_unique<PuzzleGenerator>();
    EXPECT_EQ(GeneratePieces(seed, library, *fresh), reusedOk) << seed;
    ExpectSamePuzzle(reused, *fresh);
    if (!reusedOk)
      continue;
    ASSERT_EQ(reused.pieceCount, fresh->pieceCount);
    for (int r = 0; r < reused.pieceCount; ++r) {
      ASSERT_EQ(reused.regions[r].count, fresh->regions[r].count) << seed << " region " << r;
      for (int i = 0; i < reused.regions[r].count; ++i) {
        EXPECT_EQ(reused.regions[r].TriangleAt(i), fresh->regions[r].TriangleAt(i));
      }
      for (int k = 0; k < reused.pieceCount; ++k) {
        EXPECT_EQ(reused.regions[r].adjacent[k], fresh->regions[r].adjacent[k]);
      }
    }
  }
}

// Once its storage has grown for these puzzles, the generator makes them again without
// allocating.
TEST(GeneratePieces, RunsAgainWithoutAllocatingOnceGrown) {
  const ShapeLibrary library;
  PuzzleGenerator generator;
  for (const std::int32_t seed : kSeeds)
    GeneratePieces(seed, library, generator);
  const long before = AllocationCount();
  for (const std::int32_t seed : kSeeds)
    GeneratePieces(seed, library, generator);
  EXPECT_EQ(AllocationCount() - before, 0);
}

// The counter itself sees allocations, so the test above can fail.
TEST(AllocationCount, CountsAnAllocation) {
  const long before = AllocationCount();
  const auto block = std::make_unique<int>(7);
  EXPECT_EQ(AllocationCount() - before, 1);
  EXPECT_EQ(*block, 7);
}

}  // namespace
}  // namespace wendrel

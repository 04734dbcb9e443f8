#include "tools/run_stats.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace wendrel {
namespace {

TEST(SpreadOf, TakesSmallestMiddleAndLargest) {
  const Spread one = SpreadOf({7});
  EXPECT_EQ(one.min, 7);
  EXPECT_EQ(one.median, 7.0);
  EXPECT_EQ(one.max, 7);

  const Spread odd = SpreadOf({9, 1, 4, 4, 2});
  EXPECT_EQ(odd.min, 1);
  EXPECT_EQ(odd.median, 4.0);
  EXPECT_EQ(odd.max, 9);

  const Spread even = SpreadOf({10, 3, 8, 1});
  EXPECT_EQ(even.min, 1);
  EXPECT_EQ(even.median, 5.5);
  EXPECT_EQ(even.max, 10);

  const Spread none = SpreadOf({});
  EXPECT_EQ(none.min, 0);
  EXPECT_EQ(none.max, 0);
}

// A complete triangulation of a simple polygon with n corners and h interior points has
// n + 2h - 2 triangles and n + 3h - 3 inner edges; a formed puzzle's unassigned
// triangles are those that no region lists.
TEST(MeasureRun, CountsAgreeWithTheShapeOfATriangulation) {
  const ShapeLibrary library;
  for (const std::int32_t seed : {0, 1, 2, 3, 4}) {
    const PuzzleRun run(seed, library);
    ASSERT_TRUE(run.ok()) << seed;
    const PuzzleGenerator& g = run.generator();
    const RunMeasures m = MeasureRun(g);
    const int n = g.outline.vertexCount, h = m.interiorNodes;
    EXPECT_EQ(h, g.nodeCount - n);
    EXPECT_EQ(m.triangles, n + 2 * h - 2) << seed;
    EXPECT_EQ(m.innerEdges, n + 3 * h - 3) << seed;
    int inRegions = 0;
    for (int r = 0; r < g.pieceCount; ++r)
      inRegions += g.regions[r].count;
    EXPECT_EQ(m.unassignedTriangles, m.triangles - inRegions) << seed;
  }
}

TEST(SeedRangeStats, SeparatesFailuresFromTheSpreadOfSuccesses) {
  const ShapeLibrary library;
  SeedRangeStats stats;
  for (std::int32_t seed = 3750; seed < 3755; ++seed)
    stats.Add(PuzzleRun(seed, library));
  EXPECT_EQ(stats.Runs(), 5);
  EXPECT_EQ(stats.FailedSeeds(), std::vector<std::int32_t>{3752});

  const ShapeLibrary& lib = library;
  int lowest = 1 << 30, highest = 0;
  for (const std::int32_t seed : {3750, 3751, 3753, 3754}) {
    const int t = MeasureRun(PuzzleRun(seed, lib).generator()).triangles;
    lowest = std::min(lowest, t);
    highest = std::max(highest, t);
  }
  EXPECT_EQ(stats.Triangles().min, lowest);
  EXPECT_EQ(stats.Triangles().max, highest);
  EXPECT_LE(stats.InteriorNodes().min, stats.InteriorNodes().median);
  EXPECT_LE(stats.InteriorNodes().median, stats.InteriorNodes().max);

  std::ostringstream report;
  stats.Report(report, 1.5);
  EXPECT_NE(report.str().find("5 runs, 1 failed (seeds 3752)"), std::string::npos) << report.str();
  EXPECT_NE(report.str().find("over the 4 successful runs"), std::string::npos) << report.str();
  EXPECT_NE(report.str().find("total time 1.500 s (300.000 ms per run)"), std::string::npos)
      << report.str();
}

}  // namespace
}  // namespace wendrel

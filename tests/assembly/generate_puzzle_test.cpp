#include "assembly/generate_puzzle.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "tests/assembly/allocation_counter.h"
#include "tests/assembly/printers.h"
#include "tests/generator/generator_fixtures.h"

namespace wendrel {
namespace {

using testing::AllocationCount;

// Seeds from all over the range, with failing ones among them.
const std::vector<std::int32_t> kSeeds = {0, 1, 3752, 2, 104729, -5, 2147483647, 5063, 77};
// Fails all three triangulation tries on the puzzle outline.
constexpr std::int32_t kFailingSeed = 3752;

void ExpectSamePieces(const PieceSet& a, const PieceSet& b) {
  ASSERT_EQ(a.PlacedCount(), b.PlacedCount());
  for (int t = 0; t < a.PlacedCount(); ++t)
    EXPECT_EQ(a.Placed(t), b.Placed(t)) << "triangle " << t;
  ASSERT_EQ(a.GroupCount(), b.GroupCount());
  for (int g = 0; g < a.GroupCount(); ++g) {
    const PieceGroup& x = a.Group(g);
    const PieceGroup& y = b.Group(g);
    ASSERT_EQ(x.count, y.count) << "group " << g;
    for (int j = 0; j < x.count; ++j)
      EXPECT_EQ(x.pieces[j], y.pieces[j]) << "group " << g;
    EXPECT_EQ(x.centre, y.centre) << "group " << g;
    EXPECT_EQ(x.position, y.position) << "group " << g;
    EXPECT_EQ(x.rotation, y.rotation) << "group " << g;
    EXPECT_EQ(x.flipped, y.flipped) << "group " << g;
  }
}

// A generator and piece set kept for many puzzles, as the game keeps them, make each
// puzzle exactly as new ones would, failures in between included.
TEST(GeneratePuzzle, AReusedGeneratorAndPieceSetMakeWhatFreshOnesMake) {
  const ShapeLibrary library;
  PuzzleGenerator reused;
  PieceSet reusedPieces;
  for (const std::int32_t seed : kSeeds) {
    SCOPED_TRACE(seed);
    const bool reusedOk = GeneratePuzzle(seed, library, reused, reusedPieces);
    const auto fresh = std::make_unique<PuzzleGenerator>();
    const auto freshPieces = std::make_unique<PieceSet>();
    EXPECT_EQ(GeneratePuzzle(seed, library, *fresh, *freshPieces), reusedOk);
    EXPECT_TRUE(fixtures::SameMesh(reused, *fresh));
    if (!reusedOk)
      continue;
    EXPECT_TRUE(fixtures::SameRegions(reused, *fresh));
    ExpectSamePieces(reusedPieces, *freshPieces);
  }
}

// Once its storage has grown for these puzzles, a Generate allocates nothing, whichever
// way its pieces are scattered.
TEST(GeneratePuzzle, RunsAgainWithoutAllocatingOnceGrown) {
  const ShapeLibrary library;
  PuzzleGenerator generator;
  PieceSet pieces;
  for (const ShapeInfo& shape : kShapes) {
    for (const std::int32_t seed : kSeeds)
      GeneratePuzzle(seed, library, generator, pieces, shape.shape);
  }
  const long before = AllocationCount();
  for (const ShapeInfo& shape : kShapes) {
    for (const std::int32_t seed : kSeeds)
      GeneratePuzzle(seed, library, generator, pieces, shape.shape);
  }
  EXPECT_EQ(AllocationCount() - before, 0);
}

// The counter itself sees allocations, so the test above can fail.
TEST(AllocationCount, CountsAnAllocation) {
  const long before = AllocationCount();
  const auto block = std::make_unique<int>(7);
  EXPECT_EQ(AllocationCount() - before, 1);
  EXPECT_EQ(*block, 7);
}

TEST(GeneratePuzzle, SucceedsWithEveryPieceScatteredAsAGroupOfItsOwn) {
  const ShapeLibrary library;
  PuzzleGenerator generator;
  PieceSet pieces;
  ASSERT_TRUE(GeneratePuzzle(7, library, generator, pieces));
  EXPECT_EQ(pieces.PieceCount(), 15);
  ASSERT_EQ(pieces.GroupCount(), 15);
  EXPECT_EQ(pieces.PlacedCount(), generator.triangles.count);
  for (int g = 0; g < pieces.GroupCount(); ++g) {
    EXPECT_EQ(pieces.Group(g).count, 1);
    const DPoint at = pieces.Group(g).position;
    EXPECT_TRUE(at.y == -180 || at.y == 0 || at.y == 180) << "group " << g;
  }
}

// A run that fails rebuilds the generator's mesh but must leave the puzzle being played
// exactly as it was.
TEST(GeneratePuzzle, AFailedTriangulationLeavesThePiecesAsTheyWere) {
  const ShapeLibrary library;
  PuzzleGenerator generator, reference;
  PieceSet pieces, untouched;
  ASSERT_TRUE(GeneratePuzzle(7, library, generator, pieces));
  ASSERT_TRUE(GeneratePuzzle(7, library, reference, untouched));
  EXPECT_FALSE(GeneratePuzzle(kFailingSeed, library, generator, pieces));
  EXPECT_FALSE(fixtures::SameMesh(generator, reference)) << "the failed run changed nothing";
  ExpectSamePieces(pieces, untouched);
}

// A kite has room for two triangles only. The regions of its seeds tell whether the cut
// is playable: with three seeds one region stays empty.
class RegionsOfAKite : public ::testing::Test {
 protected:
  static ShapeOutline KiteWithSeeds(std::initializer_list<DPoint> seeds) {
    ShapeOutline kite = fixtures::Kite();
    for (const DPoint s : seeds)
      kite.seeds[kite.seedCount++] = s;
    return kite;
  }

  int EmptyRegions() const {
    int empty = 0;
    for (int r = 0; r < generator.pieceCount; ++r)
      empty += generator.regions[r].count == 0 ? 1 : 0;
    return empty;
  }

  PuzzleGenerator generator;
  PieceSet pieces;
};

TEST_F(RegionsOfAKite, TwoSeedsEachGetATriangleAndMakeAPuzzle) {
  ASSERT_TRUE(GeneratePuzzle(1, KiteWithSeeds({{100, -10}, {100, 10}}), generator, pieces));
  EXPECT_EQ(generator.triangles.count, 2);
  EXPECT_EQ(EmptyRegions(), 0);
  EXPECT_EQ(pieces.GroupCount(), 2);
}

TEST_F(RegionsOfAKite, ARegionLeftEmptyIsAFailureAndTheOldPuzzleStays) {
  const ShapeLibrary library;
  ASSERT_TRUE(GeneratePuzzle(7, library, generator, pieces));
  const int groups = pieces.GroupCount();
  const DPoint front = pieces.Group(0).position;

  EXPECT_FALSE(
      GeneratePuzzle(1, KiteWithSeeds({{100, -10}, {100, 10}, {60, 0}}), generator, pieces));
  // The triangulation itself succeeded: the failure is the empty region.
  EXPECT_TRUE(generator.edges.AllInnerEdgesClosed());
  EXPECT_EQ(generator.pieceCount, 3);
  EXPECT_EQ(EmptyRegions(), 1);
  EXPECT_EQ(pieces.GroupCount(), groups);
  EXPECT_EQ(pieces.Group(0).position, front);
}

}  // namespace
}  // namespace wendrel

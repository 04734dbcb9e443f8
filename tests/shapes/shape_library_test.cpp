#include "shapes/shape_library.h"

#include <gtest/gtest.h>

#include "tests/shapes/outline_checks.h"

namespace wendrel {
namespace {

TEST(ShapeLibrary, SlotsFourToNineStayEmpty) {
  for (int slot = 4; slot < ShapeLibrary::kSlotCount; ++slot) {
    const ShapeOutline& outline = BuiltInOutline(slot);
    EXPECT_EQ(outline.vertexCount, 0) << "slot " << slot;
    EXPECT_EQ(outline.seedCount, 0) << "slot " << slot;
    EXPECT_EQ(outline.vertices[0], (DPoint{0, 0})) << "slot " << slot;
    EXPECT_EQ(outline.seeds[0], (DPoint{0, 0})) << "slot " << slot;
  }
}

class BuiltInFigure : public ::testing::TestWithParam<int> {
 protected:
  const ShapeOutline& outline() const { return BuiltInOutline(GetParam()); }
};

TEST_P(BuiltInFigure, IsASimpleCounterClockwisePolygon) {
  EXPECT_TRUE(IsSimpleCounterClockwise(outline()));
}

TEST_P(BuiltInFigure, LeavesTheEntriesBeyondItsCountsReset) {
  for (int i = outline().vertexCount; i < ShapeOutline::kMaxVertices; ++i) {
    EXPECT_EQ(outline().vertices[i], (DPoint{0, 0})) << "vertex " << i;
  }
  for (int i = outline().seedCount; i < ShapeOutline::kMaxSeeds; ++i) {
    EXPECT_EQ(outline().seeds[i], (DPoint{0, 0})) << "seed " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Slots, BuiltInFigure, ::testing::Values(0, 1, 2, 3));

// The oval's seeds are checked with the oval: two of them lie outside it.
class BuiltInSeeds : public BuiltInFigure {};

TEST_P(BuiltInSeeds, AllLieInsideTheFigure) {
  EXPECT_TRUE(AllSeedsInside(outline()));
}

INSTANTIATE_TEST_SUITE_P(Slots, BuiltInSeeds, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace wendrel

#include <gtest/gtest.h>

#include "shapes/shape_library.h"
#include "tests/shapes/outline_checks.h"

namespace wendrel {
namespace {

const ShapeOutline& Lobes() {
  return BuiltInOutline(3);
}

TEST(ThreeLobes, HoldsEightyOneVerticesAndFifteenSeeds) {
  EXPECT_EQ(Lobes().vertexCount, 81);
  EXPECT_EQ(Lobes().seedCount, 15);
  EXPECT_EQ(Lobes().vertices[0], (DPoint{35, -33.75}));
  EXPECT_EQ(Lobes().vertices[13], (DPoint{218.38, 0}));
  EXPECT_EQ(Lobes().vertices[80], (DPoint{11.73, -47.19}));
  EXPECT_EQ(Lobes().seeds[0], (DPoint{100, -60}));
  EXPECT_EQ(Lobes().seeds[14], (DPoint{-32.5, -56.29}));
}

TEST(ThreeLobes, Bounds) {
  EXPECT_TRUE(HasBounds(Lobes(), {-205, 235, -240.69, 240.69}));
}

TEST(ThreeLobes, MeanSideLengthSetsTheMeshSpacing) {
  EXPECT_NEAR(Lobes().MeanSideLength(), 26.6808, 1e-4);
}

TEST(ThreeLobes, IsSymmetricUnderYToMinusY) {
  for (int i = 0; i < Lobes().vertexCount; ++i) {
    const DPoint& v = Lobes().vertices[i];
    EXPECT_TRUE(HasVertex(Lobes(), {v.x, -v.y})) << "mirror of vertex " << i;
  }
  for (int i = 0; i < Lobes().seedCount; ++i) {
    const DPoint& s = Lobes().seeds[i];
    bool mirrored = false;
    for (int j = 0; j < Lobes().seedCount; ++j)
      mirrored |= Lobes().seeds[j] == DPoint{s.x, -s.y};
    EXPECT_TRUE(mirrored) << "mirror of seed " << i;
  }
}

TEST(ThreeLobes, ContainsPointsAlongTheXAxisUpToTheNotch) {
  EXPECT_TRUE(Lobes().Contains(150, 0));
  EXPECT_TRUE(Lobes().Contains(0, 0));
  EXPECT_TRUE(Lobes().Contains(200, 0));
  // The notch vertex: its own two sides give no crossing left of it, the side at
  // x = -46.73 does.
  EXPECT_TRUE(Lobes().Contains(218.38, 0));
}

TEST(ThreeLobes, LeavesOutPointsBeyondTheLobes) {
  EXPECT_FALSE(Lobes().Contains(240, 0));
  EXPECT_FALSE(Lobes().Contains(0, 240));
  // Between the lobe along +x and the upper left one.
  EXPECT_FALSE(Lobes().Contains(35, 60));
}

}  // namespace
}  // namespace wendrel

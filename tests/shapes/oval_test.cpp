#include <gtest/gtest.h>

#include "shapes/shape_library.h"
#include "tests/shapes/outline_checks.h"

namespace wendrel {
namespace {

const ShapeOutline& Oval() {
  return BuiltInOutline(0);
}

TEST(Oval, HoldsThirtyFourVerticesAndThreeSeeds) {
  EXPECT_EQ(Oval().vertexCount, 34);
  EXPECT_EQ(Oval().seedCount, 3);
  EXPECT_EQ(Oval().vertices[0], (DPoint{350.52, -0.03}));
  EXPECT_EQ(Oval().vertices[1], (DPoint{323.61, 46.63}));
  EXPECT_EQ(Oval().vertices[2], (DPoint{291.59, 89.2}));
  EXPECT_EQ(Oval().vertices[3], (DPoint{254.97, 127.03}));
  EXPECT_EQ(Oval().vertices[17], (DPoint{-350.52, 0.03}));
  EXPECT_EQ(Oval().vertices[33], (DPoint{323.61, -46.63}));
  EXPECT_EQ(Oval().seeds[0], (DPoint{250, 200}));
  EXPECT_EQ(Oval().seeds[1], (DPoint{-250, 200}));
  EXPECT_EQ(Oval().seeds[2], (DPoint{0, -200}));
}

TEST(Oval, Bounds) {
  EXPECT_TRUE(HasBounds(Oval(), {-350.52, 350.52, -227.13, 227.13}));
}

TEST(Oval, IsPointSymmetricAboutTheOrigin) {
  for (int k = 0; k < 17; ++k) {
    const DPoint& v = Oval().vertices[k];
    EXPECT_EQ(Oval().vertices[k + 17], (DPoint{-v.x, -v.y})) << "vertex " << k;
  }
}

TEST(Oval, IsMirrorSymmetricAboutBothAxesBesideItsEnds) {
  for (int k = 1; k < 17; ++k) {
    const DPoint& v = Oval().vertices[k];
    EXPECT_EQ(Oval().vertices[17 - k], (DPoint{-v.x, v.y})) << "vertex " << k;
    EXPECT_EQ(Oval().vertices[34 - k], (DPoint{v.x, -v.y})) << "vertex " << k;
  }
}

TEST(Oval, TurnsLeftEverywhereGentlyButAtItsEnds) {
  for (int i = 0; i < Oval().vertexCount; ++i) {
    const double turn = TurnDegrees(Oval(), i);
    EXPECT_GT(turn, 0.0) << "vertex " << i;
    if (i != 0 && i != 17) {
      EXPECT_LT(turn, 10.0) << "vertex " << i;
    }
  }
}

TEST(Oval, HoldsItsLowerSeed) {
  // The upper seeds stand beyond the line through vertices 2 and 3, which no convex figure
  // through those vertices crosses.
  EXPECT_TRUE(Oval().Contains(Oval().seeds[2].x, Oval().seeds[2].y));
}

}  // namespace
}  // namespace wendrel

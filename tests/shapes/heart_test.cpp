#include <gtest/gtest.h>

#include "shapes/shape_library.h"
#include "tests/shapes/outline_checks.h"

namespace wendrel {
namespace {

const ShapeOutline& Heart() {
  return BuiltInOutline(1);
}

TEST(Heart, HoldsFortyFourVerticesAndNineSeeds) {
  EXPECT_EQ(Heart().vertexCount, 44);
  EXPECT_EQ(Heart().seedCount, 9);
  EXPECT_EQ(Heart().vertices[0], (DPoint{0, -268.1}));
  EXPECT_EQ(Heart().vertices[1], (DPoint{35.96, -243.14}));
  EXPECT_EQ(Heart().vertices[2], (DPoint{70.46, -216.35}));
  EXPECT_EQ(Heart().vertices[3], (DPoint{103.5, -187.75}));
  EXPECT_EQ(Heart().vertices[22], (DPoint{0, 204.98}));
  const DPoint seeds[] = {{0, 40},           {118.5, -172.75}, {253.44, -2.83},
                          {262.18, 216.02},  {85.23, 251.79},  {-85.23, 251.79},
                          {-262.18, 216.02}, {-253.44, -2.83}, {-118.5, -172.75}};
  for (int i = 0; i < 9; ++i)
    EXPECT_EQ(Heart().seeds[i], seeds[i]) << "seed " << i;
}

TEST(Heart, Bounds) {
  EXPECT_TRUE(HasBounds(Heart(), {-299.73, 299.73, -268.1, 268.1}));
}

TEST(Heart, IsSymmetricAboutTheYAxis) {
  for (int k = 0; k < 44; ++k) {
    const DPoint& v = Heart().vertices[k];
    EXPECT_EQ(Heart().vertices[(44 - k) % 44], (DPoint{-v.x, v.y})) << "vertex " << k;
  }
}

TEST(Heart, ComesToAPointAtTheBottom) {
  for (int i = 1; i < Heart().vertexCount; ++i) {
    EXPECT_GT(Heart().vertices[i].y, Heart().vertices[0].y) << "vertex " << i;
  }
  // A point, not a rounded bottom.
  EXPECT_GT(TurnDegrees(Heart(), 0), 45.0);
}

TEST(Heart, IsConvexButForTheNotch) {
  for (int i = 0; i < Heart().vertexCount; ++i) {
    if (i == 22) {
      EXPECT_LT(TurnDegrees(Heart(), i), 0.0) << "the notch";
    } else {
      EXPECT_GT(TurnDegrees(Heart(), i), 0.0) << "vertex " << i;
    }
  }
}

}  // namespace
}  // namespace wendrel

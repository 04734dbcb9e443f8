#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "shapes/shape_library.h"
#include "tests/shapes/outline_checks.h"

namespace wendrel {
namespace {

const ShapeOutline& Cog() {
  return BuiltInOutline(2);
}

constexpr int kTeeth = 17;
constexpr double kPitchDegrees = 360.0 / kTeeth;

double Radius(DPoint p) {
  return std::hypot(p.x, p.y);
}
double AngleDegrees(DPoint p) {
  return std::atan2(p.y, p.x) * 180.0 / std::numbers::pi;
}

TEST(CogWheel, HoldsSixtyEightVerticesAndNineSeeds) {
  EXPECT_EQ(Cog().vertexCount, 68);
  EXPECT_EQ(Cog().seedCount, 9);
  EXPECT_EQ(Cog().vertices[0], (DPoint{259.18, -30.8}));
  EXPECT_EQ(Cog().vertices[1], (DPoint{299.34, -19.94}));
  EXPECT_EQ(Cog().vertices[2], (DPoint{299.34, 19.94}));
  EXPECT_EQ(Cog().vertices[3], (DPoint{259.18, 30.8}));
  EXPECT_EQ(Cog().vertices[4], (DPoint{252.8, 64.91}));
  EXPECT_EQ(Cog().vertices[67], (DPoint{252.8, -64.91}));
  const DPoint seeds[] = {{271.92, 126.73},  {115.57, 276.84}, {-101.1, 282.45},
                          {-265, 140.62},    {-244, -174.54},  {-62.73, -293.37},
                          {151.28, -259.07}, {286.33, -89.54}, {0, 0}};
  for (int i = 0; i < 9; ++i)
    EXPECT_EQ(Cog().seeds[i], seeds[i]) << "seed " << i;
}

TEST(CogWheel, Bounds) {
  EXPECT_TRUE(HasBounds(Cog(), {-297.9, 299.34, -299.9, 299.9}));
}

TEST(CogWheel, IsSymmetricAboutTheXAxis) {
  // Tooth 0 straddles the x axis, so vertex i faces vertex 3 - i.
  for (int i = 0; i < 68; ++i) {
    const DPoint& v = Cog().vertices[i];
    EXPECT_EQ(Cog().vertices[(71 - i) % 68], (DPoint{v.x, -v.y})) << "vertex " << i;
  }
}

TEST(CogWheel, EachToothHasTwoFeetOnTheInnerCircleAndTwoTipCorners) {
  for (int tooth = 0; tooth < kTeeth; ++tooth) {
    const DPoint* v = &Cog().vertices[4 * tooth];
    EXPECT_NEAR(Radius(v[0]), 261.0, 0.01) << "tooth " << tooth;
    EXPECT_NEAR(Radius(v[3]), 261.0, 0.01) << "tooth " << tooth;
    for (int corner = 1; corner <= 2; ++corner) {
      EXPECT_GT(Radius(v[corner]), 299.99) << "tooth " << tooth;
      EXPECT_LT(Radius(v[corner]), 301.01) << "tooth " << tooth;
    }
  }
}

TEST(CogWheel, TeethAreEvenlySpaced) {
  for (int tooth = 0; tooth < kTeeth; ++tooth) {
    const DPoint* v = &Cog().vertices[4 * tooth];
    const double centre = (AngleDegrees(v[1]) + AngleDegrees(v[2])) / 2;
    EXPECT_NEAR(std::remainder(centre - tooth * kPitchDegrees, 360.0), 0.0, 0.01)
        << "tooth " << tooth;
    // Wider at the foot than at the tip.
    const double foot = std::remainder(AngleDegrees(v[3]) - AngleDegrees(v[0]), 360.0);
    const double tip = std::remainder(AngleDegrees(v[2]) - AngleDegrees(v[1]), 360.0);
    EXPECT_GT(foot, tip) << "tooth " << tooth;
    EXPECT_GT(tip, 0.0) << "tooth " << tooth;
  }
}

TEST(CogWheel, TurnsOutwardAtTheTipsAndInwardAtTheFeet) {
  for (int i = 0; i < Cog().vertexCount; ++i) {
    const bool tip = i % 4 == 1 || i % 4 == 2;
    if (tip) {
      EXPECT_GT(TurnDegrees(Cog(), i), 0.0) << "vertex " << i;
    } else {
      EXPECT_LT(TurnDegrees(Cog(), i), 0.0) << "vertex " << i;
    }
  }
}

}  // namespace
}  // namespace wendrel

#include "tests/shapes/outline_checks.h"

#include <gtest/gtest.h>

namespace wendrel {
namespace {

// The checks themselves must be able to fail, or the figure tests prove nothing.

const ShapeOutline kSquare = MakeOutline({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, {{5, 5}});

TEST(OutlineChecks, SquareIsSimpleAndCounterClockwise) {
  EXPECT_EQ(DoubleSignedArea(kSquare), 200.0);
  EXPECT_TRUE(IsSimpleCounterClockwise(kSquare));
}

TEST(OutlineChecks, ClockwiseSquareIsRejected) {
  const ShapeOutline clockwise = MakeOutline({{0, 0}, {0, 10}, {10, 10}, {10, 0}});
  EXPECT_TRUE(IsSimple(clockwise));
  EXPECT_FALSE(IsSimpleCounterClockwise(clockwise));
}

TEST(OutlineChecks, CrossingOrTouchingSidesAreNotSimple) {
  const ShapeOutline bowTie = MakeOutline({{0, 0}, {10, 10}, {10, 0}, {0, 10}});
  EXPECT_FALSE(IsSimple(bowTie));
  // Vertex 4 touches side 1 without crossing it.
  const ShapeOutline touching = MakeOutline({{0, 0}, {10, 0}, {10, 10}, {5, 10}, {10, 5}, {0, 10}});
  EXPECT_FALSE(IsSimple(touching));
  const ShapeOutline repeated = MakeOutline({{0, 0}, {10, 0}, {10, 10}, {10, 0}, {0, 10}});
  EXPECT_FALSE(IsSimple(repeated));
}

TEST(OutlineChecks, SeedOutsideIsReported) {
  EXPECT_TRUE(AllSeedsInside(kSquare));
  const ShapeOutline withStray =
      MakeOutline({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, {{5, 5}, {15, 5}});
  EXPECT_FALSE(AllSeedsInside(withStray));
}

TEST(OutlineChecks, BoundsMustMatchExactly) {
  EXPECT_TRUE(HasBounds(kSquare, {0, 10, 0, 10}));
  EXPECT_FALSE(HasBounds(kSquare, {0, 10, 0, 10.01}));
  EXPECT_FALSE(HasBounds(kSquare, {-0.01, 10, 0, 10}));
}

TEST(OutlineChecks, TurnsAreSignedByDirection) {
  EXPECT_DOUBLE_EQ(TurnDegrees(kSquare, 0), 90.0);
  EXPECT_DOUBLE_EQ(TurnDegrees(kSquare, 3), 90.0);
  // An arrow head: the notch at (5, 5) turns right by 90 degrees, and the left turns at the
  // other three corners make up for it to a full turn.
  const ShapeOutline arrow = MakeOutline({{0, 0}, {5, 5}, {10, 0}, {5, 10}});
  EXPECT_DOUBLE_EQ(TurnDegrees(arrow, 1), -90.0);
  double total = 0.0;
  for (int i = 0; i < 4; ++i)
    total += TurnDegrees(arrow, i);
  EXPECT_NEAR(total, 360.0, 1e-9);
}

TEST(OutlineChecks, HasVertexLooksOnlyAtVerticesInUse) {
  ShapeOutline square = kSquare;
  EXPECT_TRUE(HasVertex(square, {10, 10}));
  EXPECT_FALSE(HasVertex(square, {10, 10.001}));
  square.vertices[4] = {20, 20};
  EXPECT_FALSE(HasVertex(square, {20, 20}));
}

}  // namespace
}  // namespace wendrel

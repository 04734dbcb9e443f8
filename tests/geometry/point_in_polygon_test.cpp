#include <gtest/gtest.h>

#include <vector>

#include "geometry/predicates.h"

namespace wendrel {
namespace {

bool Inside(const std::vector<DPoint>& polygon, DPoint p) {
  return PointInPolygon(polygon.data(), static_cast<int>(polygon.size()), p);
}

const std::vector<DPoint> kSquare{{0, 0}, {10, 0}, {10, 10}, {0, 10}};

TEST(PointInPolygon, SquareInteriorIsInside) {
  // The only side left of the point is the closing side from (0, 10) back to (0, 0).
  EXPECT_TRUE(Inside(kSquare, {5, 5}));
}

TEST(PointInPolygon, PointsBesideTheSquareAreOutside) {
  EXPECT_FALSE(Inside(kSquare, {-1, 5}));
  EXPECT_FALSE(Inside(kSquare, {15, 5}));
  EXPECT_FALSE(Inside(kSquare, {5, -1}));
  EXPECT_FALSE(Inside(kSquare, {5, 11}));
}

TEST(PointInPolygon, LeftSideIsOutsideRightSideInside) {
  // On the left side the crossing x equals the point's and does not count; on the right
  // side only the left side's crossing at x = 0 counts.
  EXPECT_FALSE(Inside(kSquare, {0, 5}));
  EXPECT_TRUE(Inside(kSquare, {10, 5}));
}

TEST(PointInPolygon, BottomSideIsInsideTopSideOutside) {
  // Horizontal sides never count; the vertical sides are half-open in y.
  EXPECT_TRUE(Inside(kSquare, {5, 0}));
  EXPECT_FALSE(Inside(kSquare, {5, 10}));
}

TEST(PointInPolygon, VertexAtThePointsHeightIsCountedOnce) {
  // The left corner (-10, 0) ends two sides; only the one rising from it counts.
  const std::vector<DPoint> diamond{{0, -10}, {10, 0}, {0, 10}, {-10, 0}};
  EXPECT_TRUE(Inside(diamond, {5, 0}));
  EXPECT_FALSE(Inside(diamond, {15, 0}));
}

TEST(PointInPolygon, EmptyPolygonContainsNothing) {
  EXPECT_FALSE(PointInPolygon(kSquare.data(), 0, {5, 5}));
  EXPECT_FALSE(PointInPolygon(kSquare.data(), -1, {5, 5}));
}

}  // namespace
}  // namespace wendrel

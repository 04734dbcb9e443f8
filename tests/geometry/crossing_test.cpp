#include <gtest/gtest.h>

#include "geometry/predicates.h"

namespace wendrel {
namespace {

// A value no crossing in these tests produces, to see whether x was written.
constexpr double kUntouched = -12345.0;

struct Crossing {
  bool hit;
  double x;
};

Crossing Cross(DPoint p, DPoint q, double y) {
  double x = kUntouched;
  const bool hit = CrossingX(p, q, y, x);
  return {hit, x};
}

// Both orders of the end points describe the same side.
void ExpectHitAt(DPoint p, DPoint q, double y, double x) {
  for (const Crossing& c : {Cross(p, q, y), Cross(q, p, y)}) {
    EXPECT_TRUE(c.hit);
    EXPECT_DOUBLE_EQ(c.x, x);
  }
}

void ExpectNoHit(DPoint p, DPoint q, double y) {
  for (const Crossing& c : {Cross(p, q, y), Cross(q, p, y)}) {
    EXPECT_FALSE(c.hit);
    EXPECT_EQ(c.x, kUntouched) << "x is written only on a hit";
  }
}

TEST(CrossingX, InteriorHeightHitsAtTheInterpolatedX) {
  ExpectHitAt({0, 0}, {10, 10}, 5, 5);
  ExpectHitAt({2, 0}, {6, 8}, 2, 3);
}

TEST(CrossingX, LowerEndPointCountsUpperDoesNot) {
  ExpectHitAt({0, 0}, {10, 10}, 0, 0);
  ExpectNoHit({0, 0}, {10, 10}, 10);
}

TEST(CrossingX, HeightsOutsideTheSideDoNotHit) {
  ExpectNoHit({0, 0}, {10, 10}, -1);
  ExpectNoHit({0, 0}, {10, 10}, 11);
}

TEST(CrossingX, HorizontalSideNeverHits) {
  ExpectNoHit({0, 3}, {10, 3}, 3);
  ExpectNoHit({0, 3}, {10, 3}, 2);
}

TEST(CrossingX, NearlyHorizontalSideCrossesAtItsMiddle) {
  // Interpolating would give x = 4 at this height.
  ExpectHitAt({0, 0}, {10, 0.0005}, 0.0002, 5);
  ExpectHitAt({0, 0}, {10, 0.000999}, 0.0001, 5);
}

TEST(CrossingX, SideExactlyOneThousandthHighIsInterpolated) {
  // Its mid x would be 5.
  ExpectHitAt({0, 0}, {10, 0.001}, 0.00025, 2.5);
}

}  // namespace
}  // namespace wendrel

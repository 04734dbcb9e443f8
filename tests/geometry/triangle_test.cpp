#include <gtest/gtest.h>

#include "geometry/predicates.h"
#include "geometry/primitives.h"

namespace wendrel {
namespace {

void ExpectPoint(DPoint actual, double x, double y) {
  EXPECT_EQ(actual.x, x);
  EXPECT_EQ(actual.y, y);
}

void ExpectResetValues(const Triangle& t) {
  ExpectPoint(t.a, 111.11, 111.11);
  ExpectPoint(t.b, 222.22, 222.22);
  ExpectPoint(t.c, 333.33, 333.33);
  ExpectPoint(t.centroid, 444.44, 555.55);
}

TEST(TriangleReset, NewTriangleHoldsTheResetValues) {
  ExpectResetValues(Triangle{});
}

TEST(TriangleReset, ResetOverwritesEveryPointIncludingTheCentroid) {
  Triangle t{{1, 2}, {3, 4}, {5, 6}, {7, 8}};
  t.Reset();
  ExpectResetValues(t);
}

// Counter-clockwise in model coordinates (y up), and its mirror image.
const Triangle kCcw{{0, 0}, {10, 0}, {0, 10}, {}};
const Triangle kCw{{0, 0}, {0, 10}, {10, 0}, {}};

TEST(TriangleContainsCCW, InteriorPointIsInside) {
  EXPECT_TRUE(kCcw.ContainsCCW({1, 1}));
}

TEST(TriangleContainsCCW, VerticesAndSidesCountAsInside) {
  for (DPoint p :
       {DPoint{0, 0}, DPoint{10, 0}, DPoint{0, 10}, DPoint{5, 0}, DPoint{0, 5}, DPoint{5, 5}}) {
    EXPECT_TRUE(kCcw.ContainsCCW(p)) << p.x << ", " << p.y;
  }
}

TEST(TriangleContainsCCW, PointsBeyondEachSideAreOutside) {
  for (DPoint p : {DPoint{5, -1}, DPoint{6, 6}, DPoint{-1, 5}, DPoint{11, 0}, DPoint{-1, -1}}) {
    EXPECT_FALSE(kCcw.ContainsCCW(p)) << p.x << ", " << p.y;
  }
}

TEST(TriangleContainsCCW, ClockwiseTriangleContainsNothingInside) {
  EXPECT_FALSE(kCw.ContainsCCW({1, 1}));
}

TEST(TriangleContainsCW, InteriorPointOfClockwiseTriangleIsInside) {
  EXPECT_TRUE(kCw.ContainsCW({1, 1}));
}

TEST(TriangleContainsCW, VerticesAndSidesCountAsInside) {
  for (DPoint p :
       {DPoint{0, 0}, DPoint{0, 10}, DPoint{10, 0}, DPoint{5, 0}, DPoint{0, 5}, DPoint{5, 5}}) {
    EXPECT_TRUE(kCw.ContainsCW(p)) << p.x << ", " << p.y;
  }
}

TEST(TriangleContainsCW, PointsBeyondEachSideAreOutside) {
  for (DPoint p : {DPoint{5, -1}, DPoint{6, 6}, DPoint{-1, 5}, DPoint{0, 11}}) {
    EXPECT_FALSE(kCw.ContainsCW(p)) << p.x << ", " << p.y;
  }
}

TEST(TriangleContainsCW, CounterClockwiseTriangleContainsNothingInside) {
  EXPECT_FALSE(kCcw.ContainsCW({1, 1}));
}

TEST(TriangleContains, CollinearTriangleContainsItsWholeLineUnderBothTests) {
  const Triangle flat{{0, 0}, {5, 5}, {10, 10}, {}};
  for (DPoint p : {DPoint{2, 2}, DPoint{0, 0}, DPoint{10, 10}, DPoint{-3, -3}, DPoint{20, 20}}) {
    EXPECT_TRUE(flat.ContainsCCW(p)) << p.x << ", " << p.y;
    EXPECT_TRUE(flat.ContainsCW(p)) << p.x << ", " << p.y;
  }
  for (DPoint p : {DPoint{1, 2}, DPoint{2, 1}}) {
    EXPECT_FALSE(flat.ContainsCCW(p)) << p.x << ", " << p.y;
    EXPECT_FALSE(flat.ContainsCW(p)) << p.x << ", " << p.y;
  }
}

}  // namespace
}  // namespace wendrel

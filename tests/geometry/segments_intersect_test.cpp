#include <gtest/gtest.h>

#include "geometry/predicates.h"

namespace wendrel {
namespace {

Segment Seg(double ax, double ay, double bx, double by) {
  return Segment{{ax, ay}, {bx, by}};
}
Segment Reversed(const Segment& s) {
  return Segment{s.b, s.a};
}

// The test is closed and symmetric: the answer may not depend on which segment comes
// first or on the direction in which either one runs.
void ExpectIntersectInEveryOrder(const Segment& s, const Segment& t, bool expected) {
  for (const Segment& first : {s, Reversed(s)}) {
    for (const Segment& second : {t, Reversed(t)}) {
      EXPECT_EQ(SegmentsIntersect(first, second), expected);
      EXPECT_EQ(SegmentsIntersect(second, first), expected);
    }
  }
}

TEST(SegmentsIntersect, ProperCrossingIntersects) {
  ExpectIntersectInEveryOrder(Seg(0, 0, 2, 2), Seg(0, 2, 2, 0), true);
}

TEST(SegmentsIntersect, TJunctionCountsAsIntersection) {
  ExpectIntersectInEveryOrder(Seg(0, 0, 2, 0), Seg(1, 0, 1, 5), true);
}

TEST(SegmentsIntersect, SharedEndPointCountsAsIntersection) {
  ExpectIntersectInEveryOrder(Seg(0, 0, 2, 0), Seg(0, 0, 0, 3), true);
}

TEST(SegmentsIntersect, CollinearSegmentsApartAreRejectedByTheirBoxes) {
  // Without the box rejection these would pass as collinear (all three products zero).
  ExpectIntersectInEveryOrder(Seg(0, 0, 1, 0), Seg(2, 0, 3, 0), false);
  ExpectIntersectInEveryOrder(Seg(0, 0, 1, 1), Seg(2, 2, 3, 3), false);
  ExpectIntersectInEveryOrder(Seg(0, 0, 0, 1), Seg(0, 2, 0, 3), false);
}

TEST(SegmentsIntersect, SegmentsWhollyBesideEachOtherDoNotIntersect) {
  ExpectIntersectInEveryOrder(Seg(0, 0, 1, 1), Seg(2, 0, 3, 1), false);  // left / right
  ExpectIntersectInEveryOrder(Seg(0, 0, 1, 1), Seg(0, 2, 1, 3), false);  // below / above
}

TEST(SegmentsIntersect, ParallelSegmentsWithOverlappingBoxesDoNotIntersect) {
  ExpectIntersectInEveryOrder(Seg(0, 0, 4, 4), Seg(1, 0, 5, 4), false);
}

TEST(SegmentsIntersect, CollinearOverlapIntersects) {
  ExpectIntersectInEveryOrder(Seg(0, 0, 2, 2), Seg(1, 1, 3, 3), true);
}

TEST(SegmentsIntersect, CollinearSegmentsTouchingEndToEndIntersect) {
  // The boxes merely touch, which does not reject.
  ExpectIntersectInEveryOrder(Seg(0, 0, 1, 0), Seg(1, 0, 2, 0), true);
}

TEST(SegmentsIntersect, LinesCrossingExactlyAtAnEndPointIntersect) {
  // t crosses the x axis at (2, 0), the end of s: the parameter along s is exactly 1.
  ExpectIntersectInEveryOrder(Seg(0, 0, 2, 0), Seg(1, 1, 3, -1), true);
}

TEST(SegmentsIntersect, LinesCrossingJustBeyondAnEndPointDoNotIntersect) {
  // No tolerance: t crosses the x axis a ten-millionth beyond the end of s.
  ExpectIntersectInEveryOrder(Seg(0, 0, 2, 0), Seg(1, 1, 3.0000002, -1), false);
}

}  // namespace
}  // namespace wendrel

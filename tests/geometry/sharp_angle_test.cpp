#include <gtest/gtest.h>

#include "geometry/predicates.h"

namespace wendrel {
namespace {

constexpr double kCos2Of45 = 0.5;
constexpr double kCos2Of30 = 0.75;

// The segment runs along the x axis from (0, 0) to (10, 0); its end at (10, 0) mirrors
// its start, so each case at the start has a twin at the end with x -> 10 - x.
const Segment kAlongX{{0, 0}, {10, 0}};

DPoint MirrorToEnd(DPoint p) {
  return DPoint{10 - p.x, p.y};
}

struct AngleCase {
  const char* what;
  DPoint atStart;  // the point as seen from the start; its mirror is used at the end
  double cos2Limit;
  bool sharp;
};

class SharpAngle : public testing::TestWithParam<AngleCase> {};

TEST_P(SharpAngle, AtStart) {
  const AngleCase& c = GetParam();
  EXPECT_EQ(SharpAngleAtStart(kAlongX, c.atStart, c.cos2Limit), c.sharp) << c.what;
}

TEST_P(SharpAngle, AtEndMirrorsTheStart) {
  const AngleCase& c = GetParam();
  EXPECT_EQ(SharpAngleAtEnd(kAlongX, MirrorToEnd(c.atStart), c.cos2Limit), c.sharp) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    BorderlineCases, SharpAngle,
    testing::Values(AngleCase{"exactly 45 degrees is not sharper", {10, 10}, kCos2Of45, false},
                    AngleCase{"about 42 degrees is sharper than 45", {10, 9}, kCos2Of45, true},
                    AngleCase{"about 42 degrees is not sharper than 30", {10, 9}, kCos2Of30, false},
                    AngleCase{"about 11 degrees is sharper than 30", {10, 2}, kCos2Of30, true},
                    AngleCase{"a point below the segment counts alike", {10, -9}, kCos2Of45, true},
                    AngleCase{"straight along the segment is sharp", {5, 0}, kCos2Of45, true},
                    AngleCase{"beyond the far end is still sharp", {20, 0}, kCos2Of45, true},
                    AngleCase{"a right angle is not sharp", {0, 5}, kCos2Of45, false},
                    AngleCase{
                        "a point behind the vertex is never sharp", {-1, 0}, kCos2Of45, false},
                    AngleCase{"the vertex itself is not sharp", {0, 0}, kCos2Of45, false}));

TEST(SharpAngle, StartAndEndMeasureAtTheirOwnVertex) {
  // (10, 9) is about 42 degrees off the segment seen from (0, 0) but straight above
  // (10, 0), a right angle there.
  EXPECT_TRUE(SharpAngleAtStart(kAlongX, {10, 9}, kCos2Of45));
  EXPECT_FALSE(SharpAngleAtEnd(kAlongX, {10, 9}, kCos2Of45));
}

}  // namespace
}  // namespace wendrel

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/predicates.h"

namespace wendrel {
namespace {

// The double nearest to one third; it lies below 1/3 by a third of 2^-54.
constexpr double kThird = 0.3333333333333333;

TEST(SquaredDistance, SumsTheSquaredDifferences) {
  EXPECT_EQ(SquaredDistance({1, 2}, {4, 6}), 25.0);
  EXPECT_EQ(SquaredDistance({4, 6}, {1, 2}), 25.0);
  EXPECT_EQ(SquaredDistance({-3, 7}, {-3, 7}), 0.0);
}

TEST(Centroid, IsTheMeanOfTheThreeVertices) {
  const DPoint c = Centroid({0, 0}, {6, 0}, {0, 9});
  EXPECT_DOUBLE_EQ(c.x, 2.0);
  EXPECT_DOUBLE_EQ(c.y, 3.0);
}

TEST(Centroid, MultipliesByTheNearestDoubleToOneThirdRatherThanDividing) {
  // 5 / 3 rounds up to the double just above 5/3, but 5 * kThird lies 5 * 2^-54 / 3
  // below 5/3, nearer the double just below it.
  const DPoint c = Centroid({1, 2}, {2, 0}, {2, 3});
  const double below = std::nextafter(5.0 / 3.0, 0.0);
  EXPECT_EQ(c.x, below);
  EXPECT_EQ(c.y, below);
}

TEST(Centroid, AgreesWithTheProductWhereverItDiffersFromTheQuotient) {
  int differing = 0;
  for (int sum = 1; sum <= 200; ++sum) {
    const double s = sum;
    if (s * kThird == s / 3.0)
      continue;
    ++differing;
    const DPoint c = Centroid({s, 0}, {0, s}, {0, 0});
    EXPECT_EQ(c.x, s * kThird) << "sum " << sum;
    EXPECT_EQ(c.y, s * kThird) << "sum " << sum;
  }
  EXPECT_GT(differing, 0) << "the search should find sums where the two roundings differ";
}

}  // namespace
}  // namespace wendrel

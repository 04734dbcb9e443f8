#include <gtest/gtest.h>

#include "geometry/growable_array.h"
#include "geometry/primitives.h"

namespace wendrel {
namespace {

// Triangles make the reset state visible: a default triangle holds the reset values.
class GrowableArrayTest : public testing::Test {
 protected:
  static constexpr int kInitial = 256;
  GrowableArray<Triangle> array{kInitial, 256};

  static Triangle Marked(double v) { return Triangle{{v, v}, {v, v}, {v, v}, {v, v}}; }

  void ExpectResetFrom(int first, int last) {
    for (int i = first; i <= last; ++i)
      EXPECT_EQ(array[i], Triangle{}) << "element " << i;
  }
};

TEST_F(GrowableArrayTest, IsCreatedHoldingTheInitialNumberOfResetElements) {
  EXPECT_EQ(array.Size(), kInitial);
  ExpectResetFrom(0, kInitial - 1);
}

TEST_F(GrowableArrayTest, StoringInsideTheArrayKeepsItsSize) {
  array.At(kInitial - 1) = Marked(1);
  EXPECT_EQ(array.Size(), kInitial);
  EXPECT_EQ(array[kInitial - 1], Marked(1));
}

TEST_F(GrowableArrayTest, StoringJustPastTheEndGrowsByOne) {
  array.At(kInitial) = Marked(1);
  EXPECT_EQ(array.Size(), kInitial + 1);
  EXPECT_EQ(array[kInitial], Marked(1));
}

TEST_F(GrowableArrayTest, StoringFarBeyondTheEndMakesItThatIndexPlusOneLong) {
  array.At(10) = Marked(1);
  array.At(700) = Marked(2);
  EXPECT_EQ(array.Size(), 701);
  EXPECT_EQ(array[10], Marked(1)) << "existing elements keep their values";
  EXPECT_EQ(array[700], Marked(2));
  ExpectResetFrom(kInitial, 699);
}

TEST_F(GrowableArrayTest, ResetAllResetsEveryElementAndKeepsTheLength) {
  array.At(3) = Marked(1);
  array.At(400) = Marked(2);
  array.ResetAll();
  EXPECT_EQ(array.Size(), 401);
  ExpectResetFrom(0, 400);
}

}  // namespace
}  // namespace wendrel

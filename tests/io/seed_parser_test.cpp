#include "io/seed_parser.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace wendrel {
namespace {

constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();

// The error for text, which must be refused as a seed.
std::string SeedError(const char* text) {
  std::string error;
  EXPECT_FALSE(ParseSeed("--seed", text, error).has_value()) << text;
  return error;
}

std::string RangeEndError(const char* text) {
  std::string error;
  EXPECT_FALSE(ParseSeedRangeEnd("--seeds", text, error).has_value()) << text;
  return error;
}

TEST(ParseSeed, TakesEveryThirtyTwoBitWholeNumber) {
  std::string error;
  EXPECT_EQ(ParseSeed("--seed", "0", error), 0);
  EXPECT_EQ(ParseSeed("--seed", "42", error), 42);
  EXPECT_EQ(ParseSeed("--seed", "-5", error), -5);
  EXPECT_EQ(ParseSeed("--seed", "007", error), 7);
  EXPECT_EQ(ParseSeed("--seed", "2147483647", error), kHighest);
  EXPECT_EQ(ParseSeed("--seed", "-2147483648", error), kLowest);
  EXPECT_EQ(error, "");
}

TEST(ParseSeed, RefusesWhatIsNoWholeNumberQuotingIt) {
  for (const char* text : {"abc", "12x", "1.5", " 12", "12 ", "+12", "0x10", "-", "--svg", "1e3",
                           "99999999999999999999x"}) {
    EXPECT_EQ(SeedError(text), "seed '" + std::string(text) + "' is not a whole number");
  }
}

TEST(ParseSeed, RefusesNumbersOutsideThirtyTwoBitsGivingTheRange) {
  for (const char* text : {"2147483648", "-2147483649", "4294967296", "99999999999999999999"}) {
    EXPECT_EQ(SeedError(text),
              "seed '" + std::string(text) + "' is out of range (-2147483648 to 2147483647)");
  }
}

TEST(ParseSeed, NamesTheOptionWhenNoNumberIsGiven) {
  EXPECT_EQ(SeedError(""), "--seed needs a number");
  std::string error;
  EXPECT_FALSE(ParseSeed("--stats", "", error));
  EXPECT_EQ(error, "--stats needs a number");
}

TEST(ParseSeedRangeEnd, ReachesOnePastTheLastSeed) {
  std::string error;
  EXPECT_EQ(ParseSeedRangeEnd("--seeds", "2147483648", error), std::int64_t{kHighest} + 1);
  EXPECT_EQ(ParseSeedRangeEnd("--seeds", "2147483647", error), kHighest);
  EXPECT_EQ(ParseSeedRangeEnd("--seeds", "-2147483648", error), kLowest);
  EXPECT_EQ(ParseSeedRangeEnd("--seeds", "17", error), 17);
  EXPECT_EQ(error, "");
}

TEST(ParseSeedRangeEnd, RefusesBeyondThatAndWhatIsNoNumber) {
  EXPECT_EQ(RangeEndError("2147483649"),
            "range end '2147483649' is out of range (-2147483648 to 2147483648)");
  EXPECT_EQ(RangeEndError("-2147483649"),
            "range end '-2147483649' is out of range (-2147483648 to 2147483648)");
  EXPECT_EQ(RangeEndError("2e9"), "range end '2e9' is not a whole number");
  EXPECT_EQ(RangeEndError(""), "--seeds needs a number");
}

}  // namespace
}  // namespace wendrel

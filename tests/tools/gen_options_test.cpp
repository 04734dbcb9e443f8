#include "tools/gen_options.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace wendrel {
namespace {

using Args = std::vector<std::string>;
using Mode = GenOptions::Mode;

// The error for args, which must be refused.
std::string ErrorOf(const Args& args) {
  const ParsedArgs parsed = ParseGenArgs(args);
  EXPECT_FALSE(parsed.ok()) << "accepted";
  return parsed.error;
}

GenOptions Accepted(const Args& args) {
  const ParsedArgs parsed = ParseGenArgs(args);
  EXPECT_TRUE(parsed.ok()) << parsed.error;
  return parsed.options;
}

TEST(ParseGenArgs, ReadsEachMode) {
  const GenOptions one = Accepted({"--seed", "42"});
  EXPECT_EQ(one.mode, Mode::kSeed);
  EXPECT_EQ(one.seed, 42);
  EXPECT_TRUE(one.svgPath.empty());

  const GenOptions range = Accepted({"--seeds", "-3", "7"});
  EXPECT_EQ(range.mode, Mode::kSeeds);
  EXPECT_EQ(range.first, -3);
  EXPECT_EQ(range.end, 7);

  const GenOptions stats = Accepted({"--stats", "0", "1"});
  EXPECT_EQ(stats.mode, Mode::kStats);
  EXPECT_EQ(stats.first, 0);
  EXPECT_EQ(stats.end, 1);

  EXPECT_EQ(Accepted({"--help"}).mode, Mode::kHelp);
}

TEST(ParseGenArgs, TakesThePictureBeforeOrAfterTheSeed) {
  for (const Args& args :
       {Args{"--seed", "5", "--svg", "p.svg"}, Args{"--svg", "p.svg", "--seed", "5"}}) {
    const GenOptions options = Accepted(args);
    EXPECT_EQ(options.mode, Mode::kSeed);
    EXPECT_EQ(options.seed, 5);
    EXPECT_EQ(options.svgPath, "p.svg");
  }
}

TEST(ParseGenArgs, AcceptsTheWholeRangeOfClockSeeds) {
  EXPECT_EQ(Accepted({"--seed", "-2147483648"}).seed, -2147483647 - 1);
  EXPECT_EQ(Accepted({"--seed", "2147483647"}).seed, 2147483647);
  const GenOptions range = Accepted({"--seeds", "-2147483648", "2147483647"});
  EXPECT_EQ(range.first, -2147483647 - 1);
  EXPECT_EQ(range.end, 2147483647);
}

// The range's end is exclusive, so only an end past 32 bits lists the last seed.
TEST(ParseGenArgs, RangeCanEndWithTheLastSeed) {
  for (const char* mode : {"--seeds", "--stats"}) {
    const GenOptions last = Accepted({mode, "2147483647", "2147483648"});
    EXPECT_EQ(last.first, 2147483647);
    EXPECT_EQ(last.end, std::int64_t{2147483648});
    const GenOptions all = Accepted({mode, "-2147483648", "2147483648"});
    EXPECT_EQ(all.first, -2147483647 - 1);
    EXPECT_EQ(all.end, std::int64_t{2147483648});
  }
  EXPECT_EQ(ErrorOf({"--seeds", "0", "2147483649"}),
            "range end '2147483649' is out of range (-2147483648 to 2147483648)");
  // The first seed is a seed: one past the last is not one.
  EXPECT_EQ(ErrorOf({"--seeds", "2147483648", "2147483649"}),
            "seed '2147483648' is out of range (-2147483648 to 2147483647)");
  EXPECT_NE(ErrorOf({"--seed", "2147483648"}).find("out of range"), std::string::npos);
}

TEST(ParseGenArgs, RefusesSeedsThatAreNotWholeNumbers) {
  for (const char* bad : {"abc", "12x", "1.5", "+3", "0x10", " 7", "--svg"}) {
    const std::string error = ErrorOf({"--seed", bad});
    EXPECT_EQ(error, "seed '" + std::string(bad) + "' is not a whole number");
  }
  EXPECT_EQ(ErrorOf({"--seeds", "1", "x"}), "range end 'x' is not a whole number");
}

TEST(ParseGenArgs, RefusesSeedsOutsideThirtyTwoBits) {
  for (const char* bad : {"2147483648", "-2147483649", "4294967296", "99999999999999999999999"}) {
    EXPECT_EQ(ErrorOf({"--seed", bad}),
              "seed '" + std::string(bad) + "' is out of range (-2147483648 to 2147483647)");
  }
}

TEST(ParseGenArgs, RefusesMissingSeeds) {
  EXPECT_EQ(ErrorOf({"--seed"}), "--seed needs a number");
  EXPECT_EQ(ErrorOf({"--seeds", "4"}), "--seeds needs a number");
  EXPECT_EQ(ErrorOf({"--stats"}), "--stats needs a number");
  EXPECT_NE(ErrorOf({"--svg"}).find("--svg needs a file name"), std::string::npos);
}

TEST(ParseGenArgs, RefusesEmptyRanges) {
  for (const Args& args :
       {Args{"--seeds", "5", "5"}, Args{"--seeds", "6", "5"}, Args{"--stats", "0", "-1"},
        Args{"--seeds", "-2147483648", "-2147483648"}}) {
    const std::string error = ErrorOf(args);
    EXPECT_NE(error.find("empty range"), std::string::npos) << error;
    EXPECT_NE(error.find(args[1]), std::string::npos) << error;
  }
  EXPECT_EQ(Accepted({"--seeds", "5", "6"}).end, 6);
}

TEST(ParseGenArgs, RefusesUnknownOptionsAndExtraArguments) {
  EXPECT_EQ(ErrorOf({"--seed", "1", "--verbose"}), "unknown option '--verbose'");
  EXPECT_EQ(ErrorOf({"-s", "1"}), "unknown option '-s'");
  EXPECT_EQ(ErrorOf({"--seed", "1", "2"}), "unexpected argument '2'");
  EXPECT_EQ(ErrorOf({"seed", "1"}), "unexpected argument 'seed'");
  EXPECT_EQ(ErrorOf({"--seeds", "1", "3", "5"}), "unexpected argument '5'");
}

TEST(ParseGenArgs, RefusesEmptyArgumentsWhereverTheyStand) {
  EXPECT_EQ(ErrorOf({""}), "empty argument");
  EXPECT_EQ(ErrorOf({"--seed", ""}), "empty argument");
  EXPECT_EQ(ErrorOf({"--seed", "1", "--svg", ""}), "empty argument");
}

TEST(ParseGenArgs, RefusesConflictingModes) {
  const std::string only = "only one of --seed, --seeds and --stats may be given";
  EXPECT_EQ(ErrorOf({"--seed", "1", "--seed", "2"}), only);
  EXPECT_EQ(ErrorOf({"--seed", "1", "--stats", "0", "3"}), only);
  EXPECT_EQ(ErrorOf({"--seed", "1", "--svg", "a", "--svg", "b"}), "--svg given twice");
  EXPECT_EQ(ErrorOf({"--svg", "a"}), "--svg needs --seed");
  EXPECT_EQ(ErrorOf({"--seeds", "0", "2", "--svg", "a"}), "--svg needs --seed");
  EXPECT_EQ(ErrorOf({"--help", "--seed", "1"}), "--help takes no other arguments");
  EXPECT_EQ(ErrorOf({"--seed", "1", "--help"}), "--help takes no other arguments");
}

TEST(ParseGenArgs, RefusesNoArgumentsAtAll) {
  EXPECT_NE(ErrorOf({}).find("nothing to do"), std::string::npos);
}

}  // namespace
}  // namespace wendrel

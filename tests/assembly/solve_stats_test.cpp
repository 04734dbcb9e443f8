#include "assembly/solve_stats.h"

#include <gtest/gtest.h>

namespace wendrel {
namespace {

TEST(SolveStats, KeepsCountsAndTheBestAndMeanOfTheSolvesWithoutHelp) {
  SolveStats stats;
  const struct {
    std::int64_t ms;
    bool withHelp;
    bool newBest;
  } solves[] = {{200'000, false, true},
                {90'000, true, false},
                {260'000, false, false},
                {170'000, false, true}};
  for (const auto& solve : solves)
    EXPECT_EQ(stats.Add(solve.ms, solve.withHelp), solve.newBest) << solve.ms;
  EXPECT_EQ(stats.solved, 4);
  EXPECT_EQ(stats.solvedWithHelp, 1);
  EXPECT_EQ(stats.bestMs, 170'000);
  EXPECT_EQ(stats.MeanMs(), 210'000);
}

TEST(SolveStats, PlayingTimesReadAsMinutesAndSecondsAndHoursPastAnHour) {
  const struct {
    std::int64_t ms;
    const char* text;
  } cases[] = {{0, "0:00"},          {59'999, "0:59"},       {178'000, "2:58"},
               {3'599'000, "59:59"}, {3'600'000, "1:00:00"}, {36'061'000, "10:01:01"}};
  for (const auto& c : cases)
    EXPECT_EQ(FormatPlayingTime(c.ms), c.text) << c.ms;
}

}  // namespace
}  // namespace wendrel

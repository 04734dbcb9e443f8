#include "assembly/solve_stats.h"

#include <limits>

namespace wendrel {

bool SolveStats::Add(std::int64_t ms, bool withHelp) {
  // Counters stand still at their limits rather than overflow.
  if (solved == std::numeric_limits<int>::max())
    return false;
  ++solved;
  if (withHelp) {
    ++solvedWithHelp;
    return false;
  }
  totalMs = ms > std::numeric_limits<std::int64_t>::max() - totalMs
                ? std::numeric_limits<std::int64_t>::max()
                : totalMs + ms;
  const bool best = SolvedUnaided() == 1 || ms < bestMs;
  if (best)
    bestMs = ms;
  return best;
}

std::string FormatPlayingTime(std::int64_t ms) {
  const std::int64_t seconds = ms / 1000;
  const auto twoDigits = [](std::int64_t n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  const std::string minutesAndSeconds =
      twoDigits(seconds / 60 % 60) + ":" + twoDigits(seconds % 60);
  if (seconds < 3600)
    return std::to_string(seconds / 60) + ":" + twoDigits(seconds % 60);
  return std::to_string(seconds / 3600) + ":" + minutesAndSeconds;
}

}  // namespace wendrel

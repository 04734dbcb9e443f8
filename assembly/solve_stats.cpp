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
  // Built by appending only: on a "0" + std::string that it inlines, GCC 12 at -O3 (as in
  // Release) warns falsely of overlapping copies (-Wrestrict).
  std::string text;
  const auto appendTwoDigits = [&text](std::int64_t n) {
    if (n < 10)
      text += '0';
    text += std::to_string(n);
  };
  if (seconds < 3600) {
    text = std::to_string(seconds / 60);
  } else {
    text = std::to_string(seconds / 3600);
    text += ':';
    appendTwoDigits(seconds / 60 % 60);
  }
  text += ':';
  appendTwoDigits(seconds % 60);
  return text;
}

}  // namespace wendrel

#pragma once

#include <cstdint>
#include <string>

namespace wendrel {

// What a player has achieved with one shape: how many puzzles they solved, how many of
// those with help, and the best and mean times of the solves without help, in
// milliseconds.
struct SolveStats {
  int solved = 0;
  int solvedWithHelp = 0;
  std::int64_t bestMs = 0;   // meaningful only when some solve was without help
  std::int64_t totalMs = 0;  // of the solves without help

  int SolvedUnaided() const { return solved - solvedWithHelp; }
  std::int64_t MeanMs() const { return SolvedUnaided() > 0 ? totalMs / SolvedUnaided() : 0; }

  // Counts a solve. One with help sets no time. Returns whether the time is a new best.
  bool Add(std::int64_t ms, bool withHelp);
};

// A playing time as m:ss, or h:mm:ss from an hour on; seconds are counted whole.
std::string FormatPlayingTime(std::int64_t ms);

}  // namespace wendrel

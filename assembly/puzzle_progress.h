#pragma once

#include <cstdint>
#include <limits>

namespace wendrel {

// A monotonic count of milliseconds: the time the game record is given on every call
// that can start, stop or charge the clock.
using Ms = std::int64_t;

// Beyond these the counters stand still rather than overflow, and a saved game that
// holds more is refused: a century of play, and a hint count no player reaches.
inline constexpr std::int64_t kMaxPlayingMs = std::int64_t{100} * 366 * 24 * 3600 * 1000;
inline constexpr int kMaxHints = std::numeric_limits<int>::max();

// How far the player has come with one puzzle, beyond where its groups lie.
struct PuzzleProgress {
  std::int64_t playingMs = 0;
  int hints = 0;
  bool solvedByProgram = false;
  // The clock runs from the first gesture after a Generate or a Restart.
  bool started = false;
  // Some move has solved the puzzle: a solve undone and made again counts once.
  bool solvedBefore = false;

  void AddTime(std::int64_t ms);
  void CountHint();
  bool Helped() const { return hints > 0 || solvedByProgram; }
  bool operator==(const PuzzleProgress&) const = default;
};

}  // namespace wendrel

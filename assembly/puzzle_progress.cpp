#include "assembly/puzzle_progress.h"

#include <algorithm>

namespace wendrel {

void PuzzleProgress::AddTime(std::int64_t ms) {
  const std::int64_t room = std::max<std::int64_t>(0, kMaxPlayingMs - playingMs);
  playingMs += std::clamp<std::int64_t>(ms, 0, room);
}

void PuzzleProgress::CountHint() {
  if (hints < kMaxHints)
    ++hints;
}

}  // namespace wendrel

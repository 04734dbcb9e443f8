#pragma once

#include <map>

#include "assembly/puzzle_id.h"
#include "assembly/solve_stats.h"

namespace wendrel {

// Where the statistics of every kind of puzzle are kept: the player's settings in the
// program, a table in tests. The game record reads a kind's statistics afresh at each solve
// it books, so that two copies of the program running at once add up rather than overwrite
// each other.
class SolveBook {
 public:
  virtual ~SolveBook() = default;
  virtual SolveStats Read(const PuzzleKind& kind) const = 0;
  virtual void Write(const PuzzleKind& kind, const SolveStats& stats) = 0;
};

// A book in memory.
class SolveTable : public SolveBook {
 public:
  SolveStats Read(const PuzzleKind& kind) const override {
    const auto found = m_stats.find(kind);
    return found == m_stats.end() ? SolveStats{} : found->second;
  }
  void Write(const PuzzleKind& kind, const SolveStats& stats) override { m_stats[kind] = stats; }

 private:
  std::map<PuzzleKind, SolveStats> m_stats;
};

}  // namespace wendrel

#pragma once

#include <map>

#include "assembly/solve_stats.h"
#include "shapes/shape_catalogue.h"

namespace wendrel {

// Where the statistics of every shape are kept: the player's settings in the program, a
// table in tests. The game record reads a shape's statistics afresh at each solve it
// books, so that two copies of the program running at once add up rather than overwrite
// each other.
class SolveBook {
 public:
  virtual ~SolveBook() = default;
  virtual SolveStats Read(Shape shape) const = 0;
  virtual void Write(Shape shape, const SolveStats& stats) = 0;
};

// A book in memory.
class SolveTable : public SolveBook {
 public:
  SolveStats Read(Shape shape) const override {
    const auto found = m_stats.find(shape);
    return found == m_stats.end() ? SolveStats{} : found->second;
  }
  void Write(Shape shape, const SolveStats& stats) override { m_stats[shape] = stats; }

 private:
  std::map<Shape, SolveStats> m_stats;
};

}  // namespace wendrel

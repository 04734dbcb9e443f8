#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "tools/puzzle_run.h"

namespace wendrel {

// The sizes of one successful run's puzzle.
struct RunMeasures {
  int interiorNodes = 0;
  int triangles = 0;
  int innerEdges = 0;
  int unassignedTriangles = 0;
};

RunMeasures MeasureRun(const PuzzleGenerator& generator);

// Smallest, middle and largest of a set of counts; the median of an even number of
// counts is the mean of the middle two.
struct Spread {
  int min = 0;
  double median = 0.0;
  int max = 0;
};

Spread SpreadOf(std::vector<int> values);

// Collects runs over a range of seeds and reports how many failed and the spread of
// the successful runs' sizes.
class SeedRangeStats {
 public:
  void Add(const PuzzleRun& run);
  int Runs() const { return runs_; }
  const std::vector<std::int32_t>& FailedSeeds() const { return failedSeeds_; }
  Spread InteriorNodes() const { return SpreadOf(interiorNodes_); }
  Spread Triangles() const { return SpreadOf(triangles_); }
  Spread InnerEdges() const { return SpreadOf(innerEdges_); }
  Spread UnassignedTriangles() const { return SpreadOf(unassigned_); }

  void Report(std::ostream& out, double seconds) const;

 private:
  int runs_ = 0;
  std::vector<std::int32_t> failedSeeds_;
  std::vector<int> interiorNodes_;
  std::vector<int> triangles_;
  std::vector<int> innerEdges_;
  std::vector<int> unassigned_;
};

}  // namespace wendrel

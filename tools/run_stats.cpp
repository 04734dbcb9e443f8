#include "tools/run_stats.h"

#include <algorithm>
#include <iomanip>
#include <string>

namespace wendrel {

namespace {

// Failed seeds named in a report; a long range may fail many times.
constexpr std::size_t kFailuresListed = 20;

void ReportSpread(std::ostream& out, const char* name, const Spread& s) {
  out << std::left << std::setw(22) << name << std::right << std::setw(6) << s.min << std::setw(10)
      << s.median << std::setw(6) << s.max << '\n';
}

}  // namespace

RunMeasures MeasureRun(const PuzzleGenerator& g) {
  RunMeasures m;
  m.interiorNodes = g.nodeCount - g.outline.vertexCount;
  m.triangles = g.triangles.count;
  m.innerEdges = g.edges.edgeCount - g.edges.outlineEdgeCount;
  for (int t = 0; t < g.triangles.count; ++t) {
    if (g.triangles.Get(t).piece == 0)
      ++m.unassignedTriangles;
  }
  return m;
}

Spread SpreadOf(std::vector<int> values) {
  if (values.empty())
    return Spread{};
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  const double median =
      n % 2 == 1 ? values[n / 2] : (static_cast<double>(values[n / 2 - 1]) + values[n / 2]) / 2;
  return Spread{values.front(), median, values.back()};
}

void SeedRangeStats::Add(const PuzzleRun& run) {
  ++runs_;
  if (!run.ok()) {
    failedSeeds_.push_back(run.seed());
    return;
  }
  const RunMeasures m = MeasureRun(run.generator());
  interiorNodes_.push_back(m.interiorNodes);
  triangles_.push_back(m.triangles);
  innerEdges_.push_back(m.innerEdges);
  unassigned_.push_back(m.unassignedTriangles);
}

void SeedRangeStats::Report(std::ostream& out, double seconds) const {
  out << runs_ << " runs, " << failedSeeds_.size() << " failed";
  if (!failedSeeds_.empty()) {
    out << " (seeds";
    for (std::size_t i = 0; i < failedSeeds_.size() && i < kFailuresListed; ++i) {
      out << ' ' << failedSeeds_[i];
    }
    if (failedSeeds_.size() > kFailuresListed)
      out << " ...";
    out << ')';
  }
  out << '\n';
  out << "over the " << interiorNodes_.size() << " successful runs:\n";
  out << std::left << std::setw(22) << "" << std::right << std::setw(6) << "min" << std::setw(10)
      << "median" << std::setw(6) << "max" << '\n';
  ReportSpread(out, "interior nodes", InteriorNodes());
  ReportSpread(out, "triangles", Triangles());
  ReportSpread(out, "inner edges", InnerEdges());
  ReportSpread(out, "unassigned triangles", UnassignedTriangles());
  out << "total time " << std::fixed << std::setprecision(3) << seconds << " s ("
      << std::setprecision(3) << (runs_ > 0 ? seconds * 1000 / runs_ : 0.0) << " ms per run)\n";
  out << std::defaultfloat;
}

}  // namespace wendrel

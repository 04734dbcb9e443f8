#pragma once

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "geometry/predicates.h"
#include "shapes/shape_outline.h"

namespace wendrel {

// Where an outline's sides cross each whole-number row of a band. PointInPolygon toggles
// once for every side whose CrossingX on the point's row lies left of the point; keeping
// those crossings row by row answers the same question with a few comparisons instead of
// a pass over every side.
class OutlineRows {
 public:
  // Rows y0 .. y1 - 1.
  void Build(const ShapeOutline& outline, int y0, int y1) {
    y0_ = y0;
    y1_ = y1;
    start_.assign(static_cast<std::size_t>(y1 - y0) + 1, 0);
    ForEachCrossing(outline, [this](int row, double) { ++start_[row + 1]; });
    std::partial_sum(start_.begin(), start_.end(), start_.begin());
    x_.resize(static_cast<std::size_t>(start_.back()));
    fill_.assign(start_.begin(), start_.end() - 1);
    ForEachCrossing(outline, [this](int row, double x) { x_[fill_[row]++] = x; });
  }

  // Equal to outline.Contains(x, y) for a row y that Build covered.
  bool Contains(double x, int y) const {
    const int row = y - y0_;
    bool inside = false;
    for (int i = start_[row]; i < start_[row + 1]; ++i)
      inside = inside != (x_[i] < x);
    return inside;
  }

 private:
  // Calls visit(row, crossingX) for every side crossing a covered row.
  template <typename Visit>
  void ForEachCrossing(const ShapeOutline& outline, Visit visit) const {
    const int n = outline.vertexCount;
    for (int i = 1; i <= n; ++i) {
      const DPoint p = outline.vertices[i - 1], q = outline.vertices[i % n];
      // CrossingX answers only rows with lo <= y < hi; no other row needs asking.
      const double first = std::max(std::ceil(std::min(p.y, q.y)), static_cast<double>(y0_));
      const double end = std::min(std::max(p.y, q.y), static_cast<double>(y1_));
      for (double y = first; y < end; y += 1.0) {
        double x;
        if (CrossingX(p, q, y, x))
          visit(static_cast<int>(y) - y0_, x);
      }
    }
  }

  int y0_ = 0;
  int y1_ = 0;
  std::vector<int> start_;  // row r's crossings are x_[start_[r] .. start_[r + 1] - 1]
  std::vector<int> fill_;   // where Build puts each row's next crossing
  std::vector<double> x_;
};

}  // namespace wendrel

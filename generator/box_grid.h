#pragma once

#include <algorithm>

#include "generator/bucket_lists.h"
#include "geometry/primitives.h"

namespace wendrel {

// An axis-aligned box, closed on every side.
struct Box {
  double minX, maxX, minY, maxY;
};

inline Box BoxOf(const Segment& s) {
  return Box{std::min(s.a.x, s.b.x), std::max(s.a.x, s.b.x), std::min(s.a.y, s.b.y),
             std::max(s.a.y, s.b.y)};
}

inline Box BoxOf(DPoint p) {
  return Box{p.x, p.x, p.y, p.y};
}

// Items (edges or nodes) sorted into square cells by their boxes; an item is listed in
// every cell that its box touches. Cell indices never decrease as a coordinate grows, so
// two boxes with a point in common both touch that point's cell: the cells that a box
// touches list every item whose box it meets. A point outside the covered area counts
// in the nearest border cell, which keeps that order.
class BoxGrid {
 public:
  // Covers (minX, minY) to (maxX, maxY) with cells `cell` wide, or wider where that
  // would make more than 64 a side.
  void Reset(double minX, double minY, double maxX, double maxY, double cell) {
    minX_ = minX;
    minY_ = minY;
    cell = std::max({cell, (maxX - minX) / kMaxCellsPerSide, (maxY - minY) / kMaxCellsPerSide});
    // A degenerate area (no extent, no spacing) still gets cells of some size.
    if (!(cell > 0.0))
      cell = 1.0;
    perCell_ = 1.0 / cell;
    columns_ = static_cast<int>(std::min((maxX - minX) / cell, kMaxCellsPerSide)) + 1;
    rows_ = static_cast<int>(std::min((maxY - minY) / cell, kMaxCellsPerSide)) + 1;
    cells_.Reset(columns_ * rows_);
  }

  void Add(int item, const Box& box) {
    for (int r = Row(box.minY); r <= Row(box.maxY); ++r) {
      for (int c = Column(box.minX); c <= Column(box.maxX); ++c)
        cells_.Add(r * columns_ + c, item);
    }
  }

  // Whether test(item) holds for some item listed in the cells that box touches or in
  // the `ring` cells round them. An item listed in several of them is offered again.
  template <typename Test>
  bool Any(const Box& box, int ring, Test test) const {
    const int r0 = std::max(Row(box.minY) - ring, 0);
    const int r1 = std::min(Row(box.maxY) + ring, rows_ - 1);
    const int c0 = std::max(Column(box.minX) - ring, 0);
    const int c1 = std::min(Column(box.maxX) + ring, columns_ - 1);
    for (int r = r0; r <= r1; ++r) {
      for (int c = c0; c <= c1; ++c) {
        if (cells_.Any(r * columns_ + c, test))
          return true;
      }
    }
    return false;
  }

 private:
  static constexpr double kMaxCellsPerSide = 64.0;

  // Multiplying by a positive number keeps the order, as dividing would.
  int Column(double x) const { return Index((x - minX_) * perCell_, columns_); }
  int Row(double y) const { return Index((y - minY_) * perCell_, rows_); }
  // Clamped first, so that truncation is the floor and huge or infinite values are safe.
  static int Index(double cells, int count) {
    return static_cast<int>(std::clamp(cells, 0.0, count - 1.0));
  }

  double minX_ = 0.0;
  double minY_ = 0.0;
  double perCell_ = 1.0;
  int columns_ = 1;
  int rows_ = 1;
  BucketLists cells_;
};

}  // namespace wendrel

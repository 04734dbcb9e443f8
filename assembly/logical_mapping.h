#pragma once

#include "assembly/piece_set.h"
#include "geometry/primitives.h"

namespace wendrel {

// A point of the view's logical plane: one unit a pixel, y down.
struct LogicalPoint {
  int x = 0;
  int y = 0;

  bool operator==(const LogicalPoint&) const = default;
};

// Where a model point is drawn: the fraction is dropped first (toward zero) and the origin
// applied afterwards, so model x = -0.5 lands on the origin's column, not one to its left.
inline LogicalPoint ToLogical(DPoint p) {
  return LogicalPoint{static_cast<int>(p.x) + PieceSet::kOriginX,
                      PieceSet::kOriginY - static_cast<int>(p.y)};
}

// The model point that a logical point stands for (y up), as clicks are hit-tested.
inline DPoint ToModel(int x, int y) {
  return DPoint{static_cast<double>(x - PieceSet::kOriginX),
                static_cast<double>(PieceSet::kOriginY - y)};
}

// The model box that a rectangle of the logical plane covers.
inline ModelBox ToModel(const PlayArea& area) {
  const DPoint topLeft = ToModel(area.left, area.top);
  const DPoint bottomRight = ToModel(area.right, area.bottom);
  return ModelBox{topLeft.x, bottomRight.x, bottomRight.y, topLeft.y};
}

}  // namespace wendrel

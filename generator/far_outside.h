#pragma once

#include <algorithm>
#include <limits>

#include "generator/box_grid.h"
#include "geometry/primitives.h"

namespace wendrel {

// The points that Triangle::ContainsCCW certainly rejects, told apart with a few
// comparisons.
//
// ContainsCCW rounds, so right at a side of a triangle, or anywhere near a flat one, it
// may disagree with exact arithmetic; elsewhere it cannot. Let L be the triangle's extent
// (its largest coordinate difference) and ask that its doubled area be at least L^2/1024,
// which bounds every angle and altitude from below. A point at distance d > L/2^20
// outside the triangle's box then lies outside some side whose test value is at least
// 1.6e-7 L d in size, while the rounding of that test stays below 6.7e-16 L (d + 2L)
// (Shewchuk's bound for the orientation test), under a hundredth of it. That test comes
// out negative, and so does ContainsCCW. A flatter triangle rules nothing out.
class FarOutside {
 public:
  explicit FarOutside(const Triangle& t)
      : box_{std::min({t.a.x, t.b.x, t.c.x}), std::max({t.a.x, t.b.x, t.c.x}),
             std::min({t.a.y, t.b.y, t.c.y}), std::max({t.a.y, t.b.y, t.c.y})} {
    const double extent = std::max(box_.maxX - box_.minX, box_.maxY - box_.minY);
    // The orientation value of MakeMeshTriangle: the doubled area, positive when
    // counter-clockwise.
    const double area2 = (t.c.x - t.b.x) * (t.a.y - t.b.y) - (t.c.y - t.b.y) * (t.a.x - t.b.x);
    if (area2 > 0 && area2 >= kFlatness * extent * extent) {
      margin_ = extent * kMarginScale;
    } else {
      box_ = Box{-kInfinity, kInfinity, -kInfinity, kInfinity};
    }
  }

  bool operator()(DPoint p) const {
    return p.x - box_.maxX > margin_ || box_.minX - p.x > margin_ || p.y - box_.maxY > margin_ ||
           box_.minY - p.y > margin_;
  }

  // The triangle's box widened by the margin: every point that ContainsCCW may accept
  // lies in it, but for the rounding of the widening. For a flat triangle, the plane.
  Box Reach() const {
    return Box{box_.minX - margin_, box_.maxX + margin_, box_.minY - margin_, box_.maxY + margin_};
  }

 private:
  static constexpr double kFlatness = 1.0 / 1024;
  static constexpr double kMarginScale = 1.0 / (1024 * 1024);
  static constexpr double kInfinity = std::numeric_limits<double>::infinity();

  Box box_;
  double margin_ = kInfinity;
};

}  // namespace wendrel

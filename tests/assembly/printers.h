#pragma once

#include <ostream>

#include "geometry/primitives.h"

// Test messages show points as (x, y) and triangles as their three corners.

namespace wendrel {

inline void PrintTo(const DPoint& p, std::ostream* os) {
  *os << "(" << p.x << ", " << p.y << ")";
}

inline void PrintTo(const Triangle& t, std::ostream* os) {
  PrintTo(t.a, os);
  PrintTo(t.b, os);
  PrintTo(t.c, os);
}

}  // namespace wendrel

#include "tests/shapes/outline_checks.h"

#include <cmath>
#include <numbers>

#include "geometry/predicates.h"
#include "shapes/shape_library.h"

namespace wendrel {

void PrintTo(const DPoint& p, std::ostream* os) {
  *os << "(" << p.x << ", " << p.y << ")";
}

ShapeOutline MakeOutline(std::initializer_list<DPoint> vertices,
                         std::initializer_list<DPoint> seeds) {
  ShapeOutline outline;
  for (const DPoint& v : vertices)
    outline.vertices[outline.vertexCount++] = v;
  for (const DPoint& s : seeds)
    outline.seeds[outline.seedCount++] = s;
  return outline;
}

const ShapeOutline& BuiltInOutline(int slot) {
  static const ShapeLibrary library;
  return library.Slot(slot);
}

double DoubleSignedArea(const ShapeOutline& outline) {
  const int n = outline.vertexCount;
  double sum = 0.0;
  for (int i = 0; i < n; ++i) {
    const DPoint& a = outline.vertices[i];
    const DPoint& b = outline.vertices[(i + 1) % n];
    sum += a.x * b.y - b.x * a.y;
  }
  return sum;
}

::testing::AssertionResult IsSimple(const ShapeOutline& outline) {
  const int n = outline.vertexCount;
  for (int i = 0; i < n; ++i) {
    for (int j = i + 1; j < n; ++j) {
      if (outline.vertices[i] == outline.vertices[j]) {
        return ::testing::AssertionFailure() << "vertices " << i << " and " << j << " coincide";
      }
    }
  }
  const auto side = [&](int i) {
    return Segment{outline.vertices[i], outline.vertices[(i + 1) % n]};
  };
  for (int i = 0; i < n; ++i) {
    // Side i shares a vertex with sides i - 1 and i + 1 only.
    for (int j = i + 2; j < n; ++j) {
      if (i == 0 && j == n - 1)
        continue;
      if (SegmentsIntersect(side(i), side(j))) {
        return ::testing::AssertionFailure() << "sides " << i << " and " << j << " meet";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult IsSimpleCounterClockwise(const ShapeOutline& outline) {
  const ::testing::AssertionResult simple = IsSimple(outline);
  if (!simple)
    return simple;
  const double area = DoubleSignedArea(outline);
  if (area <= 0)
    return ::testing::AssertionFailure() << "twice the signed area is " << area;
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult AllSeedsInside(const ShapeOutline& outline) {
  for (int i = 0; i < outline.seedCount; ++i) {
    const DPoint& s = outline.seeds[i];
    if (!outline.Contains(s.x, s.y)) {
      return ::testing::AssertionFailure()
             << "seed " << i << " (" << s.x << ", " << s.y << ") lies outside";
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult HasBounds(const ShapeOutline& outline, const OutlineBounds& expected) {
  const OutlineBounds b = outline.ComputeBounds();
  if (b.minX == expected.minX && b.maxX == expected.maxX && b.minY == expected.minY &&
      b.maxY == expected.maxY) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "x " << b.minX << " .. " << b.maxX << ", y " << b.minY << " .. " << b.maxY;
}

double TurnDegrees(const ShapeOutline& outline, int i) {
  const int n = outline.vertexCount;
  const DPoint& a = outline.vertices[(i + n - 1) % n];
  const DPoint& b = outline.vertices[i];
  const DPoint& c = outline.vertices[(i + 1) % n];
  const double cross = (b.x - a.x) * (c.y - b.y) - (b.y - a.y) * (c.x - b.x);
  const double dot = (b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y);
  return std::atan2(cross, dot) * 180.0 / std::numbers::pi;
}

bool HasVertex(const ShapeOutline& outline, DPoint p) {
  for (int i = 0; i < outline.vertexCount; ++i) {
    if (outline.vertices[i] == p)
      return true;
  }
  return false;
}

}  // namespace wendrel

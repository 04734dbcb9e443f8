#include "shapes/shape_outline.h"

#include <cmath>

#include "geometry/predicates.h"

namespace wendrel {

void ShapeOutline::CopyFrom(const ShapeOutline& other) {
  vertexCount = other.vertexCount;
  for (int i = 0; i < kMaxVertices; ++i)
    vertices[i] = other.vertices[i];
  seedCount = other.seedCount;
  for (int i = 0; i < seedCount && i < kMaxSeeds; ++i)
    seeds[i] = other.seeds[i];
}

bool ShapeOutline::Contains(double x, double y) const {
  return PointInPolygon(vertices, vertexCount, DPoint{x, y});
}

OutlineBounds ShapeOutline::ComputeBounds() const {
  OutlineBounds b{vertices[0].x, vertices[0].x, vertices[0].y, vertices[0].y};
  if (vertexCount < 2)
    return b;
  for (int i = 1; i < vertexCount; ++i) {
    const DPoint& v = vertices[i];
    if (v.x < b.minX)
      b.minX = v.x;
    if (v.x > b.maxX)
      b.maxX = v.x;
    if (v.y < b.minY)
      b.minY = v.y;
    if (v.y > b.maxY)
      b.maxY = v.y;
  }
  return b;
}

double ShapeOutline::MeanSideLength() const {
  const int n = vertexCount;
  if (n <= 1)
    return 0.0;
  double sum = 0.0;
  for (int i = 0; i < n - 1; ++i) {
    const double dx = vertices[i].x - vertices[i + 1].x;
    const double dy = vertices[i].y - vertices[i + 1].y;
    sum += std::sqrt(dx * dx + dy * dy);
  }
  return sum / n;
}

}  // namespace wendrel

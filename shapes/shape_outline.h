#pragma once

#include "geometry/primitives.h"

namespace wendrel {

struct OutlineBounds {
  double minX = 0.0;
  double maxX = 0.0;
  double minY = 0.0;
  double maxY = 0.0;
};

// A target outline: a closed polygon (the last vertex joins the first, which is not
// repeated) and one seed point per piece to be cut from it.
struct ShapeOutline {
  static constexpr int kMaxVertices = 200;
  static constexpr int kMaxSeeds = 20;

  DPoint vertices[kMaxVertices];
  int vertexCount = 0;
  DPoint seeds[kMaxSeeds];
  int seedCount = 0;

  void Reset() { *this = ShapeOutline{}; }
  // Appends the vertices and seeds of a built-in table.
  template <int V, int S>
  void Append(const DPoint (&newVertices)[V], const DPoint (&newSeeds)[S]) {
    static_assert(V <= kMaxVertices && S <= kMaxSeeds);
    for (const DPoint& v : newVertices)
      vertices[vertexCount++] = v;
    for (const DPoint& s : newSeeds)
      seeds[seedCount++] = s;
  }
  // Copies the counts, all vertex entries and the seeds in use; seed entries beyond
  // other.seedCount keep their old values.
  void CopyFrom(const ShapeOutline& other);
  bool Contains(double x, double y) const;
  // With no vertices the bounds are vertex 0's stored values.
  OutlineBounds ComputeBounds() const;
  // The sides from vertex 0 to vertex n-1 (not the closing side) summed, divided by n.
  double MeanSideLength() const;
};

}  // namespace wendrel

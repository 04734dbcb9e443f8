#pragma once

#include "geometry/growable_array.h"

namespace wendrel {

// One piece as the generator forms it: the triangles it grew over, in the order added,
// and which other regions share a triangle side with it.
struct PieceRegion {
  static constexpr int kMaxRegions = 20;

  PieceRegion() : triangles(0, 256) {}

  GrowableArray<unsigned int> triangles;
  int count = 0;
  int adjacent[kMaxRegions] = {};

  // Zeroes every stored index (the storage keeps its size), the count and the flags.
  void Clear();
  void AddTriangle(int t);
  // The index at position i; -1 outside the stored entries.
  int TriangleAt(int i) const;
};

}  // namespace wendrel

#pragma once

#include "geometry/growable_array.h"
#include "geometry/primitives.h"

namespace wendrel {

struct MeshTriangle {
  Triangle tri;              // counter-clockwise (y up), with the centroid
  int edges[3] = {0, 0, 0};  // the side it was found from, then b-apex, then c-apex
  int piece = 0;             // 0 = no region, else region index + 1
  int nodes[3] = {0, 0, 0};  // nodes of a, b, c
};

// Builds a triangle from three points as given: the centroid is summed in the order
// passed, then a clockwise triangle has its first and third vertex (and node) swapped.
// The edge indices keep their order.
MeshTriangle MakeMeshTriangle(DPoint pa, DPoint pb, DPoint pc, int na, int nb, int nc, int ea,
                              int eb, int ec);

class MeshTriangleList {
 public:
  MeshTriangleList() : storage_(256, 256) {}

  int count = 0;

  // Every stored record back to its default values; count 0; the storage stays.
  void Clear();
  void Append(DPoint pa, DPoint pb, DPoint pc, int na, int nb, int nc, int ea, int eb, int ec);
  const MeshTriangle& Get(int i) const { return storage_[i]; }
  MeshTriangle& At(int i) { return storage_[i]; }
  // Some triangle in use has exactly these three nodes, in any order.
  bool Contains(int na, int nb, int nc) const;
  // The triangle with no region whose centroid is nearest to (x, y), ties to the lower
  // index. False, with out unchanged, when every triangle has a region.
  bool NearestFree(double x, double y, int& out) const;
  int StorageSize() const { return storage_.Size(); }

 private:
  GrowableArray<MeshTriangle> storage_;
};

}  // namespace wendrel

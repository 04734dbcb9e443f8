#include "generator/piece_region.h"

namespace wendrel {

void PieceRegion::Clear() {
  triangles.ResetAll();
  count = 0;
  for (int& flag : adjacent)
    flag = 0;
}

void PieceRegion::AddTriangle(int t) {
  triangles.At(count) = static_cast<unsigned int>(t);
  ++count;
}

int PieceRegion::TriangleAt(int i) const {
  if (i < 0 || i >= triangles.Size())
    return -1;
  return static_cast<int>(triangles[i]);
}

}  // namespace wendrel

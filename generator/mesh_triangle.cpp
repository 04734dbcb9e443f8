#include "generator/mesh_triangle.h"

#include <algorithm>
#include <array>
#include <utility>

#include "geometry/predicates.h"

namespace wendrel {

MeshTriangle MakeMeshTriangle(DPoint pa, DPoint pb, DPoint pc, int na, int nb, int nc, int ea,
                              int eb, int ec) {
  MeshTriangle t;
  t.tri.a = pa;
  t.tri.b = pb;
  t.tri.c = pc;
  t.nodes[0] = na;
  t.nodes[1] = nb;
  t.nodes[2] = nc;
  t.tri.centroid = Centroid(pa, pb, pc);
  const DPoint a = t.tri.a, b = t.tri.b, c = t.tri.c;
  const double cross = (c.x - b.x) * (a.y - b.y) - (c.y - b.y) * (a.x - b.x);
  if (cross < 0) {
    std::swap(t.tri.a, t.tri.c);
    std::swap(t.nodes[0], t.nodes[2]);
  }
  t.edges[0] = ea;
  t.edges[1] = eb;
  t.edges[2] = ec;
  t.piece = 0;
  return t;
}

void MeshTriangleList::Clear() {
  storage_.ResetAll();
  count = 0;
}

void MeshTriangleList::Append(DPoint pa, DPoint pb, DPoint pc, int na, int nb, int nc, int ea,
                              int eb, int ec) {
  storage_.At(count) = MakeMeshTriangle(pa, pb, pc, na, nb, nc, ea, eb, ec);
  ++count;
}

bool MeshTriangleList::Contains(int na, int nb, int nc) const {
  std::array<int, 3> wanted{na, nb, nc};
  std::sort(wanted.begin(), wanted.end());
  for (int i = 0; i < count; ++i) {
    const int* n = storage_[i].nodes;
    // A triangle whose first node is none of the wanted ones cannot hold all three; the
    // full comparison below decides only for the few that pass.
    if (n[0] != wanted[0] && n[0] != wanted[1] && n[0] != wanted[2])
      continue;
    std::array<int, 3> have{n[0], n[1], n[2]};
    std::sort(have.begin(), have.end());
    if (have == wanted)
      return true;
  }
  return false;
}

bool MeshTriangleList::NearestFree(double x, double y, int& out) const {
  int best = -1;
  double bestD = 0.0;
  for (int i = 0; i < count; ++i) {
    const MeshTriangle& t = storage_[i];
    if (t.piece != 0)
      continue;
    const double dx = x - t.tri.centroid.x;
    const double dy = y - t.tri.centroid.y;
    const double d = dx * dx + dy * dy;
    if (best < 0 || d < bestD) {
      best = i;
      bestD = d;
    }
  }
  if (best < 0)
    return false;
  out = best;
  return true;
}

}  // namespace wendrel

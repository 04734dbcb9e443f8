// Cutting a triangulation into pieces: one region per seed point, grown in turns one
// triangle at a time across shared sides, then which regions share a side.

#include "generator/puzzle_generator.h"
#include "generator/random.h"
#include "generator/random_pool.h"

namespace wendrel {

void PuzzleGenerator::ResetRegions() {
  for (PieceRegion& region : regions) region.Clear();
  pieceCount = 0;
}

void PuzzleGenerator::FormPieces() {
  const int s = outline.seedCount;
  RandomPool(s);
  for (int i = 0; i < s; ++i) {
    const int k = RandomPool(0);
    int t;
    // A seed with no free triangle left keeps an empty region: it never takes a
    // triangle that another region owns.
    if (k < 0 || !triangles.NearestFree(outline.seeds[k].x, outline.seeds[k].y, t)) continue;
    triangles.At(t).piece = i + 1;
    regions[i].AddTriangle(t);
  }
  pieceCount = s;
  GrowRegions();
  ComputeRegionAdjacency();
}

void PuzzleGenerator::GrowRegions() {
  bool grew = true;
  while (grew) {
    grew = false;
    for (int r = 0; r < pieceCount; ++r) {
      if (GrowRegionOnce(r)) grew = true;
    }
  }
}

bool PuzzleGenerator::GrowRegionOnce(int r) {
  PieceRegion& region = regions[r];
  const int n = region.count;
  if (n <= 0) return false;
  const int start = rand() % n;
  int p = start;
  for (;;) {
    const int t = region.TriangleAt(p);
    int side = rand() % 3;
    bool found = CanGrowAcross(t, side);
    for (int turn = 0; turn < 2 && !found; ++turn) {
      side = (side + 1) % 3;
      found = CanGrowAcross(t, side);
    }
    if (found) {
      const MeshEdge& e = edges.Get(triangles.Get(t).edges[side]);
      const int u = e.Triangle(0) == t ? e.Triangle(1) : e.Triangle(0);
      triangles.At(u).piece = r + 1;
      region.AddTriangle(u);
      return true;
    }
    p = (p + 1) % n;
    if (p == start) return false;
  }
}

bool PuzzleGenerator::CanGrowAcross(int t, int side) const {
  const int e = triangles.Get(t).edges[side];
  if (!edges.IsValidIndex(e)) return false;
  const MeshEdge& edge = edges.Get(e);
  if (edge.triangleCount < 2) return false;
  const int x = edge.Triangle(0), y = edge.Triangle(1);
  if (x == t) return y != t && triangles.Get(y).piece == 0;
  return y == t && triangles.Get(x).piece == 0;
}

void PuzzleGenerator::ComputeRegionAdjacency() {
  for (PieceRegion& region : regions) {
    for (int& flag : region.adjacent) flag = 0;
  }
  for (int j = 0; j < pieceCount; ++j) {
    for (int k = 0; k < pieceCount; ++k) {
      if (k == j) continue;
      int flag = 0;
      for (int a = 0; a < regions[j].count && !flag; ++a) {
        const int* e1 = triangles.Get(regions[j].TriangleAt(a)).edges;
        for (int b = 0; b < regions[k].count && !flag; ++b) {
          const int* e2 = triangles.Get(regions[k].TriangleAt(b)).edges;
          for (int x = 0; x < 3 && !flag; ++x) {
            for (int y = 0; y < 3 && !flag; ++y) flag = e1[x] == e2[y] ? 1 : 0;
          }
        }
      }
      regions[j].adjacent[k] = flag;
    }
  }
}

}  // namespace wendrel

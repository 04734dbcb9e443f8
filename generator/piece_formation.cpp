// Cutting a triangulation into pieces: one region per seed point, grown in turns one
// triangle at a time across shared sides, then which regions share a side.

#include <algorithm>
#include <vector>

#include "generator/puzzle_generator.h"
#include "generator/random.h"
#include "generator/random_pool.h"

namespace wendrel {

namespace {

// Whether two ascending lists have an entry in common.
bool SortedListsMeet(const int* a, const int* aEnd, const int* b, const int* bEnd) {
  while (a != aEnd && b != bEnd) {
    if (*a < *b) {
      ++a;
    } else if (*b < *a) {
      ++b;
    } else {
      return true;
    }
  }
  return false;
}

}  // namespace

void PuzzleGenerator::ResetRegions() {
  for (PieceRegion& region : regions)
    region.Clear();
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
    if (k < 0 || !triangles.NearestFree(outline.seeds[k].x, outline.seeds[k].y, t))
      continue;
    triangles.At(t).piece = i + 1;
    regions[i].AddTriangle(t);
  }
  pieceCount = s;
  GrowRegions();
  ComputeRegionAdjacency();
}

void PuzzleGenerator::GrowRegions() {
  // A region that once fails to grow never grows again: its own triangles stay the same
  // and free triangles only become fewer. Trying it again would find nothing and only
  // draw its numbers (none for an empty region, else one for the start and one for each
  // of its triangles), so a stalled region just draws them.
  bool stalled[PieceRegion::kMaxRegions] = {};
  bool grew = true;
  while (grew) {
    grew = false;
    for (int r = 0; r < pieceCount; ++r) {
      if (stalled[r]) {
        const int draws = regions[r].count > 0 ? regions[r].count + 1 : 0;
        for (int d = 0; d < draws; ++d)
          wendrel::rand();
      } else if (GrowRegionOnce(r)) {
        grew = true;
      } else {
        stalled[r] = true;
      }
    }
  }
}

bool PuzzleGenerator::GrowRegionOnce(int r) {
  PieceRegion& region = regions[r];
  const int n = region.count;
  if (n <= 0)
    return false;
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
    if (p == start)
      return false;
  }
}

bool PuzzleGenerator::CanGrowAcross(int t, int side) const {
  const int e = triangles.Get(t).edges[side];
  if (!edges.IsValidIndex(e))
    return false;
  const MeshEdge& edge = edges.Get(e);
  if (edge.triangleCount < 2)
    return false;
  const int x = edge.Triangle(0), y = edge.Triangle(1);
  if (x == t)
    return y != t && triangles.Get(y).piece == 0;
  return y == t && triangles.Get(x).piece == 0;
}

void PuzzleGenerator::ComputeRegionAdjacency() {
  for (PieceRegion& region : regions) {
    for (int& flag : region.adjacent)
      flag = 0;
  }
  // Two regions share a side exactly when some side index occurs among the triangles of
  // both; with each region's side indices sorted, a merge of two lists finds that.
  std::vector<int>& sides = scratch_.regionSides;
  std::vector<int>& start = scratch_.regionSideStart;
  sides.clear();
  start.assign(1, 0);
  for (int j = 0; j < pieceCount; ++j) {
    const PieceRegion& region = regions[j];
    for (int a = 0; a < region.count; ++a) {
      const int* e = triangles.Get(region.TriangleAt(a)).edges;
      sides.insert(sides.end(), e, e + 3);
    }
    std::sort(sides.begin() + start.back(), sides.end());
    start.push_back(static_cast<int>(sides.size()));
  }
  const int* side = sides.data();
  for (int j = 0; j < pieceCount; ++j) {
    for (int k = 0; k < pieceCount; ++k) {
      if (k == j)
        continue;
      const bool meet = SortedListsMeet(side + start[j], side + start[j + 1], side + start[k],
                                        side + start[k + 1]);
      regions[j].adjacent[k] = meet ? 1 : 0;
    }
  }
}

}  // namespace wendrel

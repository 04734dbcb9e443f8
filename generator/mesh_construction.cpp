// The first stage of a run: outline nodes and sides, scattered interior points, and
// each node's links to its nearest neighbours.

#include <algorithm>

#include "generator/box_grid.h"
#include "generator/outline_rows.h"
#include "generator/puzzle_generator.h"
#include "generator/random.h"
#include "geometry/predicates.h"

namespace wendrel {

void PuzzleGenerator::BuildOutlineMesh() {
  const int n = outline.vertexCount;
  edges.outlineEdgeCount = n;
  for (int i = 0; i < n; ++i)
    AppendNode(outline.vertices[i].x, outline.vertices[i].y);
  for (int i = 0; i < n; ++i) {
    const int j = (i + 1) % n;
    const int e = edges.edgeCount;
    AddLinkAt(i, j, e);
    AddLinkAt(j, i, e);
    edges.Append(Segment{nodes[i].pos, nodes[j].pos}, i, j);
  }
}

void PuzzleGenerator::ScatterPoints() {
  const double spacing = outline.MeanSideLength();
  const double limit = spacing * spacing;
  const int x0 = static_cast<int>(minX), x1 = static_cast<int>(maxX);
  const int y0 = static_cast<int>(minY), y1 = static_cast<int>(maxY);
  // An outline with no extent in x or y has no interior to scatter into.
  if (x1 - x0 <= 0 || y1 - y0 <= 0)
    return;
  OutlineRows& rows = scratch_.outlineRows;
  rows.Build(outline, y0, y1);
  // Cells one unit wider than the spacing: a node two or more cells away from a point is
  // more than the spacing away from it in x or in y, so its computed squared distance is
  // not below the limit (rounding is monotonic), and only the ring of cells round the
  // point's own can hold a node too close.
  BoxGrid& grid = scratch_.scatterGrid;
  grid.Reset(minX, minY, maxX, maxY, spacing + 1.0);
  for (int i = 0; i < nodeCount; ++i)
    grid.Add(i, BoxOf(nodes[i].pos));
  for (int attempt = 0; attempt < kScatterTries; ++attempt) {
    const int x = x0 + rand() % (x1 - x0);
    const int y = y0 + rand() % (y1 - y0);
    const DPoint p{static_cast<double>(x), static_cast<double>(y)};
    if (!rows.Contains(p.x, y))
      continue;
    // Any node too close rejects the point, whatever the order of the search.
    const bool tooClose =
        grid.Any(BoxOf(p), 1, [&](int i) { return SquaredDistance(nodes[i].pos, p) < limit; });
    if (!tooClose)
      grid.Add(AppendNode(p.x, p.y), BoxOf(p));
  }
}

void PuzzleGenerator::LinkNearest() {
  for (int j = 0; j < nodeCount; ++j) {
    MeshNode& node = nodes[j];
    // Links made in this loop lead to nodes visited before k, so only a node linked
    // before the loop began can already be linked when its turn comes.
    int before[MeshNode::kMaxLinks];
    const int beforeCount = node.linkCount;
    for (int s = 0; s < beforeCount; ++s)
      before[s] = node.links[s].node;
    for (int k = 0; k < nodeCount; ++k) {
      if (k == j)
        continue;
      const DPoint a = node.pos, b = nodes[k].pos;
      const double d2 = (b.y - a.y) * (b.y - a.y) + (b.x - a.x) * (b.x - a.x);
      // A full list takes nobody at this distance or farther, linked or not, so the
      // search of the list and the insertion can both be left out.
      if (node.linkCount == MeshNode::kMaxLinks &&
          d2 >= node.links[MeshNode::kMaxLinks - 1].dist2) {
        continue;
      }
      if (std::find(before, before + beforeCount, k) != before + beforeCount) {
        bool linked = false;
        for (int s = 0; s < node.linkCount && !linked; ++s)
          linked = node.links[s].node == k;
        if (linked)
          continue;
      }
      node.InsertNearest(k, d2);
    }
  }
}

void PuzzleGenerator::ClassifyLinks() {
  for (int i = 0; i < nodeCount; ++i) {
    MeshNode& node = nodes[i];
    for (int s = 0; s < node.linkCount; ++s) {
      NodeLink& link = node.links[s];
      if (link.state != kLinkCandidate)
        continue;
      const MeshNode& other = nodes[link.node];
      bool linksBack = false;
      for (int k = 0; k < other.linkCount && !linksBack; ++k)
        linksBack = other.links[k].node == i;
      link.state = linksBack ? kLinkMutual : kLinkOneSided;
    }
  }
}

}  // namespace wendrel

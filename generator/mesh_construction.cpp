// The first stage of a run: outline nodes and sides, scattered interior points, and
// each node's links to its nearest neighbours.

#include "geometry/predicates.h"
#include "generator/puzzle_generator.h"
#include "generator/random.h"

namespace wendrel {

void PuzzleGenerator::BuildOutlineMesh() {
  const int n = outline.vertexCount;
  edges.outlineEdgeCount = n;
  for (int i = 0; i < n; ++i) AppendNode(outline.vertices[i].x, outline.vertices[i].y);
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
  if (x1 - x0 <= 0 || y1 - y0 <= 0) return;
  for (int attempt = 0; attempt < kScatterTries; ++attempt) {
    const int x = x0 + rand() % (x1 - x0);
    const int y = y0 + rand() % (y1 - y0);
    const DPoint p{static_cast<double>(x), static_cast<double>(y)};
    if (!outline.Contains(p.x, p.y)) continue;
    bool tooClose = false;
    for (int i = 0; i < nodeCount && !tooClose; ++i) {
      tooClose = SquaredDistance(nodes[i].pos, p) < limit;
    }
    if (!tooClose) AppendNode(p.x, p.y);
  }
}

void PuzzleGenerator::LinkNearest() {
  for (int j = 0; j < nodeCount; ++j) {
    MeshNode& node = nodes[j];
    for (int k = 0; k < nodeCount; ++k) {
      if (k == j) continue;
      bool linked = false;
      for (int s = 0; s < node.linkCount && !linked; ++s) linked = node.links[s].node == k;
      if (linked) continue;
      const DPoint a = node.pos, b = nodes[k].pos;
      const double d2 = (b.y - a.y) * (b.y - a.y) + (b.x - a.x) * (b.x - a.x);
      node.InsertNearest(k, d2);
    }
  }
}

void PuzzleGenerator::ClassifyLinks() {
  for (int i = 0; i < nodeCount; ++i) {
    MeshNode& node = nodes[i];
    for (int s = 0; s < node.linkCount; ++s) {
      NodeLink& link = node.links[s];
      if (link.state != kLinkCandidate) continue;
      const MeshNode& other = nodes[link.node];
      bool linksBack = false;
      for (int k = 0; k < other.linkCount && !linksBack; ++k) linksBack = other.links[k].node == i;
      link.state = linksBack ? kLinkMutual : kLinkOneSided;
    }
  }
}

}  // namespace wendrel

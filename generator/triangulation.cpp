// The triangulation passes: greedy nearest-first edge insertion with a minimum-angle
// rule, then every empty triangle whose three sides are mesh edges.

#include <algorithm>
#include <array>

#include "generator/box_grid.h"
#include "generator/bucket_lists.h"
#include "generator/far_outside.h"
#include "generator/puzzle_generator.h"
#include "geometry/predicates.h"

namespace wendrel {

namespace {

bool IsMeshEdge(int state) {
  return state == kLinkEdge || state == kLinkOutline;
}

// Boxes with a strict gap between them on some axis: SegmentsIntersect rejects exactly
// these pairs before any arithmetic, so skipping them gives the same answer cheaper.
bool BoxesApart(const Box& p, const Box& q) {
  return p.maxX < q.minX || p.minX > q.maxX || p.maxY < q.minY || p.minY > q.maxY;
}

// Three node indices in ascending order, to compare sets of three with repeats counted.
std::array<int, 3> Sorted(int x, int y, int z) {
  const int lo = std::min(x, y), hi = std::max(x, y);
  return {std::min(lo, z), std::max(lo, std::min(hi, z)), std::max(hi, z)};
}

}  // namespace

void PuzzleGenerator::AcceptEdges(double cos2Limit) {
  // The edges by place, and their boxes packed together, for the crossing search.
  BoxGrid& grid = scratch_.edgeGrid;
  std::vector<Box>& edgeBoxes = scratch_.edgeBoxes;
  grid.Reset(minX, minY, maxX, maxY, outline.MeanSideLength());
  edgeBoxes.clear();
  const auto addEdge = [&](int e) {
    edgeBoxes.push_back(BoxOf(edges.Get(e).seg));
    grid.Add(e, edgeBoxes.back());
  };
  for (int e = 0; e < edges.edgeCount; ++e)
    addEdge(e);
  // Rank outer, node inner: every node's nearest link is tried before any second-nearest.
  for (int i = 0; i < MeshNode::kMaxLinks; ++i) {
    for (int v = 0; v < nodeCount; ++v) {
      const MeshNode& from = nodes[v];
      if (i >= from.linkCount || from.links[i].state != kLinkMutual)
        continue;
      const int w = from.links[i].node;
      const MeshNode& to = nodes[w];
      const Segment s{from.pos, to.pos};

      if (v < edges.outlineEdgeCount && w < edges.outlineEdgeCount) {
        const DPoint mid{(from.pos.x + to.pos.x) * 0.5, (from.pos.y + to.pos.y) * 0.5};
        if (!outline.Contains(mid.x, mid.y)) {
          SetLinkBothWays(v, i, kLinkRefused, 0);
          continue;
        }
      }

      // Any crossing refuses the link, so the edges may be searched in any order.
      const Box box = BoxOf(s);
      const bool crosses = grid.Any(box, 0, [&](int e) {
        if (BoxesApart(box, edgeBoxes[e]))
          return false;
        const MeshEdge& edge = edges.Get(e);
        if (edge.nodeA == v || edge.nodeA == w || edge.nodeB == v || edge.nodeB == w)
          return false;
        return SegmentsIntersect(s, edge.seg);
      });
      if (crosses) {
        SetLinkBothWays(v, i, kLinkRefused, 0);
        continue;
      }

      bool sharp = false;
      for (int j = 0; j < MeshNode::kMaxLinks && !sharp; ++j) {
        if (j == i || !IsMeshEdge(from.links[j].state))
          continue;
        sharp = SharpAngleAtStart(s, nodes[from.links[j].node].pos, cos2Limit);
      }
      for (int k = 0; k < MeshNode::kMaxLinks && !sharp; ++k) {
        if (!IsMeshEdge(to.links[k].state) || to.links[k].node == v)
          continue;
        sharp = SharpAngleAtEnd(s, nodes[to.links[k].node].pos, cos2Limit);
      }
      if (sharp) {
        SetLinkBothWays(v, i, kLinkBlocked, 0);
        continue;
      }

      SetLinkBothWays(v, i, kLinkEdge, edges.edgeCount);
      addEdge(edges.Append(s, v, w));
    }
  }
}

void PuzzleGenerator::FormTriangles() {
  // The nodes by place, for the emptiness test, which needs only those near a triangle.
  BoxGrid& nodeGrid = scratch_.nodeGrid;
  nodeGrid.Reset(minX, minY, maxX, maxY, outline.MeanSideLength());
  for (int k = 0; k < nodeCount; ++k)
    nodeGrid.Add(k, BoxOf(nodes[k].pos));
  // The stored triangles by node: a triangle with nodes b, c and e is listed under b.
  BucketLists& byNode = scratch_.trianglesByNode;
  byNode.Reset(nodeCount);
  const auto listTriangle = [&](int t) {
    for (const int n : triangles.Get(t).nodes) {
      if (n >= 0 && n < nodeCount)
        byNode.Add(n, t);
    }
  };
  for (int t = 0; t < triangles.count; ++t)
    listTriangle(t);
  // Every node's mesh edges in link order; the links do not change in this pass.
  std::vector<MeshNeighbour>& neighbours = scratch_.neighbours;
  std::vector<int>& start = scratch_.neighbourStart;
  neighbours.clear();
  start.assign(1, 0);
  for (int k = 0; k < nodeCount; ++k) {
    const MeshNode& node = nodes[k];
    for (int q = 0; q < node.linkCount; ++q) {
      const NodeLink& link = node.links[q];
      if (IsMeshEdge(link.state))
        neighbours.push_back({link.node, link.edge});
    }
    start.push_back(static_cast<int>(neighbours.size()));
  }

  for (int a = 0; a < edges.edgeCount; ++a) {
    const int b = edges.Get(a).nodeA;
    const int c = edges.Get(a).nodeB;
    const MeshNode& nb = nodes[b];
    const MeshNode& nc = nodes[c];
    for (int p = start[b]; p < start[b + 1]; ++p) {
      const int e = neighbours[p].node;
      for (int q = start[c]; q < start[c + 1]; ++q) {
        if (neighbours[q].node != e)
          continue;
        const int eb = neighbours[p].edge;
        const int ec = neighbours[q].edge;
        // The same answer as triangles.Contains(b, c, e): such a triangle is listed under b,
        // and one without c or without e among its nodes cannot be it.
        const std::array<int, 3> wanted = Sorted(b, c, e);
        const bool known = byNode.Any(b, [&](int t) {
          const int* n = triangles.Get(t).nodes;
          if (n[0] != c && n[1] != c && n[2] != c)
            return false;
          if (n[0] != e && n[1] != e && n[2] != e)
            return false;
          return Sorted(n[0], n[1], n[2]) == wanted;
        });
        if (known)
          continue;

        const MeshTriangle candidate =
            MakeMeshTriangle(nb.pos, nc.pos, nodes[e].pos, b, c, e, a, eb, ec);
        // A node that FarOutside rules out cannot be inside; the others lie in the cells
        // of the triangle's reach or, by rounding, in the ring of cells round them.
        const FarOutside farOutside(candidate.tri);
        const bool holdsNode = nodeGrid.Any(farOutside.Reach(), 1, [&](int k) {
          if (k == b || k == c || k == e)
            return false;
          const DPoint pos = nodes[k].pos;
          return !farOutside(pos) && candidate.tri.ContainsCCW(pos);
        });
        if (holdsNode)
          continue;

        const int t = triangles.count;
        edges.AddTriangle(a, t);
        edges.AddTriangle(eb, t);
        edges.AddTriangle(ec, t);
        triangles.Append(nb.pos, nc.pos, nodes[e].pos, b, c, e, a, eb, ec);
        listTriangle(t);
      }
    }
  }
}

}  // namespace wendrel

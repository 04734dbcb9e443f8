// The triangulation passes: greedy nearest-first edge insertion with a minimum-angle
// rule, then every empty triangle whose three sides are mesh edges.

#include "geometry/predicates.h"
#include "generator/puzzle_generator.h"

namespace wendrel {

namespace {

bool IsMeshEdge(int state) { return state == kLinkEdge || state == kLinkOutline; }

}  // namespace

void PuzzleGenerator::AcceptEdges(double cos2Limit) {
  // Rank outer, node inner: every node's nearest link is tried before any second-nearest.
  for (int i = 0; i < MeshNode::kMaxLinks; ++i) {
    for (int v = 0; v < nodeCount; ++v) {
      const MeshNode& from = nodes[v];
      if (i >= from.linkCount || from.links[i].state != kLinkMutual) continue;
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

      bool crosses = false;
      for (int e = 0; e < edges.edgeCount && !crosses; ++e) {
        const MeshEdge& edge = edges.Get(e);
        if (edge.nodeA == v || edge.nodeA == w || edge.nodeB == v || edge.nodeB == w) continue;
        crosses = SegmentsIntersect(s, edge.seg);
      }
      if (crosses) {
        SetLinkBothWays(v, i, kLinkRefused, 0);
        continue;
      }

      bool sharp = false;
      for (int j = 0; j < MeshNode::kMaxLinks && !sharp; ++j) {
        if (j == i || !IsMeshEdge(from.links[j].state)) continue;
        sharp = SharpAngleAtStart(s, nodes[from.links[j].node].pos, cos2Limit);
      }
      for (int k = 0; k < MeshNode::kMaxLinks && !sharp; ++k) {
        if (!IsMeshEdge(to.links[k].state) || to.links[k].node == v) continue;
        sharp = SharpAngleAtEnd(s, nodes[to.links[k].node].pos, cos2Limit);
      }
      if (sharp) {
        SetLinkBothWays(v, i, kLinkBlocked, 0);
        continue;
      }

      SetLinkBothWays(v, i, kLinkEdge, edges.edgeCount);
      edges.Append(s, v, w);
    }
  }
}

void PuzzleGenerator::FormTriangles() {
  for (int a = 0; a < edges.edgeCount; ++a) {
    const int b = edges.Get(a).nodeA;
    const int c = edges.Get(a).nodeB;
    const MeshNode& nb = nodes[b];
    const MeshNode& nc = nodes[c];
    for (int p = 0; p < nb.linkCount; ++p) {
      if (!IsMeshEdge(nb.links[p].state)) continue;
      for (int q = 0; q < nc.linkCount; ++q) {
        if (!IsMeshEdge(nc.links[q].state)) continue;
        const int e = nb.links[p].node;
        if (nc.links[q].node != e) continue;
        const int eb = nb.links[p].edge;
        const int ec = nc.links[q].edge;
        if (triangles.Contains(b, c, e)) continue;

        const MeshTriangle candidate =
            MakeMeshTriangle(nb.pos, nc.pos, nodes[e].pos, b, c, e, a, eb, ec);
        bool holdsNode = false;
        for (int k = 0; k < nodeCount && !holdsNode; ++k) {
          if (k == b || k == c || k == e) continue;
          holdsNode = candidate.tri.ContainsCCW(nodes[k].pos);
        }
        if (holdsNode) continue;

        const int t = triangles.count;
        edges.AddTriangle(a, t);
        edges.AddTriangle(eb, t);
        edges.AddTriangle(ec, t);
        triangles.Append(nb.pos, nc.pos, nodes[e].pos, b, c, e, a, eb, ec);
      }
    }
  }
}

}  // namespace wendrel

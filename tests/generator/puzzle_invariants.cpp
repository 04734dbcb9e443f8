#include "tests/generator/puzzle_invariants.h"

#include <cmath>
#include <vector>

#include "geometry/predicates.h"

namespace wendrel::invariants {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

namespace {

double Cross(DPoint o, DPoint p, DPoint q) {
  return (p.x - o.x) * (q.y - o.y) - (p.y - o.y) * (q.x - o.x);
}

double TriangleArea(const Triangle& t) {
  return 0.5 * Cross(t.a, t.b, t.c);
}

double OutlineArea(const ShapeOutline& outline) {
  double twice = 0;
  for (int i = 0; i < outline.vertexCount; ++i) {
    const DPoint p = outline.vertices[i], q = outline.vertices[(i + 1) % outline.vertexCount];
    twice += p.x * q.y - q.x * p.y;
  }
  return 0.5 * twice;
}

bool Connects(const MeshEdge& edge, int u, int v) {
  return (edge.nodeA == u && edge.nodeB == v) || (edge.nodeA == v && edge.nodeB == u);
}

}  // namespace

using ::testing::AssertionSuccess;

AssertionResult InnerEdgesHaveTwoTrianglesAndOutlineSidesOne(const PuzzleGenerator& gen) {
  for (int e = 0; e < gen.edges.edgeCount; ++e) {
    const int expected = e < gen.edges.outlineEdgeCount ? 1 : 2;
    if (gen.edges.Get(e).triangleCount != expected) {
      return AssertionFailure() << "edge " << e << " has " << gen.edges.Get(e).triangleCount
                                << " triangles";
    }
  }
  return AssertionSuccess();
}

AssertionResult TrianglesAreCounterClockwiseAndTileTheOutline(const PuzzleGenerator& gen) {
  double sum = 0;
  for (int t = 0; t < gen.triangles.count; ++t) {
    const double area = TriangleArea(gen.triangles.Get(t).tri);
    if (!(area > 0))
      return AssertionFailure() << "triangle " << t << " has area " << area;
    sum += area;
  }
  const double outlineArea = OutlineArea(gen.outline);
  if (std::fabs(sum - outlineArea) > 1e-9 * outlineArea) {
    return AssertionFailure() << "triangles cover " << sum << " of " << outlineArea;
  }
  return AssertionSuccess();
}

AssertionResult NoTriangleHoldsAnotherNodeInsideOrOnItsSides(const PuzzleGenerator& gen) {
  for (int t = 0; t < gen.triangles.count; ++t) {
    const MeshTriangle& tri = gen.triangles.Get(t);
    for (int k = 0; k < gen.nodeCount; ++k) {
      if (k == tri.nodes[0] || k == tri.nodes[1] || k == tri.nodes[2])
        continue;
      const DPoint p = gen.nodes[k].pos;
      if (Cross(tri.tri.a, tri.tri.b, p) >= 0 && Cross(tri.tri.b, tri.tri.c, p) >= 0 &&
          Cross(tri.tri.c, tri.tri.a, p) >= 0) {
        return AssertionFailure() << "node " << k << " lies in triangle " << t;
      }
    }
  }
  return AssertionSuccess();
}

AssertionResult EdgesMeetOnlyAtSharedEnds(const PuzzleGenerator& gen) {
  for (int e = 0; e < gen.edges.edgeCount; ++e) {
    const MeshEdge& x = gen.edges.Get(e);
    for (int f = e + 1; f < gen.edges.edgeCount; ++f) {
      const MeshEdge& y = gen.edges.Get(f);
      const bool shareEnd =
          x.nodeA == y.nodeA || x.nodeA == y.nodeB || x.nodeB == y.nodeA || x.nodeB == y.nodeB;
      if (!shareEnd && SegmentsIntersect(x.seg, y.seg)) {
        return AssertionFailure() << "edges " << e << " and " << f << " meet";
      }
    }
  }
  return AssertionSuccess();
}

AssertionResult TriangleRecordsAgreeWithTheirNodesAndEdges(const PuzzleGenerator& gen) {
  for (int t = 0; t < gen.triangles.count; ++t) {
    const MeshTriangle& tri = gen.triangles.Get(t);
    const int* n = tri.nodes;
    if (!(tri.tri.a == gen.nodes[n[0]].pos && tri.tri.b == gen.nodes[n[1]].pos &&
          tri.tri.c == gen.nodes[n[2]].pos)) {
      return AssertionFailure() << "triangle " << t << " is not at its nodes";
    }
    const DPoint mean = Centroid(tri.tri.a, tri.tri.b, tri.tri.c);
    if (std::fabs(tri.tri.centroid.x - mean.x) > 1e-9 ||
        std::fabs(tri.tri.centroid.y - mean.y) > 1e-9) {
      return AssertionFailure() << "triangle " << t << " has its centroid elsewhere";
    }
    // Its three edges are its three distinct sides, and each lists it.
    int sides = 0;
    for (const int e : tri.edges) {
      const MeshEdge& edge = gen.edges.Get(e);
      if (edge.triangles[0] != t && edge.triangles[1] != t) {
        return AssertionFailure() << "edge " << e << " does not list triangle " << t;
      }
      if (Connects(edge, n[0], n[1]))
        sides |= 1;
      if (Connects(edge, n[1], n[2]))
        sides |= 2;
      if (Connects(edge, n[2], n[0]))
        sides |= 4;
    }
    if (sides != 7)
      return AssertionFailure() << "triangle " << t << " names wrong edges";
  }
  return AssertionSuccess();
}

AssertionResult EdgeLinksNameTheEdgeBetweenTheirNodes(const PuzzleGenerator& gen) {
  for (int v = 0; v < gen.nodeCount; ++v) {
    const MeshNode& node = gen.nodes[v];
    for (int k = 0; k < node.linkCount; ++k) {
      const NodeLink& link = node.links[k];
      if (link.state != kLinkEdge && link.state != kLinkOutline)
        continue;
      if (!gen.edges.IsValidIndex(link.edge) || !Connects(gen.edges.Get(link.edge), v, link.node)) {
        return AssertionFailure() << "link " << k << " of node " << v << " names a wrong edge";
      }
    }
  }
  return AssertionSuccess();
}

// The invariants of any run, failed ones included: every stored index refers to a record
// in use.
AssertionResult StoredIndicesAreInRange(const PuzzleGenerator& gen) {
  const int nodes = gen.nodeCount, triangles = gen.triangles.count;
  auto isNode = [nodes](int i) { return i >= 0 && i < nodes; };
  auto isTriangle = [triangles](int i) { return i >= 0 && i < triangles; };
  if (gen.edges.outlineEdgeCount != gen.outline.vertexCount) {
    return AssertionFailure() << "outline edge count " << gen.edges.outlineEdgeCount;
  }
  for (int v = 0; v < nodes; ++v) {
    const MeshNode& node = gen.nodes[v];
    if (node.linkCount < 0 || node.linkCount > MeshNode::kMaxLinks) {
      return AssertionFailure() << "node " << v << " has " << node.linkCount << " links";
    }
    for (int k = 0; k < node.linkCount; ++k) {
      if (!isNode(node.links[k].node))
        return AssertionFailure() << "link of node " << v;
    }
  }
  for (int e = 0; e < gen.edges.edgeCount; ++e) {
    const MeshEdge& edge = gen.edges.Get(e);
    bool ok = isNode(edge.nodeA) && isNode(edge.nodeB) && edge.triangleCount >= 0 &&
              edge.triangleCount <= 2;
    for (int k = 0; ok && k < edge.triangleCount; ++k)
      ok = isTriangle(edge.triangles[k]);
    if (!ok)
      return AssertionFailure() << "edge " << e;
  }
  for (int t = 0; t < triangles; ++t) {
    const MeshTriangle& tri = gen.triangles.Get(t);
    for (int s = 0; s < 3; ++s) {
      if (!isNode(tri.nodes[s]) || !gen.edges.IsValidIndex(tri.edges[s])) {
        return AssertionFailure() << "triangle " << t;
      }
    }
  }
  return AssertionSuccess();
}

AssertionResult EveryTriangleBelongsToExactlyOneRegionThatListsIt(const PuzzleGenerator& gen) {
  if (gen.pieceCount != gen.outline.seedCount) {
    return AssertionFailure() << "piece count " << gen.pieceCount;
  }
  std::vector<int> listings(gen.triangles.count, 0);
  for (int r = 0; r < PieceRegion::kMaxRegions; ++r) {
    const PieceRegion& region = gen.regions[r];
    if ((r < gen.pieceCount) != (region.count > 0)) {
      return AssertionFailure() << "region " << r << " holds " << region.count << " triangles";
    }
    for (int i = 0; i < region.count; ++i) {
      const int t = region.TriangleAt(i);
      if (t < 0 || t >= gen.triangles.count) {
        return AssertionFailure() << "region " << r << " lists " << t;
      }
      ++listings[t];
      if (gen.triangles.Get(t).piece != r + 1) {
        return AssertionFailure() << "triangle " << t << " listed by region " << r << " has piece "
                                  << gen.triangles.Get(t).piece;
      }
    }
  }
  for (int t = 0; t < gen.triangles.count; ++t) {
    if (listings[t] != 1) {
      return AssertionFailure() << "triangle " << t << " is listed " << listings[t] << " times";
    }
  }
  return AssertionSuccess();
}

AssertionResult AdjacencyMarksExactlyTheRegionsOnTheTwoSidesOfSomeEdge(const PuzzleGenerator& gen) {
  int expected[PieceRegion::kMaxRegions][PieceRegion::kMaxRegions] = {};
  for (int e = 0; e < gen.edges.edgeCount; ++e) {
    const MeshEdge& edge = gen.edges.Get(e);
    if (edge.triangleCount != 2)
      continue;
    const int p = gen.triangles.Get(edge.triangles[0]).piece - 1;
    const int q = gen.triangles.Get(edge.triangles[1]).piece - 1;
    if (p < 0 || q < 0 || p == q)
      continue;
    expected[p][q] = expected[q][p] = 1;
  }
  for (int r = 0; r < PieceRegion::kMaxRegions; ++r) {
    for (int k = 0; k < PieceRegion::kMaxRegions; ++k) {
      if (gen.regions[r].adjacent[k] != expected[r][k]) {
        return AssertionFailure() << "regions " << r << " and " << k << " flagged "
                                  << gen.regions[r].adjacent[k];
      }
    }
  }
  return AssertionSuccess();
}

AssertionResult IsFinishedPuzzle(const PuzzleGenerator& gen) {
  for (auto check :
       {InnerEdgesHaveTwoTrianglesAndOutlineSidesOne, TrianglesAreCounterClockwiseAndTileTheOutline,
        NoTriangleHoldsAnotherNodeInsideOrOnItsSides, EdgesMeetOnlyAtSharedEnds,
        TriangleRecordsAgreeWithTheirNodesAndEdges, EdgeLinksNameTheEdgeBetweenTheirNodes,
        StoredIndicesAreInRange, EveryTriangleBelongsToExactlyOneRegionThatListsIt,
        AdjacencyMarksExactlyTheRegionsOnTheTwoSidesOfSomeEdge}) {
    AssertionResult result = check(gen);
    if (!result)
      return result;
  }
  return AssertionSuccess();
}

}  // namespace wendrel::invariants

#pragma once

// Meshes laid out by hand, whole generation runs and mesh comparisons shared by the
// generator tests.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>

#include "generator/puzzle_generator.h"
#include "generator/random.h"
#include "geometry/predicates.h"
#include "shapes/shape_library.h"

namespace wendrel::fixtures {

// Squared cosines of 45, 30 and about 15 degrees: the smallest angle a new edge may make
// in the first, second and third triangulation try. Written out here rather than taken
// from the generator so that a changed limit shows.
constexpr double kFirstTryLimit = 0.5;
constexpr double kSecondTryLimit = 0.75;
constexpr double kThirdTryLimit = 0.933012;
constexpr double kTryLimits[3] = {kFirstTryLimit, kSecondTryLimit, kThirdTryLimit};

inline ShapeOutline MakeOutline(std::initializer_list<DPoint> vertices,
                                std::initializer_list<DPoint> seeds = {}) {
  ShapeOutline outline;
  for (DPoint v : vertices)
    outline.vertices[outline.vertexCount++] = v;
  for (DPoint s : seeds)
    outline.seeds[outline.seedCount++] = s;
  return outline;
}

// The outline every puzzle is cut from.
inline const ShapeOutline& PuzzleOutline() {
  static const ShapeLibrary library;
  return library.Slot(ShapeLibrary::kPuzzleSlot);
}

// A convex quadrilateral, long along x, small enough that no interior point keeps the
// spacing from its corners. Its long diagonal 0-2 makes about 17 degrees with the sides
// at node 0, its short diagonal 1-3 more than 70 degrees with every side it meets.
inline ShapeOutline Kite() {
  return MakeOutline({{0, 0}, {100, -30}, {200, 0}, {100, 30}});
}

// One Generate as the command runs it, with the model's sequence seeded by seed.
inline int Generate(PuzzleGenerator& gen, unsigned seed) {
  wendrel::srand(seed);
  gen.LoadOutline(PuzzleOutline());
  if (!gen.BuildTriangulation())
    return 0;
  gen.ResetRegions();
  gen.FormPieces();
  return 1;
}

// The driver's sequence on the puzzle outline written out step by step, with the limits
// above, running at most maxTries tries. Returns the try (1 to 3) after which every inner
// edge had two triangles, 0 when none within maxTries did.
inline int ReplayTries(PuzzleGenerator& gen, unsigned seed, int maxTries) {
  wendrel::srand(seed);
  gen.LoadOutline(PuzzleOutline());
  gen.ClearNodes();
  gen.edges.Clear();
  gen.triangles.Clear();
  gen.BuildOutlineMesh();
  gen.ScatterPoints();
  gen.LinkNearest();
  gen.ClassifyLinks();
  for (int t = 0; t < maxTries; ++t) {
    if (t > 0)
      gen.ResetBlockedLinks();
    gen.AcceptEdges(kTryLimits[t]);
    gen.FormTriangles();
    if (gen.edges.AllInnerEdgesClosed())
      return t + 1;
  }
  return 0;
}

// State of v's first link to w; kLinkNone when v holds none.
inline int StateOfLink(const PuzzleGenerator& gen, int v, int w) {
  const MeshNode& node = gen.nodes[v];
  for (int k = 0; k < node.linkCount; ++k) {
    if (node.links[k].node == w)
      return node.links[k].state;
  }
  return kLinkNone;
}

// Index of the triangle in use with these three nodes in any order; -1 when none.
inline int FindTriangle(const PuzzleGenerator& gen, int a, int b, int c) {
  std::array<int, 3> wanted{a, b, c};
  std::sort(wanted.begin(), wanted.end());
  for (int t = 0; t < gen.triangles.count; ++t) {
    const int* n = gen.triangles.Get(t).nodes;
    std::array<int, 3> have{n[0], n[1], n[2]};
    std::sort(have.begin(), have.end());
    if (have == wanted)
      return t;
  }
  return -1;
}

// A mesh laid out by hand: the outline's nodes and sides as a run builds them, then the
// interior nodes, links and edges a test needs, so that one pass can be driven on a
// known configuration.
class HandMadeMesh {
 public:
  explicit HandMadeMesh(const ShapeOutline& outline) {
    gen.LoadOutline(outline);
    gen.BuildOutlineMesh();
  }

  int AddPoint(double x, double y) { return gen.AppendNode(x, y); }

  // Appends a link from v to w at v's next position and returns that position.
  int AddLink(int v, int w, int state, int edge = 0) {
    MeshNode& node = gen.nodes[v];
    if (node.linkCount >= MeshNode::kMaxLinks) {
      ADD_FAILURE() << "node " << v << " has no room for another link";
      return -1;
    }
    const double d2 = SquaredDistance(node.pos, gen.nodes[w].pos);
    node.links[node.linkCount] = NodeLink{w, state, d2, edge};
    return node.linkCount++;
  }

  // A link both ways that the edge acceptance pass may take.
  void AddMutual(int v, int w) {
    AddLink(v, w, kLinkMutual);
    AddLink(w, v, kLinkMutual);
  }

  // An inner edge as the edge acceptance pass leaves it; returns its index.
  int AddEdge(int v, int w) {
    const int e = gen.edges.Append(Segment{gen.nodes[v].pos, gen.nodes[w].pos}, v, w);
    AddLink(v, w, kLinkEdge, e);
    AddLink(w, v, kLinkEdge, e);
    return e;
  }

  int StateOf(int v, int w) const { return StateOfLink(gen, v, w); }

  PuzzleGenerator gen;
};

// A row of triangles between a bottom line of points (100k, 0), k = 0..m, and a top line
// (100k + 50, 100), k = 0..m-1, each triangle sharing one side with the next. The
// outline runs along the bottom and back along the top; the 2m - 1 triangles are formed
// by the triangle pass from the inner edges.
class TriangleStrip : public HandMadeMesh {
 public:
  explicit TriangleStrip(int m, std::initializer_list<DPoint> seeds = {})
      : HandMadeMesh(StripOutline(m, seeds)), m_(m) {
    for (int k = 1; k < m; ++k) {
      AddEdge(Bottom(k), Top(k - 1));
      AddEdge(Bottom(k), Top(k));
    }
    gen.FormTriangles();
  }

  int Count() const { return 2 * m_ - 1; }

  // The triangle at place p of the row, counted from the left.
  int At(int p) const {
    const int k = p / 2;
    if (p % 2 == 0)
      return FindTriangle(gen, Bottom(k), Bottom(k + 1), Top(k));
    return FindTriangle(gen, Bottom(k + 1), Top(k + 1), Top(k));
  }

  // A point inside the triangle at place p, near its centroid.
  static DPoint Inside(int p) { return {50.0 + 50.0 * p, p % 2 == 0 ? 33.0 : 66.0}; }

 private:
  int Bottom(int k) const { return k; }
  int Top(int k) const { return 2 * m_ - k; }

  static ShapeOutline StripOutline(int m, std::initializer_list<DPoint> seeds) {
    ShapeOutline outline = MakeOutline({}, seeds);
    for (int k = 0; k <= m; ++k)
      outline.vertices[outline.vertexCount++] = {100.0 * k, 0};
    for (int k = m - 1; k >= 0; --k) {
      outline.vertices[outline.vertexCount++] = {100.0 * k + 50.0, 100};
    }
    return outline;
  }

  int m_;
};

// Whether two generators hold the same mesh: nodes with their links, edges with their
// triangles, triangles with their owners.
inline ::testing::AssertionResult SameMesh(const PuzzleGenerator& x, const PuzzleGenerator& y) {
  if (x.nodeCount != y.nodeCount) {
    return ::testing::AssertionFailure() << "node counts " << x.nodeCount << " / " << y.nodeCount;
  }
  for (int i = 0; i < x.nodeCount; ++i) {
    const MeshNode &p = x.nodes[i], &q = y.nodes[i];
    bool same = p.pos == q.pos && p.linkCount == q.linkCount;
    for (int k = 0; same && k < p.linkCount; ++k) {
      const NodeLink &l = p.links[k], &m = q.links[k];
      const bool hasEdge = l.state == kLinkEdge || l.state == kLinkOutline;
      same = l.node == m.node && l.state == m.state && (!hasEdge || l.edge == m.edge);
    }
    if (!same)
      return ::testing::AssertionFailure() << "node " << i << " differs";
  }
  if (x.edges.edgeCount != y.edges.edgeCount ||
      x.edges.outlineEdgeCount != y.edges.outlineEdgeCount) {
    return ::testing::AssertionFailure()
           << "edge counts " << x.edges.edgeCount << " / " << y.edges.edgeCount;
  }
  for (int e = 0; e < x.edges.edgeCount; ++e) {
    const MeshEdge &p = x.edges.Get(e), &q = y.edges.Get(e);
    bool same = p.seg.a == q.seg.a && p.seg.b == q.seg.b && p.nodeA == q.nodeA &&
                p.nodeB == q.nodeB && p.triangleCount == q.triangleCount;
    for (int k = 0; same && k < p.triangleCount; ++k)
      same = p.triangles[k] == q.triangles[k];
    if (!same)
      return ::testing::AssertionFailure() << "edge " << e << " differs";
  }
  if (x.triangles.count != y.triangles.count) {
    return ::testing::AssertionFailure()
           << "triangle counts " << x.triangles.count << " / " << y.triangles.count;
  }
  for (int t = 0; t < x.triangles.count; ++t) {
    const MeshTriangle &p = x.triangles.Get(t), &q = y.triangles.Get(t);
    const bool same = p.tri == q.tri && p.piece == q.piece &&
                      std::equal(p.edges, p.edges + 3, q.edges) &&
                      std::equal(p.nodes, p.nodes + 3, q.nodes);
    if (!same)
      return ::testing::AssertionFailure() << "triangle " << t << " differs";
  }
  return ::testing::AssertionSuccess();
}

// Whether two generators hold the same piece regions and side-sharing flags.
inline ::testing::AssertionResult SameRegions(const PuzzleGenerator& x, const PuzzleGenerator& y) {
  if (x.pieceCount != y.pieceCount) {
    return ::testing::AssertionFailure()
           << "piece counts " << x.pieceCount << " / " << y.pieceCount;
  }
  for (int r = 0; r < PieceRegion::kMaxRegions; ++r) {
    const PieceRegion &p = x.regions[r], &q = y.regions[r];
    bool same = p.count == q.count &&
                std::equal(p.adjacent, p.adjacent + PieceRegion::kMaxRegions, q.adjacent);
    for (int i = 0; same && i < p.count; ++i)
      same = p.TriangleAt(i) == q.TriangleAt(i);
    if (!same)
      return ::testing::AssertionFailure() << "region " << r << " differs";
  }
  return ::testing::AssertionSuccess();
}

}  // namespace wendrel::fixtures

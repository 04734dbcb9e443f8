// The edge acceptance pass and the triangle pass, each driven on a small mesh laid out
// by hand, and the triangle record they fill.

#include <gtest/gtest.h>

#include "generator/mesh_triangle.h"
#include "tests/generator/generator_fixtures.h"

namespace wendrel {
namespace {

using fixtures::HandMadeMesh;
using fixtures::kFirstTryLimit;
using fixtures::kSecondTryLimit;
using fixtures::kThirdTryLimit;
using fixtures::MakeOutline;

// A convex diamond, wide along x: nodes 0 (0,-50), 1 (100,0), 2 (0,50), 3 (-100,0). Its
// vertical diagonal 0-2 makes more than 60 degrees with every side it meets.
ShapeOutline Diamond() {
  return MakeOutline({{0, -50}, {100, 0}, {0, 50}, {-100, 0}});
}

// A square whose top side is pushed in: nodes 0 (0,0), 1 (100,0), 2 (100,100),
// 3 (50,40), 4 (0,90). The chord 2-4 runs over the notch, wholly outside, and crosses no
// side; its angles to the sides at both ends are above 40 degrees.
ShapeOutline NotchedSquare() {
  return MakeOutline({{0, 0}, {100, 0}, {100, 100}, {50, 40}, {0, 90}});
}

// A square standing on a corner: nodes 0 (0,-100), 1 (100,0), 2 (0,100), 3 (-100,0).
// Both diagonals make 45 degrees with every side they meet.
ShapeOutline SquareOnCorner() {
  return MakeOutline({{0, -100}, {100, 0}, {0, 100}, {-100, 0}});
}

// ---------------------------------------------------------------------------------------
// Which links become edges

TEST(EdgeAcceptance, TakesMutualLinksOnly) {
  HandMadeMesh mesh(MakeOutline({{-100, -100}, {100, -100}, {100, 100}, {-100, 100}}));
  const int p = mesh.AddPoint(0, 0);
  mesh.AddMutual(p, 0);
  mesh.AddLink(p, 1, kLinkOneSided);
  mesh.AddLink(p, 2, kLinkCandidate);
  mesh.AddLink(p, 3, kLinkRefused);
  mesh.gen.AcceptEdges(kThirdTryLimit);

  EXPECT_EQ(mesh.StateOf(p, 0), kLinkEdge);
  EXPECT_EQ(mesh.StateOf(0, p), kLinkEdge);
  EXPECT_EQ(mesh.StateOf(p, 1), kLinkOneSided);
  EXPECT_EQ(mesh.StateOf(p, 2), kLinkCandidate);
  EXPECT_EQ(mesh.StateOf(p, 3), kLinkRefused);
  EXPECT_EQ(mesh.StateOf(1, 2), kLinkOutline);
  EXPECT_EQ(mesh.gen.edges.edgeCount, 5) << "one inner edge besides the four sides";
}

TEST(EdgeAcceptance, AcceptedEdgeRunsFromTheVisitingNodeAndIsNamedInBothLinks) {
  HandMadeMesh mesh(Diamond());
  mesh.AddMutual(0, 2);
  mesh.gen.AcceptEdges(kFirstTryLimit);

  ASSERT_EQ(mesh.gen.edges.edgeCount, 5);
  const MeshEdge& edge = mesh.gen.edges.Get(4);
  EXPECT_EQ(edge.nodeA, 0);
  EXPECT_EQ(edge.nodeB, 2);
  EXPECT_EQ(edge.seg.a, (DPoint{0, -50}));
  EXPECT_EQ(edge.seg.b, (DPoint{0, 50}));
  EXPECT_EQ(edge.triangleCount, 0);
  EXPECT_EQ(mesh.gen.GetNode(0).LinkEdge(2), 4);
  EXPECT_EQ(mesh.gen.GetNode(2).LinkEdge(2), 4);
}

TEST(EdgeAcceptance, ChordOutsideTheOutlineIsRefusedThoughItCrossesNothing) {
  HandMadeMesh mesh(NotchedSquare());
  mesh.AddMutual(2, 4);
  mesh.gen.AcceptEdges(kThirdTryLimit);

  EXPECT_EQ(mesh.StateOf(2, 4), kLinkRefused);
  EXPECT_EQ(mesh.StateOf(4, 2), kLinkRefused);
  EXPECT_EQ(mesh.gen.edges.edgeCount, 5);
}

TEST(EdgeAcceptance, ChordInsideTheOutlineIsAcceptedWhenItCrossesNothing) {
  HandMadeMesh mesh(Diamond());
  mesh.AddMutual(0, 2);
  mesh.gen.AcceptEdges(kFirstTryLimit);

  EXPECT_EQ(mesh.StateOf(0, 2), kLinkEdge);
  EXPECT_EQ(mesh.StateOf(2, 0), kLinkEdge);
}

TEST(EdgeAcceptance, ChordInsideTheOutlineIsRefusedWhenItCrossesAnEdge) {
  HandMadeMesh mesh(Diamond());
  mesh.AddEdge(1, 3);
  mesh.AddMutual(0, 2);
  mesh.gen.AcceptEdges(kThirdTryLimit);

  EXPECT_EQ(mesh.StateOf(0, 2), kLinkRefused);
  EXPECT_EQ(mesh.StateOf(2, 0), kLinkRefused);
  EXPECT_EQ(mesh.gen.edges.edgeCount, 5);
}

TEST(EdgeAcceptance, LinkThroughANodeIsAcceptedWhenNoEdgeEndsThere) {
  HandMadeMesh mesh(Diamond());
  mesh.AddPoint(0, 0);
  mesh.AddMutual(0, 2);
  mesh.gen.AcceptEdges(kFirstTryLimit);

  EXPECT_EQ(mesh.StateOf(0, 2), kLinkEdge);
}

TEST(EdgeAcceptance, LinkThroughANodeWhereAnotherEdgeEndsTouchesItAndIsRefused) {
  HandMadeMesh mesh(Diamond());
  const int centre = mesh.AddPoint(0, 0);
  mesh.AddEdge(centre, 1);
  mesh.AddMutual(0, 2);
  mesh.gen.AcceptEdges(kThirdTryLimit);

  EXPECT_EQ(mesh.StateOf(0, 2), kLinkRefused);
  EXPECT_EQ(mesh.StateOf(2, 0), kLinkRefused);
}

TEST(EdgeAcceptance, EdgesAcceptedEarlierInThePassAreCrossTested) {
  // Both diagonals are Mutual at the same rank; node 0 comes first and takes 0-2, so 1-3
  // must then be refused for crossing it.
  HandMadeMesh mesh(SquareOnCorner());
  mesh.AddMutual(0, 2);
  mesh.AddMutual(1, 3);
  mesh.gen.AcceptEdges(kSecondTryLimit);

  EXPECT_EQ(mesh.StateOf(0, 2), kLinkEdge);
  EXPECT_EQ(mesh.StateOf(1, 3), kLinkRefused);
  EXPECT_EQ(mesh.gen.edges.edgeCount, 5);
}

TEST(EdgeAcceptance, NearerRanksAreDecidedBeforeFartherOnesOfAnyNode) {
  // Node 3 holds the diagonal 1-3 at rank 2; every other end of a diagonal holds its link
  // at rank 3, behind a one-sided one. Node 0 comes first among the nodes, but ranks come
  // before nodes, so 1-3 is decided first and wins.
  HandMadeMesh mesh(SquareOnCorner());
  const int spare = mesh.AddPoint(40, 20);
  for (int v = 0; v < 3; ++v)
    mesh.AddLink(v, spare, kLinkOneSided);
  mesh.AddMutual(0, 2);
  mesh.AddMutual(1, 3);
  mesh.gen.AcceptEdges(kSecondTryLimit);

  EXPECT_EQ(mesh.StateOf(1, 3), kLinkEdge);
  EXPECT_EQ(mesh.StateOf(0, 2), kLinkRefused);
}

// ---------------------------------------------------------------------------------------
// The smallest angle a new edge may make with an edge already at its end

// Node A at the origin holds an edge along +x to B = (100, 0). A Mutual candidate runs
// from A to a point C, decided either from A (the angle test at the start of the new
// edge) or from C (the test at its end), as the parameter says.
class AngleLimit : public ::testing::TestWithParam<bool> {
 protected:
  AngleLimit() : mesh_(MakeOutline({{-3000, -3000}, {3000, -3000}, {3000, 3000}, {-3000, 3000}})) {}

  // Builds the candidate from A to far and runs the first pass with limit.
  void FirstPass(DPoint far, double limit) {
    a_ = mesh_.AddPoint(0, 0);
    const int b = mesh_.AddPoint(100, 0);
    c_ = mesh_.AddPoint(far.x, far.y);
    mesh_.AddEdge(a_, b);
    const bool decidedAtA = GetParam();
    // A's candidate sits at rank 1, behind its edge. Decided from A, C's own link is put
    // behind a one-sided one at rank 1 too, and A has the lower index; decided from C, C's
    // link sits at rank 0.
    mesh_.AddLink(a_, c_, kLinkMutual);
    if (decidedAtA)
      mesh_.AddLink(c_, 0, kLinkOneSided);
    mesh_.AddLink(c_, a_, kLinkMutual);
    mesh_.gen.AcceptEdges(limit);
  }

  // Reopens blocked links and runs the pass again, as a later try does.
  void NextPass(double limit) {
    mesh_.gen.ResetBlockedLinks();
    mesh_.gen.AcceptEdges(limit);
  }

  int Candidate() const {
    EXPECT_EQ(mesh_.StateOf(a_, c_), mesh_.StateOf(c_, a_)) << "both ends agree";
    return mesh_.StateOf(a_, c_);
  }

  HandMadeMesh mesh_;
  int a_ = -1;
  int c_ = -1;
};

TEST_P(AngleLimit, Angle40IsBlockedInTheFirstTryAndAcceptedInTheSecond) {
  FirstPass({100, 84}, kFirstTryLimit);  // atan(0.84) = 40.03 degrees
  EXPECT_EQ(Candidate(), kLinkBlocked);
  NextPass(kSecondTryLimit);
  EXPECT_EQ(Candidate(), kLinkEdge);
}

TEST_P(AngleLimit, Angle31IsBlockedInTheFirstTryAndAcceptedInTheSecond) {
  FirstPass({1000, 601}, kFirstTryLimit);  // atan(0.601) = 31.01 degrees
  EXPECT_EQ(Candidate(), kLinkBlocked);
  NextPass(kSecondTryLimit);
  EXPECT_EQ(Candidate(), kLinkEdge);
}

TEST_P(AngleLimit, ExactlyFortyFiveDegreesPassesTheFirstTry) {
  FirstPass({100, 100}, kFirstTryLimit);
  EXPECT_EQ(Candidate(), kLinkEdge);
}

TEST_P(AngleLimit, Angle20IsAcceptedOnlyInTheThirdTry) {
  FirstPass({100, 36}, kFirstTryLimit);  // atan(0.36) = 19.80 degrees
  EXPECT_EQ(Candidate(), kLinkBlocked);
  NextPass(kSecondTryLimit);
  EXPECT_EQ(Candidate(), kLinkBlocked);
  NextPass(kThirdTryLimit);
  EXPECT_EQ(Candidate(), kLinkEdge);
}

TEST_P(AngleLimit, AngleJustAboveFifteenIsAcceptedOnlyInTheThirdTry) {
  FirstPass({1000, 268}, kFirstTryLimit);  // atan(0.268) = 15.0024 degrees
  EXPECT_EQ(Candidate(), kLinkBlocked);
  NextPass(kSecondTryLimit);
  EXPECT_EQ(Candidate(), kLinkBlocked);
  NextPass(kThirdTryLimit);
  EXPECT_EQ(Candidate(), kLinkEdge);
}

TEST_P(AngleLimit, AngleJustBelowFifteenIsBlockedInEveryTry) {
  FirstPass({1000, 267}, kFirstTryLimit);  // atan(0.267) = 14.948 degrees
  NextPass(kSecondTryLimit);
  NextPass(kThirdTryLimit);
  EXPECT_EQ(Candidate(), kLinkBlocked);
}

TEST_P(AngleLimit, LinkAlongAnEdgeAtTheSameNodeIsBlockedInEveryTry) {
  FirstPass({200, 0}, kFirstTryLimit);
  EXPECT_EQ(Candidate(), kLinkBlocked);
  NextPass(kSecondTryLimit);
  EXPECT_EQ(Candidate(), kLinkBlocked);
  NextPass(kThirdTryLimit);
  EXPECT_EQ(Candidate(), kLinkBlocked);
}

TEST_P(AngleLimit, RightAngleNeverBlocks) {
  FirstPass({0, 100}, kThirdTryLimit);
  EXPECT_EQ(Candidate(), kLinkEdge);
}

TEST_P(AngleLimit, ObtuseAngleNeverBlocks) {
  FirstPass({-100, 30}, kThirdTryLimit);
  EXPECT_EQ(Candidate(), kLinkEdge);
}

INSTANTIATE_TEST_SUITE_P(BothEnds, AngleLimit, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "DecidedAtSharedNode" : "DecidedAtFarNode";
                         });

TEST(EdgeAcceptance, OutlineSidesLimitTheAngleLikeEdges) {
  // The kite's long diagonal makes 16.7 degrees with both sides at node 0.
  HandMadeMesh mesh(fixtures::Kite());
  mesh.AddMutual(0, 2);
  mesh.gen.AcceptEdges(kSecondTryLimit);
  EXPECT_EQ(mesh.StateOf(0, 2), kLinkBlocked);
  mesh.gen.ResetBlockedLinks();
  mesh.gen.AcceptEdges(kThirdTryLimit);
  EXPECT_EQ(mesh.StateOf(0, 2), kLinkEdge);
}

TEST(EdgeAcceptance, BlockingStoresNoEdgeAndReopeningRestoresMutualBothWays) {
  HandMadeMesh mesh(fixtures::Kite());
  mesh.AddMutual(0, 2);
  mesh.gen.AcceptEdges(kFirstTryLimit);
  ASSERT_EQ(mesh.StateOf(0, 2), kLinkBlocked);
  EXPECT_EQ(mesh.StateOf(2, 0), kLinkBlocked);
  EXPECT_EQ(mesh.gen.edges.edgeCount, 4);

  mesh.gen.ResetBlockedLinks();
  EXPECT_EQ(mesh.StateOf(0, 2), kLinkMutual);
  EXPECT_EQ(mesh.StateOf(2, 0), kLinkMutual);
}

// ---------------------------------------------------------------------------------------
// The triangle record

TEST(MeshTriangleRecord, CounterClockwisePointsAreKeptAsGiven) {
  const MeshTriangle t = MakeMeshTriangle({0, 0}, {10, 0}, {0, 10}, 4, 5, 6, 7, 8, 9);
  EXPECT_EQ(t.tri.a, (DPoint{0, 0}));
  EXPECT_EQ(t.tri.b, (DPoint{10, 0}));
  EXPECT_EQ(t.tri.c, (DPoint{0, 10}));
  EXPECT_EQ(t.nodes[0], 4);
  EXPECT_EQ(t.nodes[1], 5);
  EXPECT_EQ(t.nodes[2], 6);
  EXPECT_EQ(t.edges[0], 7);
  EXPECT_EQ(t.edges[1], 8);
  EXPECT_EQ(t.edges[2], 9);
  EXPECT_EQ(t.piece, 0);
}

TEST(MeshTriangleRecord, ClockwisePointsSwapFirstAndThirdVertexAndNodeButNotEdges) {
  const MeshTriangle t = MakeMeshTriangle({0, 0}, {0, 10}, {10, 0}, 4, 5, 6, 7, 8, 9);
  EXPECT_EQ(t.tri.a, (DPoint{10, 0}));
  EXPECT_EQ(t.tri.b, (DPoint{0, 10}));
  EXPECT_EQ(t.tri.c, (DPoint{0, 0}));
  EXPECT_EQ(t.nodes[0], 6);
  EXPECT_EQ(t.nodes[1], 5);
  EXPECT_EQ(t.nodes[2], 4);
  EXPECT_EQ(t.edges[0], 7);
  EXPECT_EQ(t.edges[1], 8);
  EXPECT_EQ(t.edges[2], 9);
}

TEST(MeshTriangleRecord, CollinearPointsAreKeptAsGiven) {
  const MeshTriangle t = MakeMeshTriangle({0, 0}, {20, 0}, {10, 0}, 1, 2, 3, 0, 0, 0);
  EXPECT_EQ(t.tri.a, (DPoint{0, 0}));
  EXPECT_EQ(t.tri.c, (DPoint{10, 0}));
  EXPECT_EQ(t.nodes[0], 1);
  EXPECT_EQ(t.nodes[2], 3);
}

TEST(MeshTriangleRecord, CentroidIsSummedFromThePointsInTheOrderPassed) {
  // 0.1 + 0.2 + 0.3 and 0.3 + 0.2 + 0.1 differ in the last bit, so a sum taken after the
  // clockwise swap would show.
  const DPoint pa{0.1, 0}, pb{0.2, 1}, pc{0.3, 0};
  ASSERT_NE(Centroid(pa, pb, pc).x, Centroid(pc, pb, pa).x);
  const MeshTriangle t = MakeMeshTriangle(pa, pb, pc, 0, 1, 2, 0, 0, 0);
  ASSERT_EQ(t.tri.a, pc) << "the points are clockwise and were swapped";
  EXPECT_EQ(t.tri.centroid, Centroid(pa, pb, pc));
}

TEST(MeshTriangleRecord, AppendStoresTheSameRecordAsMake) {
  MeshTriangleList list;
  list.Append({0, 0}, {0, 10}, {10, 0}, 4, 5, 6, 7, 8, 9);
  list.Append({0, 0}, {10, 0}, {0, 10}, 1, 2, 3, 4, 5, 6);
  ASSERT_EQ(list.count, 2);
  const MeshTriangle made = MakeMeshTriangle({0, 0}, {0, 10}, {10, 0}, 4, 5, 6, 7, 8, 9);
  EXPECT_EQ(list.Get(0).tri, made.tri);
  EXPECT_EQ(list.Get(0).nodes[0], 6);
  EXPECT_EQ(list.Get(0).nodes[2], 4);
  EXPECT_EQ(list.Get(1).nodes[0], 1);
}

TEST(MeshTriangleList, ContainsFindsTheNodesInAllSixOrders) {
  MeshTriangleList list;
  list.Append({0, 0}, {10, 0}, {0, 10}, 3, 5, 9, 0, 0, 0);
  EXPECT_TRUE(list.Contains(3, 5, 9));
  EXPECT_TRUE(list.Contains(3, 9, 5));
  EXPECT_TRUE(list.Contains(5, 3, 9));
  EXPECT_TRUE(list.Contains(5, 9, 3));
  EXPECT_TRUE(list.Contains(9, 3, 5));
  EXPECT_TRUE(list.Contains(9, 5, 3));
}

TEST(MeshTriangleList, ContainsNeedsAllThreeNodes) {
  MeshTriangleList list;
  list.Append({0, 0}, {10, 0}, {0, 10}, 3, 5, 9, 0, 0, 0);
  EXPECT_FALSE(list.Contains(3, 5, 8));
  EXPECT_FALSE(list.Contains(3, 5, 5));
  EXPECT_FALSE(list.Contains(3, 3, 9));
}

TEST(MeshTriangleList, ClearForgetsTrianglesAndResetsTheirRecords) {
  MeshTriangleList list;
  list.Append({0, 0}, {10, 0}, {0, 10}, 3, 5, 9, 1, 2, 3);
  list.At(0).piece = 4;
  const int size = list.StorageSize();
  list.Clear();
  EXPECT_EQ(list.count, 0);
  EXPECT_FALSE(list.Contains(3, 5, 9));
  EXPECT_EQ(list.StorageSize(), size);
  const MeshTriangle& stale = list.Get(0);
  EXPECT_EQ(stale.tri, Triangle{});
  EXPECT_EQ(stale.piece, 0);
  EXPECT_EQ(stale.nodes[0], 0);
  EXPECT_EQ(stale.edges[0], 0);
}

TEST(MeshTriangleList, GrowsPastTheReservedRecords) {
  MeshTriangleList list;
  for (int i = 0; i < 300; ++i)
    list.Append({0, 0}, {1, 0}, {0, 1}, i, i + 1, i + 2, 0, 0, 0);
  EXPECT_EQ(list.count, 300);
  EXPECT_GE(list.StorageSize(), 300);
  EXPECT_TRUE(list.Contains(299, 300, 301));
  EXPECT_EQ(list.Get(0).nodes[0], 0);
}

// ---------------------------------------------------------------------------------------
// The triangle pass

TEST(TrianglePass, TriangleOutlineGivesOneTriangleFoundFromItsFirstSide) {
  HandMadeMesh mesh(MakeOutline({{0, 0}, {100, 0}, {0, 100}}));
  mesh.gen.FormTriangles();

  ASSERT_EQ(mesh.gen.triangles.count, 1);
  const MeshTriangle& t = mesh.gen.triangles.Get(0);
  EXPECT_EQ(t.nodes[0], 0);
  EXPECT_EQ(t.nodes[1], 1);
  EXPECT_EQ(t.nodes[2], 2);
  // Found from side 0 (nodes 0-1): then the side from node 0 to the apex (2-0, the
  // closing side) and the side from node 1 to the apex (1-2).
  EXPECT_EQ(t.edges[0], 0);
  EXPECT_EQ(t.edges[1], 2);
  EXPECT_EQ(t.edges[2], 1);
  EXPECT_EQ(t.tri.centroid, Centroid({0, 0}, {100, 0}, {0, 100}));
  for (int e = 0; e < 3; ++e) {
    EXPECT_EQ(mesh.gen.edges.Get(e).triangleCount, 1) << "side " << e;
    EXPECT_EQ(mesh.gen.edges.Get(e).triangles[0], 0) << "side " << e;
  }
}

TEST(TrianglePass, ClockwiseOutlineGivesACounterClockwiseTriangle) {
  HandMadeMesh mesh(MakeOutline({{0, 0}, {0, 100}, {100, 0}}));
  mesh.gen.FormTriangles();

  ASSERT_EQ(mesh.gen.triangles.count, 1);
  const MeshTriangle& t = mesh.gen.triangles.Get(0);
  EXPECT_EQ(t.tri.a, (DPoint{100, 0}));
  EXPECT_EQ(t.nodes[0], 2);
  EXPECT_EQ(t.nodes[2], 0);
  EXPECT_EQ(t.edges[0], 0) << "edges keep the order in which they were found";
}

TEST(TrianglePass, TriangleReachedFromAllThreeSidesAndAgainInALaterPassIsStoredOnce) {
  HandMadeMesh mesh(MakeOutline({{0, 0}, {100, 0}, {0, 100}}));
  mesh.gen.FormTriangles();
  mesh.gen.FormTriangles();

  EXPECT_EQ(mesh.gen.triangles.count, 1);
  for (int e = 0; e < 3; ++e)
    EXPECT_EQ(mesh.gen.edges.Get(e).triangleCount, 1) << "side " << e;
}

TEST(TrianglePass, NodeOnASideKeepsTheTriangleFromForming) {
  HandMadeMesh mesh(MakeOutline({{0, 0}, {100, 0}, {0, 100}}));
  mesh.AddPoint(50, 50);  // on the side from (100,0) to (0,100)
  mesh.gen.FormTriangles();
  EXPECT_EQ(mesh.gen.triangles.count, 0);
}

TEST(TrianglePass, NodeInsideKeepsTheTriangleFromFormingWhicheverWayItsSidesRun) {
  for (const ShapeOutline& outline :
       {MakeOutline({{0, 0}, {100, 0}, {0, 100}}), MakeOutline({{0, 0}, {0, 100}, {100, 0}})}) {
    HandMadeMesh mesh(outline);
    mesh.AddPoint(20, 20);
    mesh.gen.FormTriangles();
    EXPECT_EQ(mesh.gen.triangles.count, 0);
  }
}

TEST(TrianglePass, NodeJustOutsideDoesNotMatter) {
  HandMadeMesh mesh(MakeOutline({{0, 0}, {100, 0}, {0, 100}}));
  mesh.AddPoint(50, -1);
  mesh.AddPoint(51, 50);
  mesh.gen.FormTriangles();
  EXPECT_EQ(mesh.gen.triangles.count, 1);
}

TEST(TrianglePass, OnlyEdgeAndOutlineLinksCountAsSides) {
  HandMadeMesh mesh(fixtures::Kite());
  for (const int state : {kLinkMutual, kLinkOneSided, kLinkRefused, kLinkBlocked}) {
    mesh.gen.nodes[0].linkCount = 2;
    mesh.gen.nodes[2].linkCount = 2;
    mesh.AddLink(0, 2, state);
    mesh.AddLink(2, 0, state);
    mesh.gen.FormTriangles();
    EXPECT_EQ(mesh.gen.triangles.count, 0) << "state " << state;
  }
}

// A triangle (0,0), (100,0), (50,100) with a node inside joined to all three corners.
class FanAroundInnerNode : public ::testing::Test {
 protected:
  FanAroundInnerNode() : mesh_(MakeOutline({{0, 0}, {100, 0}, {50, 100}})) {
    centre_ = mesh_.AddPoint(50, 30);
    for (int corner = 0; corner < 3; ++corner)
      mesh_.AddEdge(centre_, corner);
    mesh_.gen.FormTriangles();
  }

  HandMadeMesh mesh_;
  int centre_ = -1;
};

TEST_F(FanAroundInnerNode, GivesTheThreeSmallTrianglesButNotTheOneAroundTheNode) {
  EXPECT_EQ(mesh_.gen.triangles.count, 3);
  EXPECT_GE(fixtures::FindTriangle(mesh_.gen, 0, 1, centre_), 0);
  EXPECT_GE(fixtures::FindTriangle(mesh_.gen, 1, 2, centre_), 0);
  EXPECT_GE(fixtures::FindTriangle(mesh_.gen, 2, 0, centre_), 0);
  EXPECT_EQ(fixtures::FindTriangle(mesh_.gen, 0, 1, 2), -1);
}

TEST_F(FanAroundInnerNode, InnerEdgesGetTwoTrianglesAndSidesOne) {
  const MeshEdgeList& edges = mesh_.gen.edges;
  for (int e = 0; e < edges.edgeCount; ++e) {
    const int expected = e < edges.outlineEdgeCount ? 1 : 2;
    EXPECT_EQ(edges.Get(e).triangleCount, expected) << "edge " << e;
  }
  EXPECT_TRUE(edges.AllInnerEdgesClosed());
}

TEST_F(FanAroundInnerNode, EachTriangleIsListedByItsThreeEdgesAndNamesThem) {
  for (int t = 0; t < mesh_.gen.triangles.count; ++t) {
    const MeshTriangle& tri = mesh_.gen.triangles.Get(t);
    for (const int e : tri.edges) {
      const MeshEdge& edge = mesh_.gen.edges.Get(e);
      EXPECT_TRUE(edge.triangles[0] == t || edge.triangles[1] == t) << "triangle " << t;
      const int* n = tri.nodes;
      EXPECT_TRUE(edge.nodeA == n[0] || edge.nodeA == n[1] || edge.nodeA == n[2]);
      EXPECT_TRUE(edge.nodeB == n[0] || edge.nodeB == n[1] || edge.nodeB == n[2]);
    }
  }
}

TEST_F(FanAroundInnerNode, RunningThePassAgainAddsNothing) {
  mesh_.gen.FormTriangles();
  EXPECT_EQ(mesh_.gen.triangles.count, 3);
  for (int e = 0; e < mesh_.gen.edges.edgeCount; ++e) {
    EXPECT_LE(mesh_.gen.edges.Get(e).triangleCount, 2) << "edge " << e;
  }
}

}  // namespace
}  // namespace wendrel

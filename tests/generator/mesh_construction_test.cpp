#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "generator/puzzle_generator.h"
#include "generator/random.h"
#include "geometry/predicates.h"
#include "shapes/shape_library.h"

namespace wendrel {
namespace {

// ---------------------------------------------------------------------------------------
// Helpers

ShapeOutline OutlineOf(const std::vector<DPoint>& vertices) {
  ShapeOutline o;
  o.vertexCount = static_cast<int>(vertices.size());
  for (int i = 0; i < o.vertexCount; ++i)
    o.vertices[i] = vertices[i];
  return o;
}

// A counter-clockwise axis-aligned rectangle.
ShapeOutline Rectangle(DPoint lo, DPoint hi) {
  return OutlineOf({lo, {hi.x, lo.y}, hi, {lo.x, hi.y}});
}

// A counter-clockwise square from `lo` with each side cut into `steps` equal pieces.
ShapeOutline SubdividedSquare(DPoint lo, double side, int steps) {
  const double step = side / steps;
  const DPoint dirs[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
  std::vector<DPoint> v;
  DPoint p = lo;
  for (const DPoint& d : dirs) {
    for (int k = 0; k < steps; ++k) {
      v.push_back(p);
      p = DPoint{p.x + d.x * step, p.y + d.y * step};
    }
  }
  return OutlineOf(v);
}

std::vector<int> NextDraws(int count) {
  std::vector<int> values;
  for (int i = 0; i < count; ++i)
    values.push_back(wendrel::rand());
  return values;
}

// The draws that follow the first `skip` draws after seeding with `seed`.
std::vector<int> DrawsAfter(unsigned seed, int skip, int count) {
  wendrel::srand(seed);
  NextDraws(skip);
  return NextDraws(count);
}

// Squared distance in the order the nearest-neighbour step sums it: y first, then x.
double LinkDist2(DPoint from, DPoint to) {
  return (to.y - from.y) * (to.y - from.y) + (to.x - from.x) * (to.x - from.x);
}

// The link of node `from` that leads to node `to`, or -1.
int LinkTo(const MeshNode& from, int to) {
  for (int k = 0; k < from.linkCount; ++k) {
    if (from.links[k].node == to)
      return k;
  }
  return -1;
}

void ExpectLink(const MeshNode& n, int k, int node, int state, int edge) {
  EXPECT_EQ(n.LinkNode(k), node) << "link " << k;
  EXPECT_EQ(n.LinkState(k), state) << "link " << k;
  EXPECT_EQ(n.LinkEdge(k), edge) << "link " << k;
}

// The nodes linked from `n`, in order.
std::vector<int> LinkedNodes(const MeshNode& n) {
  std::vector<int> out;
  for (int k = 0; k < n.linkCount; ++k)
    out.push_back(n.links[k].node);
  return out;
}

void ExpectSameLinks(const MeshNode& actual, const MeshNode& before) {
  ASSERT_EQ(actual.linkCount, before.linkCount);
  for (int k = 0; k < actual.linkCount; ++k) {
    EXPECT_EQ(actual.links[k].node, before.links[k].node) << "link " << k;
    EXPECT_EQ(actual.links[k].state, before.links[k].state) << "link " << k;
    EXPECT_EQ(actual.links[k].edge, before.links[k].edge) << "link " << k;
  }
}

class MeshFixture : public testing::Test {
 protected:
  // Appends nodes at the given positions after those already there.
  void AddNodes(const std::vector<DPoint>& points) {
    for (const DPoint& p : points)
      gen.AppendNode(p.x, p.y);
  }

  void LinkAndClassify() {
    gen.LinkNearest();
    gen.ClassifyLinks();
  }

  PuzzleGenerator gen;
};

// ---------------------------------------------------------------------------------------
// Outline nodes and sides

class MeshConstructionOutline : public MeshFixture {
 protected:
  void SetUp() override {
    gen.LoadOutline(library.Slot(ShapeLibrary::kPuzzleSlot));
    gen.BuildOutlineMesh();
  }

  static constexpr int kN = 81;
  ShapeLibrary library;
};

TEST_F(MeshConstructionOutline, NodesAreTheOutlineVerticesInOrder) {
  ASSERT_EQ(gen.nodeCount, kN);
  for (int i = 0; i < kN; ++i)
    EXPECT_EQ(gen.GetNode(i).pos, gen.outline.vertices[i]) << i;
}

TEST_F(MeshConstructionOutline, EdgesAreTheOutlineSidesWithNoTriangles) {
  ASSERT_EQ(gen.edges.edgeCount, kN);
  EXPECT_EQ(gen.edges.outlineEdgeCount, kN);
  for (int i = 0; i < kN; ++i) {
    const int j = (i + 1) % kN;
    const MeshEdge e = gen.edges.Get(i);
    EXPECT_EQ(e.nodeA, i);
    EXPECT_EQ(e.nodeB, j);
    EXPECT_EQ(e.seg.a, gen.outline.vertices[i]) << i;
    EXPECT_EQ(e.seg.b, gen.outline.vertices[j]) << i;
    EXPECT_EQ(e.triangleCount, 0);
  }
}

TEST_F(MeshConstructionOutline, FirstNodeLinksForwardThenToTheLast) {
  const MeshNode& n = gen.GetNode(0);
  ASSERT_EQ(n.linkCount, 2);
  ExpectLink(n, 0, 1, kLinkOutline, 0);
  ExpectLink(n, 1, 80, kLinkOutline, 80);
}

TEST_F(MeshConstructionOutline, LastNodeLinksBackThenToTheFirstAlongTheClosingSide) {
  const MeshNode& n = gen.GetNode(80);
  ASSERT_EQ(n.linkCount, 2);
  ExpectLink(n, 0, 79, kLinkOutline, 79);
  ExpectLink(n, 1, 0, kLinkOutline, 80);
}

TEST_F(MeshConstructionOutline, EveryOtherNodeLinksBackThenForwardWithTheSidesEdges) {
  for (int i = 1; i < kN - 1; ++i) {
    SCOPED_TRACE(i);
    const MeshNode& n = gen.GetNode(i);
    ASSERT_EQ(n.linkCount, 2);
    ExpectLink(n, 0, i - 1, kLinkOutline, i - 1);
    ExpectLink(n, 1, i + 1, kLinkOutline, i);
    EXPECT_EQ(n.links[0].dist2, 0.0);
    EXPECT_EQ(n.links[1].dist2, 0.0);
  }
}

// ---------------------------------------------------------------------------------------
// Scattering

using MeshConstructionScatter = MeshFixture;

// The square from (-0.75, -0.75) to (1.25, 1.25) truncates to the box x, y in 0..1, so
// every try proposes the candidate (0, 0), whatever the draws. Its sixteen sides are
// 0.5 long, so the spacing is 15 * 0.5 / 16 and no outline node is that close to (0, 0).
class MeshConstructionFixedCandidate : public MeshFixture {
 protected:
  void SetUp() override {
    gen.LoadOutline(SubdividedSquare({-0.75, -0.75}, 2.0, 4));
    gen.BuildOutlineMesh();
    spacing = gen.outline.MeanSideLength();
    wendrel::srand(kSeed);
  }

  bool CandidateAccepted() const {
    for (int i = 0; i < gen.nodeCount; ++i) {
      if (gen.GetNode(i).pos == DPoint{0, 0})
        return true;
    }
    return false;
  }

  static constexpr unsigned kSeed = 77;
  static constexpr int kOutlineNodes = 16;
  double spacing = 0.0;
};

TEST_F(MeshConstructionFixedCandidate, CandidateIsAcceptedOnceAndKeepsItsLaterCopiesOut) {
  gen.ScatterPoints();
  ASSERT_EQ(gen.nodeCount, kOutlineNodes + 1);
  EXPECT_EQ(gen.GetNode(kOutlineNodes).pos, (DPoint{0, 0}));
}

TEST_F(MeshConstructionFixedCandidate, CandidateExactlyAtTheSpacingIsAccepted) {
  AddNodes({{spacing, 0}});
  gen.ScatterPoints();
  EXPECT_TRUE(CandidateAccepted());
  EXPECT_EQ(gen.nodeCount, kOutlineNodes + 2);
}

TEST_F(MeshConstructionFixedCandidate, CandidateAHairCloserThanTheSpacingIsRejected) {
  AddNodes({{spacing - 1e-9, 0}});
  gen.ScatterPoints();
  EXPECT_FALSE(CandidateAccepted());
  EXPECT_EQ(gen.nodeCount, kOutlineNodes + 1);
}

TEST_F(MeshConstructionFixedCandidate, EveryTryDrawsTwoNumbersWhetherAcceptedOrNot) {
  gen.ScatterPoints();
  const std::vector<int> following = NextDraws(5);  // before DrawsAfter reseeds
  EXPECT_EQ(following, DrawsAfter(kSeed, 2 * PuzzleGenerator::kScatterTries, 5));
}

TEST_F(MeshConstructionScatter, CandidateOutsideTheOutlineStillUsesItsTwoDraws) {
  // The box truncates to x, y in 0..1 as well, but (0, 0) lies outside this square.
  gen.LoadOutline(Rectangle({0.25, 0.25}, {1.25, 1.25}));
  gen.BuildOutlineMesh();
  wendrel::srand(5);
  gen.ScatterPoints();
  EXPECT_EQ(gen.nodeCount, 4);
  const std::vector<int> following = NextDraws(5);  // before DrawsAfter reseeds
  EXPECT_EQ(following, DrawsAfter(5, 2 * PuzzleGenerator::kScatterTries, 5));
}

TEST_F(MeshConstructionScatter, FirstCandidateTakesXFromTheFirstDrawAndYFromTheSecond) {
  // The bounds truncate toward zero to x0 = -300, x1 = 700, y0 = -200, y1 = 600. The
  // vertices crowded near the lower left corner bring the spacing down to about 18, so
  // only candidates near a corner are too close to an outline node.
  std::vector<DPoint> v{{-300.7, -200.9}, {700.2, -200.9}, {700.2, 600.6}, {-300.7, 600.6}};
  for (int k = 196; k >= 1; --k)
    v.push_back({-300.7, -200.9 + 0.01 * k});
  gen.LoadOutline(OutlineOf(v));
  gen.BuildOutlineMesh();

  constexpr unsigned kSeed = 2024;
  wendrel::srand(kSeed);
  const std::vector<int> r = NextDraws(2);
  const DPoint expected{-300.0 + r[0] % 1000, -200.0 + r[1] % 800};
  ASSERT_TRUE(expected.x > -250 && expected.x < 650 && expected.y > -150 && expected.y < 550)
      << "the seed must give a first candidate well away from every outline node";

  wendrel::srand(kSeed);
  gen.ScatterPoints();
  ASSERT_GT(gen.nodeCount, 200);
  EXPECT_EQ(gen.GetNode(200).pos, expected);
}

TEST_F(MeshConstructionScatter, OutlineWithNoWholeNumberExtentGetsNoInteriorPoints) {
  // Truncated, each box is empty in one direction: nothing to scatter into.
  for (const ShapeOutline& thin :
       {Rectangle({0.2, -5.5}, {0.8, 5.5}), Rectangle({-5.5, 0.2}, {5.5, 0.8})}) {
    gen.ClearNodes();
    gen.edges.Clear();
    gen.LoadOutline(thin);
    gen.BuildOutlineMesh();
    gen.ScatterPoints();
    EXPECT_EQ(gen.nodeCount, 4);
  }
}

// ---------------------------------------------------------------------------------------
// Nearest-neighbour links

using MeshConstructionLinks = MeshFixture;

TEST_F(MeshConstructionLinks, EqualDistancesAreLinkedLowerIndexFirst) {
  AddNodes({{0, 0}, {0, 5}, {-5, 0}, {3, -4}, {1, 1}});
  gen.LinkNearest();
  EXPECT_EQ(LinkedNodes(gen.GetNode(0)), (std::vector<int>{4, 1, 2, 3}));
}

// Node 0 at the origin with nodes 1..13 at distances 1..13 along the x axis.
std::vector<DPoint> FullRow() {
  std::vector<DPoint> points{{0, 0}};
  for (int k = 1; k <= 13; ++k)
    points.push_back({static_cast<double>(k), 0});
  return points;
}

std::vector<int> Range(int first, int last) {
  std::vector<int> out;
  for (int i = first; i <= last; ++i)
    out.push_back(i);
  return out;
}

TEST_F(MeshConstructionLinks, FullNodeDropsLaterNodesAsFarAsOrFartherThanItsLastLink) {
  AddNodes(FullRow());
  AddNodes({{0, 13}, {0, -14}});  // nodes 14 and 15
  gen.LinkNearest();
  const MeshNode& n = gen.GetNode(0);
  EXPECT_EQ(LinkedNodes(n), Range(1, 13));
  EXPECT_EQ(n.links[12].dist2, 169.0);
}

TEST_F(MeshConstructionLinks, FullNodeTakesACloserLaterNodeAndDropsItsFarthest) {
  AddNodes(FullRow());
  AddNodes({{0, 0.5}});  // node 14
  gen.LinkNearest();
  std::vector<int> expected{14};
  for (int i : Range(1, 12))
    expected.push_back(i);
  EXPECT_EQ(LinkedNodes(gen.GetNode(0)), expected);
  EXPECT_EQ(gen.GetNode(0).links[0].state, kLinkCandidate);
}

TEST_F(MeshConstructionLinks, NodesAlreadyLinkedAreNotLinkedAgain) {
  AddNodes({{0, 0}, {10, 0}, {5, 1}});
  gen.AddLinkAt(0, 1, 0);
  gen.AddLinkAt(1, 0, 0);
  gen.LinkNearest();
  EXPECT_EQ(LinkedNodes(gen.GetNode(0)), (std::vector<int>{1, 2}));
  EXPECT_EQ(LinkedNodes(gen.GetNode(1)), (std::vector<int>{0, 2}));
  EXPECT_EQ(LinkedNodes(gen.GetNode(2)), (std::vector<int>{0, 1}));
  ExpectLink(gen.GetNode(0), 0, 1, kLinkOutline, 0);
}

TEST_F(MeshConstructionLinks, LinksCarryTheSquaredDistance) {
  AddNodes({{1, 2}, {4, 6}});
  gen.LinkNearest();
  EXPECT_EQ(gen.GetNode(0).links[0].dist2, 25.0);
  EXPECT_EQ(gen.GetNode(1).links[0].dist2, 25.0);
}

// ---------------------------------------------------------------------------------------
// Classification

using MeshConstructionClassify = MeshFixture;

TEST_F(MeshConstructionClassify, TwoNodesNearestToEachOtherAreMutual) {
  AddNodes({{0, 0}, {3, 4}});
  LinkAndClassify();
  EXPECT_EQ(LinkedNodes(gen.GetNode(0)), std::vector<int>{1});
  EXPECT_EQ(LinkedNodes(gen.GetNode(1)), std::vector<int>{0});
  EXPECT_EQ(gen.GetNode(0).LinkState(0), kLinkMutual);
  EXPECT_EQ(gen.GetNode(1).LinkState(0), kLinkMutual);
}

TEST_F(MeshConstructionClassify, LinkToANodeWhoseListIsFullOfCloserNodesIsOneSided) {
  // Node 0 has thirteen neighbours within distance 13; node 14 far off has node 0 as
  // its nearest, but node 0 has no room for it.
  std::vector<DPoint> points{{0, 0}};
  for (int k = 1; k <= 13; ++k)
    points.push_back({-static_cast<double>(k), 0});
  AddNodes(points);
  AddNodes({{100, 0}});
  LinkAndClassify();

  EXPECT_EQ(LinkTo(gen.GetNode(0), 14), -1);
  const MeshNode& far = gen.GetNode(14);
  ASSERT_EQ(far.linkCount, 13);
  EXPECT_EQ(far.links[0].node, 0);
  for (int k = 0; k < far.linkCount; ++k)
    EXPECT_EQ(far.links[k].state, kLinkOneSided) << k;
  for (int i = 0; i < 14; ++i) {
    const MeshNode& n = gen.GetNode(i);
    ASSERT_EQ(n.linkCount, 13) << "node " << i;
    for (int k = 0; k < n.linkCount; ++k) {
      EXPECT_EQ(n.links[k].state, kLinkMutual) << "node " << i << " link " << k;
    }
  }
}

TEST_F(MeshConstructionClassify, ALinkBackInAnyStateMakesACandidateMutual) {
  AddNodes({{0, 0}, {3, 4}});
  gen.nodes[0].InsertNearest(1, 25);
  gen.nodes[1].InsertNearest(0, 25);
  gen.nodes[1].SetLinkState(0, kLinkRefused);
  gen.ClassifyLinks();
  EXPECT_EQ(gen.GetNode(0).LinkState(0), kLinkMutual);
  EXPECT_EQ(gen.GetNode(1).LinkState(0), kLinkRefused) << "only candidates are classified";
}

TEST_F(MeshConstructionClassify, OutlineLinksKeepTheirState) {
  AddNodes({{0, 0}, {10, 0}, {5, 1}});
  gen.AddLinkAt(0, 1, 0);
  gen.AddLinkAt(1, 0, 0);
  LinkAndClassify();
  ExpectLink(gen.GetNode(0), 0, 1, kLinkOutline, 0);
  ExpectLink(gen.GetNode(1), 0, 0, kLinkOutline, 0);
  EXPECT_EQ(gen.GetNode(0).LinkState(1), kLinkMutual);
}

// ---------------------------------------------------------------------------------------
// Node storage operations

using MeshConstructionNodes = MeshFixture;

TEST_F(MeshConstructionNodes, AppendNodeGivesAResetNodeAtThePosition) {
  AddNodes({{1, 2}});
  gen.AddLinkAt(0, 5, 6);
  gen.ClearNodes();
  EXPECT_EQ(gen.nodeCount, 0);
  EXPECT_EQ(gen.AppendNode(7, 8), 0);
  EXPECT_EQ(gen.AppendNode(9, 10), 1);
  EXPECT_EQ(gen.GetNode(0).pos, (DPoint{7, 8}));
  EXPECT_EQ(gen.GetNode(0).linkCount, 0) << "the stale record is overwritten whole";
}

TEST_F(MeshConstructionNodes, AppendingPastTheStorageGrowsIt) {
  for (int i = 0; i < 300; ++i)
    gen.AppendNode(i, -i);
  EXPECT_EQ(gen.nodeCount, 300);
  EXPECT_EQ(gen.GetNode(299).pos, (DPoint{299, -299}));
  EXPECT_EQ(gen.GetNode(3).pos, (DPoint{3, -3}));
}

class MeshConstructionLinkBothWays : public MeshFixture {
 protected:
  // Node 0 links to node 1 (link 0) and node 2 (link 1); node 1 links to node 0 (link 0)
  // and node 2; node 2 links only to node 1.
  void SetUp() override {
    AddNodes({{0, 0}, {1, 0}, {0, 2}});
    gen.nodes[0].InsertNearest(1, 1);
    gen.nodes[0].InsertNearest(2, 4);
    gen.nodes[1].InsertNearest(2, 5);
    gen.nodes[1].InsertNearest(0, 1);
    gen.nodes[2].InsertNearest(1, 5);
  }
};

TEST_F(MeshConstructionLinkBothWays, SetsTheLinkAndItsPartner) {
  gen.SetLinkBothWays(0, 0, kLinkEdge, 9);
  ExpectLink(gen.GetNode(0), 0, 1, kLinkEdge, 9);
  const int back = LinkTo(gen.GetNode(1), 0);
  ASSERT_NE(back, -1);
  ExpectLink(gen.GetNode(1), back, 0, kLinkEdge, 9);
}

TEST_F(MeshConstructionLinkBothWays, OtherNodeWithoutALinkBackIsLeftAlone) {
  const MeshNode before = gen.GetNode(2);
  gen.SetLinkBothWays(0, 1, kLinkRefused, 4);
  ExpectLink(gen.GetNode(0), 1, 2, kLinkRefused, 4);
  ExpectSameLinks(gen.GetNode(2), before);
}

TEST_F(MeshConstructionLinkBothWays, OnlyTheFirstLinkBackChanges) {
  gen.nodes[1].InsertNearest(0, 7);  // a second link from node 1 to node 0, behind
  const int second = gen.GetNode(1).linkCount - 1;
  const int state = gen.GetNode(1).LinkState(second);
  gen.SetLinkBothWays(0, 0, kLinkEdge, 3);
  ExpectLink(gen.GetNode(1), 0, 0, kLinkEdge, 3);
  EXPECT_EQ(gen.GetNode(1).LinkState(second), state);
}

TEST_F(MeshConstructionLinkBothWays, SlotsBeyondTheOtherNodesCountAreNotSearched) {
  // Stale slots of node 2, one of them leading back to node 0.
  for (int k = 1; k < MeshNode::kMaxLinks; ++k)
    gen.nodes[2].links[k] = NodeLink{7, kLinkMutual, 4.0, 1};
  gen.nodes[2].links[5].node = 0;
  gen.SetLinkBothWays(0, 1, kLinkEdge, 8);
  EXPECT_EQ(gen.GetNode(2).links[5].state, kLinkMutual);
  EXPECT_EQ(gen.GetNode(2).links[5].edge, 1);
}

TEST_F(MeshConstructionNodes, ResetBlockedLinksReopensOnlyBlockedLinksInUse) {
  AddNodes({{0, 0}, {1, 0}, {2, 0}});
  const int states[] = {kLinkBlocked, kLinkEdge, kLinkRefused, kLinkBlocked, kLinkOneSided};
  for (int node = 0; node < 3; ++node) {
    for (int k = 0; k < 5; ++k) {
      gen.nodes[node].InsertNearest(k, k);
      gen.nodes[node].SetLinkState(k, states[k]);
    }
    gen.nodes[node].links[7] = NodeLink{1, kLinkBlocked, 1.0, 0};  // beyond the count
  }
  gen.nodeCount = 2;  // node 2 is stored but not in use
  gen.ResetBlockedLinks();
  const int reopened[] = {kLinkMutual, kLinkEdge, kLinkRefused, kLinkMutual, kLinkOneSided};
  for (int node = 0; node < 2; ++node) {
    for (int k = 0; k < 5; ++k)
      EXPECT_EQ(gen.nodes[node].LinkState(k), reopened[k]) << k;
    EXPECT_EQ(gen.nodes[node].LinkState(7), kLinkBlocked);
  }
  for (int k = 0; k < 5; ++k)
    EXPECT_EQ(gen.nodes[2].LinkState(k), states[k]) << k;
}

// ---------------------------------------------------------------------------------------
// A whole first stage on the puzzle outline

class MeshConstructionFirstStage : public testing::TestWithParam<unsigned> {
 protected:
  static constexpr int kN = 81;

  void SetUp() override {
    gen.LoadOutline(library.Slot(ShapeLibrary::kPuzzleSlot));
    gen.ClearNodes();
    gen.edges.Clear();
    wendrel::srand(GetParam());
    gen.BuildOutlineMesh();
    gen.ScatterPoints();
    gen.LinkNearest();
    gen.ClassifyLinks();
    drawsAfterwards = NextDraws(5);
    spacing = gen.outline.MeanSideLength();
  }

  DPoint Pos(int i) const { return gen.GetNode(i).pos; }

  ShapeLibrary library;
  PuzzleGenerator gen;
  std::vector<int> drawsAfterwards;
  double spacing = 0.0;
};

TEST_P(MeshConstructionFirstStage, DrawsExactly8000Numbers) {
  EXPECT_EQ(drawsAfterwards, DrawsAfter(GetParam(), 8000, 5));
}

TEST_P(MeshConstructionFirstStage, OutlineNodesComeFirstThenInteriorPoints) {
  ASSERT_GT(gen.nodeCount, kN);
  for (int i = 0; i < kN; ++i)
    EXPECT_EQ(Pos(i), gen.outline.vertices[i]) << i;
  EXPECT_EQ(gen.edges.edgeCount, kN);
}

TEST_P(MeshConstructionFirstStage, InteriorPointsAreWholeNumbersInsideTheOutline) {
  for (int i = kN; i < gen.nodeCount; ++i) {
    const DPoint p = Pos(i);
    EXPECT_EQ(p.x, std::trunc(p.x)) << i;
    EXPECT_EQ(p.y, std::trunc(p.y)) << i;
    EXPECT_TRUE(p.x >= -205 && p.x <= 234 && p.y >= -240 && p.y <= 239) << i;
    EXPECT_TRUE(gen.outline.Contains(p.x, p.y)) << i;
  }
}

TEST_P(MeshConstructionFirstStage, InteriorPointsKeepTheSpacingFromEveryNode) {
  const double limit = spacing * spacing;
  for (int i = kN; i < gen.nodeCount; ++i) {
    for (int j = 0; j < gen.nodeCount; ++j) {
      if (j == i)
        continue;
      EXPECT_GE(SquaredDistance(Pos(j), Pos(i)), limit) << i << " and " << j;
    }
  }
}

TEST_P(MeshConstructionFirstStage, LinksAreOutlineLinksThenNearestInAscendingDistance) {
  for (int i = 0; i < gen.nodeCount; ++i) {
    SCOPED_TRACE(i);
    const MeshNode& n = gen.GetNode(i);
    ASSERT_GE(n.linkCount, 1);
    ASSERT_LE(n.linkCount, MeshNode::kMaxLinks);
    const int outlineLinks = i < kN ? 2 : 0;
    for (int k = 0; k < n.linkCount; ++k) {
      const NodeLink& link = n.links[k];
      EXPECT_EQ(link.state == kLinkOutline, k < outlineLinks) << "link " << k;
      EXPECT_NE(link.node, i);
      ASSERT_TRUE(link.node >= 0 && link.node < gen.nodeCount);
      EXPECT_EQ(LinkTo(n, link.node), k) << "each node is linked once";
      if (k < outlineLinks)
        continue;
      EXPECT_EQ(link.dist2, LinkDist2(Pos(i), Pos(link.node)));
      if (k > outlineLinks) {
        const NodeLink& prev = n.links[k - 1];
        EXPECT_LE(prev.dist2, link.dist2) << "link " << k;
        if (prev.dist2 == link.dist2) {
          EXPECT_LT(prev.node, link.node) << "equal distances, lower index first; link " << k;
        }
      }
    }
  }
}

TEST_P(MeshConstructionFirstStage, NoNodeLeftOutIsCloserThanOneKept) {
  for (int i = 0; i < gen.nodeCount; ++i) {
    const MeshNode& n = gen.GetNode(i);
    const NodeLink& last = n.links[n.linkCount - 1];
    for (int j = 0; j < gen.nodeCount; ++j) {
      if (j == i || LinkTo(n, j) != -1)
        continue;
      ASSERT_EQ(n.linkCount, MeshNode::kMaxLinks) << "a node with room links every other";
      const double d2 = LinkDist2(Pos(i), Pos(j));
      EXPECT_GE(d2, last.dist2) << i << " left out " << j;
      if (d2 == last.dist2) {
        EXPECT_GT(j, last.node) << i << " left out " << j << " at the last link's distance";
      }
    }
  }
}

TEST_P(MeshConstructionFirstStage, MutualLinksHaveMutualPartnersAndOneSidedLinksNone) {
  for (int i = 0; i < gen.nodeCount; ++i) {
    const MeshNode& n = gen.GetNode(i);
    for (int k = 0; k < n.linkCount; ++k) {
      const NodeLink& link = n.links[k];
      const int back = LinkTo(gen.GetNode(link.node), i);
      switch (link.state) {
        case kLinkOutline:
          ASSERT_NE(back, -1);
          EXPECT_EQ(gen.GetNode(link.node).links[back].state, kLinkOutline);
          break;
        case kLinkMutual:
          ASSERT_NE(back, -1) << i << " to " << link.node;
          EXPECT_EQ(gen.GetNode(link.node).links[back].state, kLinkMutual);
          break;
        case kLinkOneSided:
          EXPECT_EQ(back, -1) << i << " to " << link.node;
          break;
        default:
          ADD_FAILURE() << "node " << i << " link " << k << " in state " << link.state;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, MeshConstructionFirstStage,
                         testing::Values(1u, 42u, 20240601u, 987654321u));

}  // namespace
}  // namespace wendrel

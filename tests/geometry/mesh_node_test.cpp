#include <gtest/gtest.h>

#include <vector>

#include "geometry/mesh_records.h"

namespace wendrel {
namespace {

struct Entry {
  int node;
  int state;
  double dist2;
};

// The links in use, in order, as (node, state, dist2).
void ExpectLinks(const MeshNode& n, const std::vector<Entry>& expected) {
  ASSERT_EQ(n.linkCount, static_cast<int>(expected.size()));
  for (int k = 0; k < n.linkCount; ++k) {
    EXPECT_EQ(n.links[k].node, expected[k].node) << "link " << k;
    EXPECT_EQ(n.links[k].state, expected[k].state) << "link " << k;
    EXPECT_EQ(n.links[k].dist2, expected[k].dist2) << "link " << k;
  }
}

// Every stored field of every link slot, in use or not.
void ExpectSameNode(const MeshNode& actual, const MeshNode& before) {
  EXPECT_EQ(actual.pos, before.pos);
  EXPECT_EQ(actual.linkCount, before.linkCount);
  for (int k = 0; k < MeshNode::kMaxLinks; ++k) {
    EXPECT_EQ(actual.links[k].node, before.links[k].node) << "link " << k;
    EXPECT_EQ(actual.links[k].state, before.links[k].state) << "link " << k;
    EXPECT_EQ(actual.links[k].dist2, before.links[k].dist2) << "link " << k;
    EXPECT_EQ(actual.links[k].edge, before.links[k].edge) << "link " << k;
  }
}

// A node holding Candidate links to nodes 100, 101, ... with the given distances.
MeshNode WithCandidates(const std::vector<double>& dist2s) {
  MeshNode n;
  for (int i = 0; i < static_cast<int>(dist2s.size()); ++i)
    n.InsertNearest(100 + i, dist2s[i]);
  return n;
}

TEST(MeshNodeReset, ClearsPositionCountAndLinksButKeepsEdges) {
  MeshNode n;
  n.pos = {3, 4};
  n.AddLink(7, 21);
  n.InsertNearest(8, 2.5);
  n.links[12] = NodeLink{9, kLinkEdge, 6.0, 33};
  n.Reset();
  EXPECT_EQ(n.pos, (DPoint{0, 0}));
  EXPECT_EQ(n.linkCount, 0);
  for (int k = 0; k < MeshNode::kMaxLinks; ++k) {
    EXPECT_EQ(n.links[k].node, 0) << "link " << k;
    EXPECT_EQ(n.links[k].state, kLinkNone) << "link " << k;
    EXPECT_EQ(n.links[k].dist2, 0.0) << "link " << k;
  }
  EXPECT_EQ(n.links[0].edge, 21);
  EXPECT_EQ(n.links[12].edge, 33);
}

TEST(MeshNodeAddLink, AppendsOutlineLinksWithTheirEdges) {
  MeshNode n;
  n.AddLink(1, 0);
  n.AddLink(80, 80);
  ExpectLinks(n, {{1, kLinkOutline, 0.0}, {80, kLinkOutline, 0.0}});
  EXPECT_EQ(n.LinkEdge(0), 0);
  EXPECT_EQ(n.LinkEdge(1), 80);
}

TEST(MeshNodeAddLink, CountOutsideTheArrayIsLeftAlone) {
  MeshNode n;
  n.linkCount = -1;
  const MeshNode before = n;
  n.AddLink(5, 5);
  ExpectSameNode(n, before);
}

TEST(MeshNodeInsertNearest, EmptyNodeGetsOneCandidate) {
  ExpectLinks(WithCandidates({5}), {{100, kLinkCandidate, 5}});
}

TEST(MeshNodeInsertNearest, KeepsLinksInAscendingDistance) {
  ExpectLinks(WithCandidates({5, 3, 4}),
              {{101, kLinkCandidate, 3}, {102, kLinkCandidate, 4}, {100, kLinkCandidate, 5}});
}

TEST(MeshNodeInsertNearest, EqualDistancesKeepTheEarlierFirst) {
  MeshNode n;
  n.InsertNearest(7, 9);
  n.InsertNearest(2, 9);
  ExpectLinks(n, {{7, kLinkCandidate, 9}, {2, kLinkCandidate, 9}});
}

// Thirteen candidates ending in four at dist2 10: nodes 100..112.
const std::vector<double> kFullList{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 10, 10};

TEST(MeshNodeInsertNearest, FullNodeIgnoresANewcomerAsFarAsItsLastLink) {
  MeshNode n = WithCandidates(kFullList);
  const MeshNode before = n;
  n.InsertNearest(50, 10);
  ExpectSameNode(n, before);
  n.InsertNearest(51, 11);
  ExpectSameNode(n, before);
}

TEST(MeshNodeInsertNearest, FullNodeDropsItsLastLinkForACloserNewcomer) {
  MeshNode n = WithCandidates(kFullList);
  n.InsertNearest(50, 9.5);
  std::vector<Entry> expected;
  for (int i = 0; i < 9; ++i)
    expected.push_back({100 + i, kLinkCandidate, kFullList[i]});
  expected.push_back({50, kLinkCandidate, 9.5});
  for (int i = 9; i < 12; ++i)
    expected.push_back({100 + i, kLinkCandidate, 10});
  ExpectLinks(n, expected);  // node 112, the last at dist2 10, is gone
}

TEST(MeshNodeInsertNearest, NewcomerNeverPassesOutlineLinks) {
  MeshNode n;
  n.AddLink(1, 0);
  n.AddLink(2, 1);
  for (int i = 0; i < 11; ++i)
    n.InsertNearest(100 + i, 1.0 + i);
  n.InsertNearest(50, 0.5);
  std::vector<Entry> expected{
      {1, kLinkOutline, 0}, {2, kLinkOutline, 0}, {50, kLinkCandidate, 0.5}};
  for (int i = 0; i < 10; ++i)
    expected.push_back({100 + i, kLinkCandidate, 1.0 + i});
  ExpectLinks(n, expected);
}

TEST(MeshNodeInsertNearest, CandidateAtDistanceZeroStaysBehindOutlineLinks) {
  MeshNode n;
  n.AddLink(1, 0);
  n.InsertNearest(50, 0);
  ExpectLinks(n, {{1, kLinkOutline, 0}, {50, kLinkCandidate, 0}});
}

// Three nodes side by side, every byte of them in use, so that an access just outside
// the middle node's link array would meet a neighbour's non-zero fields.
class MeshNodeNeighbours : public testing::Test {
 protected:
  MeshNodeNeighbours() {
    for (MeshNode& n : nodes) {
      n.pos = {0.1, 0.2};
      n.linkCount = MeshNode::kMaxLinks;
      for (NodeLink& link : n.links)
        link = NodeLink{9, kLinkMutual, 1.1, 9};
    }
    for (const MeshNode& n : nodes)
      untouched.push_back(n);
  }

  void ExpectAllUntouched() {
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(i);
      ExpectSameNode(nodes[i], untouched[i]);
    }
  }

  MeshNode nodes[3];
  MeshNode& middle = nodes[1];
  std::vector<MeshNode> untouched;
};

TEST_F(MeshNodeNeighbours, LinkIndicesOutsideTheArrayReadZero) {
  for (int k : {-1, 13, 100}) {
    EXPECT_EQ(middle.LinkNode(k), 0) << k;
    EXPECT_EQ(middle.LinkState(k), 0) << k;
    EXPECT_EQ(middle.LinkEdge(k), 0) << k;
  }
}

TEST_F(MeshNodeNeighbours, WritesOutsideTheArrayAreIgnored) {
  for (int k : {-1, 13}) {
    middle.SetLinkState(k, kLinkEdge);
    middle.SetLinkEdge(k, 77);
  }
  ExpectAllUntouched();
}

TEST_F(MeshNodeNeighbours, FourteenthLinkIsIgnored) {
  middle.AddLink(99, 99);
  ExpectAllUntouched();
}

TEST(MeshNodeLinkAccess, ReadsAreBoundedByTheArrayNotTheCount) {
  MeshNode n;
  n.InsertNearest(3, 1.0);
  n.links[12] = NodeLink{8, kLinkBlocked, 2.0, 14};
  EXPECT_EQ(n.LinkNode(12), 8);
  EXPECT_EQ(n.LinkState(12), kLinkBlocked);
  EXPECT_EQ(n.LinkEdge(12), 14);
}

TEST(MeshNodeLinkAccess, WritesReachEverySlotOfTheArray) {
  MeshNode n;
  n.InsertNearest(3, 1.0);
  n.SetLinkState(0, kLinkMutual);
  n.SetLinkEdge(0, 5);
  n.SetLinkState(12, kLinkEdge);
  n.SetLinkEdge(12, 6);
  EXPECT_EQ(n.LinkState(0), kLinkMutual);
  EXPECT_EQ(n.LinkEdge(0), 5);
  EXPECT_EQ(n.LinkState(12), kLinkEdge);
  EXPECT_EQ(n.LinkEdge(12), 6);
  EXPECT_EQ(n.linkCount, 1);
}

}  // namespace
}  // namespace wendrel

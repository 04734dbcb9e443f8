#include <gtest/gtest.h>

#include "geometry/mesh_records.h"

namespace wendrel {
namespace {

constexpr int kInitialStorage = 256;

Segment SegTo(int i) {
  return Segment{{0, 0}, {static_cast<double>(i), 1}};
}

class MeshEdgeListTest : public testing::Test {
 protected:
  // Appends edges 0..count-1, edge i from (0, 0) to (i, 1) joining nodes i and i + 1.
  void AppendEdges(int count) {
    for (int i = 0; i < count; ++i)
      edges.Append(SegTo(i), i, i + 1);
  }

  // Outline edges first, then inner edges with the given triangle counts.
  void Build(int outlineEdges, std::initializer_list<int> innerTriangleCounts) {
    AppendEdges(outlineEdges);
    edges.outlineEdgeCount = outlineEdges;
    int t = 0;
    for (int count : innerTriangleCounts) {
      const int e = edges.Append(SegTo(0), 0, 1);
      for (int k = 0; k < count; ++k)
        edges.AddTriangle(e, t++);
    }
  }

  MeshEdgeList edges;
};

TEST_F(MeshEdgeListTest, StartsEmptyWithTheInitialStorage) {
  EXPECT_EQ(edges.edgeCount, 0);
  EXPECT_EQ(edges.outlineEdgeCount, 0);
  EXPECT_EQ(edges.StorageSize(), kInitialStorage);
}

TEST_F(MeshEdgeListTest, AppendReturnsTheOldCountAndStoresTheEdge) {
  EXPECT_EQ(edges.Append(SegTo(4), 4, 5), 0);
  EXPECT_EQ(edges.Append(SegTo(7), 7, 8), 1);
  EXPECT_EQ(edges.edgeCount, 2);
  const MeshEdge e = edges.Get(1);
  EXPECT_EQ(e.seg.b, (DPoint{7, 1}));
  EXPECT_EQ(e.nodeA, 7);
  EXPECT_EQ(e.nodeB, 8);
}

TEST_F(MeshEdgeListTest, AppendOverAUsedSlotStartsWithNoTriangles) {
  const int e = edges.Append(SegTo(1), 1, 2);
  edges.AddTriangle(e, 5);
  edges.edgeCount = 0;  // the slot is reused without a clear
  edges.Append(SegTo(2), 2, 3);
  EXPECT_EQ(edges.Get(0).triangleCount, 0);
}

TEST_F(MeshEdgeListTest, AddTriangleReachesTheNamedEdge) {
  AppendEdges(3);
  edges.AddTriangle(1, 42);
  EXPECT_EQ(edges.Get(0).triangleCount, 0);
  EXPECT_EQ(edges.Get(1).triangleCount, 1);
  EXPECT_EQ(edges.Get(1).Triangle(0), 42);
  EXPECT_EQ(edges.Get(2).triangleCount, 0);
}

TEST_F(MeshEdgeListTest, AppendingPastTheStorageGrowsIt) {
  AppendEdges(kInitialStorage + 1);
  EXPECT_EQ(edges.edgeCount, kInitialStorage + 1);
  EXPECT_EQ(edges.StorageSize(), kInitialStorage + 1);
  EXPECT_EQ(edges.Get(kInitialStorage).nodeA, kInitialStorage);
  EXPECT_EQ(edges.Get(3).nodeA, 3) << "earlier edges keep their values";
}

TEST_F(MeshEdgeListTest, ClearResetsTheWholeStorageAndKeepsItsSize) {
  AppendEdges(300);
  edges.outlineEdgeCount = 100;
  for (int i = 0; i < 300; ++i)
    edges.AddTriangle(i, i);
  edges.edgeCount = 10;  // edges beyond the count must be reset too
  edges.Clear();
  EXPECT_EQ(edges.edgeCount, 0);
  EXPECT_EQ(edges.outlineEdgeCount, 0);
  EXPECT_EQ(edges.StorageSize(), 300);
  edges.edgeCount = 300;  // bring the stored elements back into view
  const MeshEdge reset;
  for (int i = 0; i < 300; ++i) {
    const MeshEdge e = edges.Get(i);
    EXPECT_EQ(e.seg.a, reset.seg.a) << "edge " << i;
    EXPECT_EQ(e.seg.b, reset.seg.b) << "edge " << i;
    EXPECT_EQ(e.nodeA, 0) << "edge " << i;
    EXPECT_EQ(e.nodeB, 0) << "edge " << i;
    EXPECT_EQ(e.triangleCount, 0) << "edge " << i;
  }
}

TEST_F(MeshEdgeListTest, ValidIndicesAreThoseInUse) {
  AppendEdges(3);
  EXPECT_FALSE(edges.IsValidIndex(-1));
  EXPECT_TRUE(edges.IsValidIndex(0));
  EXPECT_TRUE(edges.IsValidIndex(2));
  EXPECT_FALSE(edges.IsValidIndex(3)) << "stored but not in use";
}

TEST_F(MeshEdgeListTest, NoInnerEdgesCountsAsClosed) {
  Build(5, {});
  EXPECT_TRUE(edges.AllInnerEdgesClosed()) << "outline edges with no triangles are not examined";
}

TEST_F(MeshEdgeListTest, InnerEdgesWithTwoTrianglesEachAreClosed) {
  Build(3, {2, 2, 2});
  EXPECT_TRUE(edges.AllInnerEdgesClosed());
}

TEST_F(MeshEdgeListTest, AnInnerEdgeWithOneTriangleIsOpen) {
  Build(3, {1});
  EXPECT_FALSE(edges.AllInnerEdgesClosed());
}

TEST_F(MeshEdgeListTest, AnyInnerEdgeWithOtherThanTwoTrianglesIsOpen) {
  for (int bad : {0, 1, 3}) {
    MeshEdgeList fresh;
    edges = fresh;
    Build(3, {2, bad, 2});
    EXPECT_FALSE(edges.AllInnerEdgesClosed()) << bad << " triangles on the middle edge";
  }
}

}  // namespace
}  // namespace wendrel

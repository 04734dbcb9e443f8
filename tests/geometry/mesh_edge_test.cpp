#include <gtest/gtest.h>

#include "geometry/mesh_records.h"

namespace wendrel {
namespace {

const Segment kSeg{{1, 2}, {3, 4}};

void ExpectResetEdge(const MeshEdge& e) {
  EXPECT_EQ(e.seg.a, (DPoint{55.55, 111.11}));
  EXPECT_EQ(e.seg.b, (DPoint{333.33, 222.22}));
  EXPECT_EQ(e.nodeA, 0);
  EXPECT_EQ(e.nodeB, 0);
  EXPECT_EQ(e.triangleCount, 0);
}

TEST(MeshEdge, NewEdgeIsInTheResetState) {
  ExpectResetEdge(MeshEdge{});
}

TEST(MeshEdge, ResetRestoresTheResetState) {
  MeshEdge e;
  e.Set(kSeg, 4, 5);
  e.AddTriangle(6);
  e.Reset();
  ExpectResetEdge(e);
}

TEST(MeshEdge, SetLeavesTheTrianglesAlone) {
  MeshEdge e;
  e.AddTriangle(6);
  e.Set(kSeg, 4, 5);
  EXPECT_EQ(e.seg.a, kSeg.a);
  EXPECT_EQ(e.seg.b, kSeg.b);
  EXPECT_EQ(e.nodeA, 4);
  EXPECT_EQ(e.nodeB, 5);
  EXPECT_EQ(e.triangleCount, 1);
  EXPECT_EQ(e.Triangle(0), 6);
}

TEST(MeshEdge, TrianglesAreKeptInTheOrderAdded) {
  MeshEdge e;
  e.AddTriangle(8);
  e.AddTriangle(3);
  EXPECT_EQ(e.triangleCount, 2);
  EXPECT_EQ(e.Triangle(0), 8);
  EXPECT_EQ(e.Triangle(1), 3);
}

TEST(MeshEdge, OnlyTheFirstTwoTrianglesCanBeRead) {
  MeshEdge e;
  e.AddTriangle(8);
  e.AddTriangle(3);
  e.AddTriangle(5);
  EXPECT_EQ(e.triangleCount, 3);
  EXPECT_EQ(e.triangles[2], 5);
  EXPECT_EQ(e.Triangle(2), 0);
  EXPECT_EQ(e.Triangle(-1), 0);
  EXPECT_EQ(e.Triangle(3), 0);
}

TEST(MeshEdge, FourthTriangleIsIgnoredAndWritesNothingOutsideTheEdge) {
  // The next edge in memory would take a write past the triangle array.
  MeshEdge pair[2];
  pair[0].Set(kSeg, 1, 2);
  for (int t : {7, 8, 9})
    pair[0].AddTriangle(t);
  pair[0].AddTriangle(10);
  EXPECT_EQ(pair[0].triangleCount, 3);
  EXPECT_EQ(pair[0].triangles[0], 7);
  EXPECT_EQ(pair[0].triangles[1], 8);
  EXPECT_EQ(pair[0].triangles[2], 9);
  ExpectResetEdge(pair[1]);
}

}  // namespace
}  // namespace wendrel

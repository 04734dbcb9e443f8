#pragma once

#include "geometry/growable_array.h"
#include "geometry/primitives.h"

// The records from which the generator builds its mesh: points with their bounded,
// distance-sorted neighbour lists, and the accepted edges.

namespace wendrel {

enum LinkState : int {
  kLinkNone = 0,       // slot not in use
  kLinkOutline = 1,    // the two nodes are consecutive outline vertices
  kLinkCandidate = 2,  // among the nearest; not yet classified
  kLinkOneSided = 3,   // the other node holds no link back
  kLinkMutual = 4,     // the other node links back; may become an edge
  kLinkRefused = 5,    // outside chord, or crosses an edge: rejected for the run
  kLinkEdge = 6,       // accepted as a mesh edge
  kLinkBlocked = 7,    // too sharp an angle in the current pass; reopened before the next
};

struct NodeLink {
  int node = 0;
  int state = kLinkNone;
  double dist2 = 0.0;  // squared distance; 0 for outline links
  int edge = 0;        // edge index, meaningful for Outline and Edge links
};

struct MeshNode {
  static constexpr int kMaxLinks = 13;

  DPoint pos;
  int linkCount = 0;
  NodeLink links[kMaxLinks];

  // Position (0, 0), no links; the links' edge fields keep their values.
  void Reset();
  // Appends an Outline link; a fourteenth link is ignored.
  void AddLink(int node, int edge);
  // Bounded sorted insertion of a Candidate link: a full list takes a newcomer only when
  // it is strictly closer than the last link; equal distances keep the earlier first.
  void InsertNearest(int node, double dist2);

  // Fields of links[k] for k in 0..12 (not bounded by linkCount); 0 for any other k.
  int LinkNode(int k) const;
  int LinkState(int k) const;
  int LinkEdge(int k) const;
  // Writes to links[k] for k in 0..12; ignored for any other k.
  void SetLinkState(int k, int s);
  void SetLinkEdge(int k, int e);
};

struct MeshEdge {
  Segment seg{{55.55, 111.11}, {333.33, 222.22}};
  int nodeA = 0;
  int nodeB = 0;
  int triangleCount = 0;
  int triangles[3] = {0, 0, 0};

  void Reset() { *this = MeshEdge{}; }
  void Set(const Segment& s, int a, int b);
  // Records an adjacent triangle; an edge that already holds three ignores a fourth.
  void AddTriangle(int t);
  // triangles[i] for i = 0 or 1; 0 for any other i.
  int Triangle(int i) const;
};

class MeshEdgeList {
 public:
  MeshEdgeList() : storage_(256, 256) {}

  int outlineEdgeCount = 0;  // edges below this index are the outline's sides
  int edgeCount = 0;

  // Resets every stored edge and both counts; the storage keeps its size.
  void Clear();
  // Appends an edge with no triangles and returns its index.
  int Append(const Segment& seg, int nodeA, int nodeB);
  const MeshEdge& Get(int i) const { return storage_[i]; }
  void AddTriangle(int i, int t) { storage_[i].AddTriangle(t); }
  bool IsValidIndex(int i) const { return i >= 0 && i < edgeCount; }
  // Every inner edge (from outlineEdgeCount on) has exactly two triangles.
  bool AllInnerEdgesClosed() const;
  int StorageSize() const { return storage_.Size(); }

 private:
  GrowableArray<MeshEdge> storage_;
};

}  // namespace wendrel

#include "geometry/mesh_records.h"

#include <utility>

namespace wendrel {

void MeshNode::Reset() {
  pos = DPoint{};
  linkCount = 0;
  for (NodeLink& link : links) {
    link.node = 0;
    link.state = kLinkNone;
    link.dist2 = 0.0;
  }
}

void MeshNode::AddLink(int node, int edge) {
  if (linkCount < 0 || linkCount >= kMaxLinks)
    return;
  links[linkCount] = NodeLink{node, kLinkOutline, 0.0, edge};
  ++linkCount;
}

void MeshNode::InsertNearest(int node, double dist2) {
  int i;
  if (linkCount <= 0) {
    links[0].node = node;
    links[0].state = kLinkCandidate;
    links[0].dist2 = dist2;
    linkCount = 1;
    return;
  }
  if (linkCount < kMaxLinks) {
    links[linkCount].node = node;
    links[linkCount].state = kLinkCandidate;
    links[linkCount].dist2 = dist2;
    i = linkCount - 1;
    ++linkCount;
  } else {
    if (dist2 >= links[kMaxLinks - 1].dist2)
      return;
    links[kMaxLinks - 1].node = node;
    links[kMaxLinks - 1].dist2 = dist2;
    i = kMaxLinks - 2;
  }
  // The newcomer sits at i + 1; it moves forward past every strictly farther link.
  while (i >= 0 && dist2 < links[i].dist2) {
    std::swap(links[i], links[i + 1]);
    --i;
  }
}

int MeshNode::LinkNode(int k) const {
  return k >= 0 && k < kMaxLinks ? links[k].node : 0;
}
int MeshNode::LinkState(int k) const {
  return k >= 0 && k < kMaxLinks ? links[k].state : 0;
}
int MeshNode::LinkEdge(int k) const {
  return k >= 0 && k < kMaxLinks ? links[k].edge : 0;
}

void MeshNode::SetLinkState(int k, int s) {
  if (k >= 0 && k < kMaxLinks)
    links[k].state = s;
}

void MeshNode::SetLinkEdge(int k, int e) {
  if (k >= 0 && k < kMaxLinks)
    links[k].edge = e;
}

void MeshEdge::Set(const Segment& s, int a, int b) {
  seg = s;
  nodeA = a;
  nodeB = b;
}

void MeshEdge::AddTriangle(int t) {
  if (triangleCount < 0 || triangleCount >= 3)
    return;
  triangles[triangleCount] = t;
  ++triangleCount;
}

int MeshEdge::Triangle(int i) const {
  return i == 0 || i == 1 ? triangles[i] : 0;
}

void MeshEdgeList::Clear() {
  storage_.ResetAll();
  outlineEdgeCount = 0;
  edgeCount = 0;
}

int MeshEdgeList::Append(const Segment& seg, int nodeA, int nodeB) {
  const int index = edgeCount;
  MeshEdge& edge = storage_.At(index);
  edge.Reset();
  edge.Set(seg, nodeA, nodeB);
  ++edgeCount;
  return index;
}

bool MeshEdgeList::AllInnerEdgesClosed() const {
  for (int i = outlineEdgeCount; i < edgeCount; ++i) {
    if (storage_[i].triangleCount != 2)
      return false;
  }
  return true;
}

}  // namespace wendrel

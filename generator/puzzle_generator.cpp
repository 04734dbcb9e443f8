#include "generator/puzzle_generator.h"

namespace wendrel {

PuzzleGenerator::PuzzleGenerator() : nodes(256, 256) {
  edges.Clear();
}

void PuzzleGenerator::LoadOutline(const ShapeOutline& shape) {
  outline.CopyFrom(shape);
  const OutlineBounds b = outline.ComputeBounds();
  minX = b.minX;
  maxX = b.maxX;
  minY = b.minY;
  maxY = b.maxY;
}

int PuzzleGenerator::BuildTriangulation() {
  ClearNodes();
  edges.Clear();
  triangles.Clear();
  BuildOutlineMesh();
  ScatterPoints();
  LinkNearest();
  ClassifyLinks();
  // The tries are cumulative: only Blocked links are reopened between them.
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (attempt > 0)
      ResetBlockedLinks();
    AcceptEdges(kTryLimits[attempt]);
    FormTriangles();
    if (edges.AllInnerEdgesClosed())
      return 1;
  }
  return 0;
}

int PuzzleGenerator::AppendNode(double x, double y) {
  const int index = nodeCount;
  MeshNode& node = nodes.At(index);
  node.Reset();
  node.pos = DPoint{x, y};
  ++nodeCount;
  return index;
}

void PuzzleGenerator::SetLinkBothWays(int i, int k, int state, int edge) {
  MeshNode& from = nodes[i];
  from.SetLinkState(k, state);
  from.SetLinkEdge(k, edge);
  MeshNode& other = nodes[from.LinkNode(k)];
  for (int s = 0; s < other.linkCount; ++s) {
    if (other.links[s].node == i) {
      other.links[s].state = state;
      other.links[s].edge = edge;
      return;
    }
  }
}

void PuzzleGenerator::ResetBlockedLinks() {
  for (int i = 0; i < nodeCount; ++i) {
    MeshNode& node = nodes[i];
    for (int k = 0; k < node.linkCount; ++k) {
      if (node.links[k].state == kLinkBlocked)
        node.links[k].state = kLinkMutual;
    }
  }
}

}  // namespace wendrel

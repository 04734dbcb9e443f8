#pragma once

#include "generator/mesh_triangle.h"
#include "generator/pass_scratch.h"
#include "generator/piece_region.h"
#include "geometry/growable_array.h"
#include "geometry/mesh_records.h"
#include "shapes/shape_outline.h"

namespace wendrel {

// Turns an outline into a triangulated mesh and the mesh into piece regions. All
// storage is kept from run to run, so a generator that has run once allocates nothing
// in later runs. Every random number comes from wendrel::rand(), seeded by the caller.
class PuzzleGenerator {
 public:
  // Squared cosines of the smallest angle a new edge may make with an edge already
  // there, for the three triangulation tries: 45, 30 and about 15 degrees.
  static constexpr double kTryLimits[3] = {0.5, 0.75, 0.933012};
  static constexpr int kScatterTries = 4000;

  PuzzleGenerator();

  // Takes a private copy of the outline and its bounding box.
  void LoadOutline(const ShapeOutline& shape);
  // Rebuilds the mesh from the loaded outline; 1 when some try reached a complete
  // triangulation, 0 when all three failed. Regions are not touched.
  int BuildTriangulation();

  // Piece formation, after a successful BuildTriangulation.
  void ResetRegions();
  void FormPieces();

  // Node storage.
  void ClearNodes() { nodeCount = 0; }
  int AppendNode(double x, double y);
  const MeshNode& GetNode(int i) const { return nodes[i]; }
  void AddLinkAt(int i, int node, int edge) { nodes[i].AddLink(node, edge); }
  // Sets link k of node i and the first link of the other node that leads back to i.
  void SetLinkBothWays(int i, int k, int state, int edge);
  // Every Blocked link becomes Mutual again, before the next edge acceptance pass.
  void ResetBlockedLinks();

  // The steps of a run, in the order BuildTriangulation calls them.
  void BuildOutlineMesh();
  void ScatterPoints();
  void LinkNearest();
  void ClassifyLinks();
  void AcceptEdges(double cos2Limit);
  void FormTriangles();

  // The steps of piece formation.
  void GrowRegions();
  bool GrowRegionOnce(int r);
  bool CanGrowAcross(int t, int side) const;
  void ComputeRegionAdjacency();

  GrowableArray<MeshNode> nodes;
  int nodeCount = 0;
  MeshEdgeList edges;
  MeshTriangleList triangles;
  ShapeOutline outline;
  double minX = 0.0;
  double maxX = 0.0;
  double minY = 0.0;
  double maxY = 0.0;
  int pieceCount = 0;
  PieceRegion regions[PieceRegion::kMaxRegions];

 private:
  PassScratch scratch_;
};

}  // namespace wendrel

#pragma once

#include <vector>

#include "generator/box_grid.h"
#include "generator/bucket_lists.h"
#include "generator/outline_rows.h"

namespace wendrel {

// A mesh edge at a node: the node at its other end and the edge's index.
struct MeshNeighbour {
  int node;
  int edge;
};

// Working storage of the generation passes. It lives with the generator and is reused by
// every run, so that a run allocates only while the storage grows.
struct PassScratch {
  OutlineRows outlineRows;  // scatter: the outline's crossings per whole-number row
  BoxGrid scatterGrid;      // scatter: the nodes so far, by place
  BoxGrid edgeGrid;         // edge pass: the edges by place
  std::vector<Box> edgeBoxes;
  BoxGrid nodeGrid;  // triangle pass: the nodes by place
  BucketLists trianglesByNode;
  std::vector<MeshNeighbour> neighbours;
  std::vector<int> neighbourStart;
  std::vector<int> regionSides;  // adjacency: each region's sides, sorted
  std::vector<int> regionSideStart;
};

}  // namespace wendrel

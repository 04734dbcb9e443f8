#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "assembly/piece_set.h"
#include "tests/assembly/printers.h"

namespace wendrel::testing {

// Gives group g its own placement and places it.
void SetPlacement(PieceSet& set, int g, DPoint position, int rotation, int flipped);

// Gives group g the turn and mirror of group anchor and puts its pivot at its solved
// place relative to the anchor, shifted by offset.
void PutInSolvedPlace(PieceSet& set, int g, int anchor, DPoint offset = {});

// Whether the current triangles of group g are its home triangles moved as one rigid
// body: turned by the group's rotation step, mirrored when the group is flipped, and
// shifted, every vertex within tolerance.
::testing::AssertionResult IsRigidCopyOfHome(const PieceSet& set, int g, double tolerance = 1e-9);

// The current vertices of every triangle of group g, in member and list order.
std::vector<DPoint> GroupVertices(const PieceSet& set, int g);

// The first group other than g with a piece that shares a side with a piece of g in
// the solved puzzle, or -1.
int FirstNeighbourGroup(const PieceSet& set, int g);

// The group's member pieces, in order.
std::vector<int> Members(const PieceGroup& group);

}  // namespace wendrel::testing

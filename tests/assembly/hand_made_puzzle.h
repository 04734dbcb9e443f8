#pragma once

#include <initializer_list>

#include "assembly/piece_set.h"
#include "generator/mesh_triangle.h"
#include "generator/piece_region.h"

namespace wendrel::testing {

// A puzzle laid out by hand, with coordinates chosen so that every centroid and pivot
// is exact and the neighbours of each piece are named explicitly.
class HandMadePuzzle {
 public:
  // Appends a triangle (stored anticlockwise) whose centroid is the mean of its
  // vertices; returns its index.
  int AddTriangle(DPoint a, DPoint b, DPoint c);
  // A new piece of the given triangles, in that order; returns its index.
  int AddPiece(std::initializer_list<int> triangles);
  // A piece covering [x, x + side] x [y, y + side], cut along its rising diagonal.
  int AddSquare(double x, double y, double side);
  // Pieces p and q share a side in the solved puzzle.
  void MakeNeighbours(int p, int q);

  void LoadInto(PieceSet& set) const;
  // Load followed by InitPlacement: every piece a group of its own, at home.
  void LoadAtHome(PieceSet& set) const;

  MeshTriangleList triangles;
  PieceRegion regions[PieceRegion::kMaxRegions];
  int pieceCount = 0;
};

// A row of n squares of side 30 from the origin to the right, each a neighbour of the
// next. Piece k covers [30k, 30k + 30] x [0, 30]; its pivot is (30k + 15, 15).
HandMadePuzzle RowOfSquares(int n);

}  // namespace wendrel::testing

#include "tests/assembly/hand_made_puzzle.h"

namespace wendrel::testing {

int HandMadePuzzle::AddTriangle(DPoint a, DPoint b, DPoint c) {
  const int index = triangles.count;
  triangles.Append(a, b, c, 0, 0, 0, 0, 0, 0);
  triangles.At(index).tri.centroid = DPoint{(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3};
  return index;
}

int HandMadePuzzle::AddPiece(std::initializer_list<int> pieceTriangles) {
  PieceRegion& region = regions[pieceCount];
  region.Clear();
  for (const int t : pieceTriangles)
    region.AddTriangle(t);
  return pieceCount++;
}

int HandMadePuzzle::AddSquare(double x, double y, double side) {
  const DPoint p00{x, y}, p10{x + side, y}, p11{x + side, y + side}, p01{x, y + side};
  return AddPiece({AddTriangle(p00, p10, p11), AddTriangle(p00, p11, p01)});
}

void HandMadePuzzle::MakeNeighbours(int p, int q) {
  regions[p].adjacent[q] = 1;
  regions[q].adjacent[p] = 1;
}

void HandMadePuzzle::LoadInto(PieceSet& set) const {
  set.Load(triangles, regions, pieceCount);
}

void HandMadePuzzle::LoadAtHome(PieceSet& set) const {
  LoadInto(set);
  set.InitPlacement();
}

HandMadePuzzle RowOfSquares(int n) {
  HandMadePuzzle puzzle;
  for (int k = 0; k < n; ++k) {
    puzzle.AddSquare(30.0 * k, 0.0, 30.0);
    if (k > 0)
      puzzle.MakeNeighbours(k - 1, k);
  }
  return puzzle;
}

}  // namespace wendrel::testing

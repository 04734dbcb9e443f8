#include "tests/view/puzzle_moves.h"

#include <cmath>

#include "tests/view/expected_picture.h"
#include "view/piece_painter.h"

using wendrel::DPoint;
using wendrel::PieceSet;

DPoint PlacedCentre(const wendrel::Triangle& t) {
  return DPoint{(t.a.x + t.b.x + t.c.x) / 3.0, (t.a.y + t.b.y + t.c.y) / 3.0};
}

std::vector<QPoint> GrabPoints(const PieceSet& pieces, int g, const QRect& area, int radius) {
  std::vector<QPoint> points;
  const ModelPicture model(pieces);
  const wendrel::PieceGroup& group = pieces.Group(g);
  for (int j = 0; j < group.count; ++j) {
    const wendrel::Piece& piece = pieces.PieceAt(group.pieces[j]);
    for (int i = 0; i < piece.count; ++i) {
      const QPoint p = ModelToLogical(PlacedCentre(pieces.Placed(piece.TriangleAt(i))));
      if (!area.contains(p) || pieces.HitGroup(p.x(), p.y()) != g)
        continue;
      if (model.ClearOfEdges(p, radius))
        points.push_back(p);
    }
  }
  return points;
}

DPoint SolvedDisplacement(const PieceSet& pieces, int moved, int fixed) {
  const wendrel::PieceGroup& m = pieces.Group(moved);
  const wendrel::PieceGroup& f = pieces.Group(fixed);
  const DPoint solved = PieceSet::PlacedPoint(f, m.centre);
  return DPoint{solved.x - m.position.x, solved.y - m.position.y};
}

int GroupOf(const PieceSet& pieces, int piece) {
  for (int g = 0; g < pieces.GroupCount(); ++g) {
    const wendrel::PieceGroup& group = pieces.Group(g);
    for (int j = 0; j < group.count; ++j) {
      if (group.pieces[j] == piece)
        return g;
    }
  }
  return -1;
}

std::vector<int> TrianglesOf(const PieceSet& pieces, int g) {
  std::vector<int> triangles;
  const wendrel::PieceGroup& group = pieces.Group(g);
  for (int j = 0; j < group.count; ++j) {
    const wendrel::Piece& piece = pieces.PieceAt(group.pieces[j]);
    for (int i = 0; i < piece.count; ++i)
      triangles.push_back(piece.TriangleAt(i));
  }
  return triangles;
}

bool GroupsAdjacent(const PieceSet& pieces, int a, int b) {
  const wendrel::PieceGroup& ga = pieces.Group(a);
  const wendrel::PieceGroup& gb = pieces.Group(b);
  for (int p = 0; p < ga.count; ++p) {
    for (int q = 0; q < gb.count; ++q) {
      if (pieces.PiecesAdjacent(ga.pieces[p], gb.pieces[q]))
        return true;
    }
  }
  return false;
}

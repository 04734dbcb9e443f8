#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <optional>
#include <vector>

#include "assembly/piece_set.h"

// What the painted view must show, worked out from the model alone: for every logical
// point, the piece drawn last over it in painting order (groups from the back to the
// front, members in order, triangles in order), by the model's own containment test.
class ModelPicture {
 public:
  // leaveOut names a group to pass over, as the background of a drag does.
  explicit ModelPicture(const wendrel::PieceSet& pieces, int leaveOut = -1);

  std::optional<int> TopPieceAt(QPoint logical) const;
  // Whether every point within radius shows the same as this one, so that how the
  // edges fall on pixels cannot change what the point shows.
  bool ClearOfEdges(QPoint logical, int radius) const;
  // A point in area that shows no piece, clear of edges by radius; the first found row
  // by row in steps of 10.
  std::optional<QPoint> EmptyPointIn(const QRect& area, int radius = 3) const;

 private:
  int At(QPoint logical) const;

  QRect m_area;            // outside it no piece shows
  std::vector<int> m_top;  // piece index, or -1, row by row over m_area
};

// Piece p's colour.
QRgb PieceRgb(int piece);

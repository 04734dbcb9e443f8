#pragma once

#include <QBrush>
#include <QPoint>
#include <QRectF>

#include "assembly/logical_mapping.h"
#include "assembly/piece_colour.h"
#include "assembly/piece_set.h"
#include "geometry/primitives.h"

class QPainter;

// Where a model point is drawn, as a Qt point.
inline QPoint ModelToLogical(wendrel::DPoint p) {
  const wendrel::LogicalPoint logical = wendrel::ToLogical(p);
  return QPoint(logical.x, logical.y);
}

// The logical rectangle spanned by the corner points of group g's triangles as they are
// drawn; a null rectangle for a group without triangles.
QRectF GroupExtent(const wendrel::PieceSet& pieces, int g);

// Fills the triangles of pieces on any painter (window, memory bitmap, printer), in
// logical units, with no outline and no antialiasing, so that every picture of the
// puzzle (the painted view, the drag layers, the printout) is drawn the same way.
//
// On a device that keeps shapes (a PDF, a printer, a print preview) each piece is one
// shape made of its triangles, not one shape per triangle: a viewer that smooths the
// edges of every shape on its own would otherwise show the seams between triangles as
// faint lines. The area covered is the same.
class PiecePainter {
 public:
  // Sets up painter for flat fills; the painter's pen, brush and hints are put back
  // when the PiecePainter goes.
  explicit PiecePainter(QPainter& painter);
  ~PiecePainter();
  PiecePainter(const PiecePainter&) = delete;
  PiecePainter& operator=(const PiecePainter&) = delete;

  // Group g's pieces in member order, each in its own colour; a later piece covers an
  // earlier one, and within a piece a later triangle an earlier one.
  void DrawGroup(const wendrel::PieceSet& pieces, int g);
  // Group g's triangles all in one colour, as for a mask.
  void DrawGroupIn(const wendrel::PieceSet& pieces, int g, const QBrush& brush);

 private:
  void FillPiece(const wendrel::PieceSet& pieces, int p);

  QPainter& m_painter;
  bool m_bPieceShapes;
  QBrush m_colours[wendrel::kPieceColourCount];
};

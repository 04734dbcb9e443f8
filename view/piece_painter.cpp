#include "view/piece_painter.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

#include "assembly/piece_set.h"

using wendrel::PieceSet;

namespace {

// Where a placed triangle's corners are drawn.
std::array<QPoint, 3> Corners(const wendrel::Triangle& t) {
  return {ModelToLogical(t.a), ModelToLogical(t.b), ModelToLogical(t.c)};
}

}  // namespace

QRectF GroupExtent(const PieceSet& pieces, int g) {
  const wendrel::PieceGroup& group = pieces.Group(g);
  bool any = false;
  QPoint low, high;
  for (int j = 0; j < group.count; ++j) {
    const wendrel::Piece& piece = pieces.PieceAt(group.pieces[j]);
    for (int i = 0; i < piece.count; ++i) {
      for (const QPoint& p : Corners(pieces.Placed(piece.TriangleAt(i)))) {
        low = any ? QPoint(std::min(low.x(), p.x()), std::min(low.y(), p.y())) : p;
        high = any ? QPoint(std::max(high.x(), p.x()), std::max(high.y(), p.y())) : p;
        any = true;
      }
    }
  }
  return any ? QRectF(QPointF(low), QPointF(high)) : QRectF();
}

PiecePainter::PiecePainter(QPainter& painter)
    : m_painter(painter),
      m_bPieceShapes(painter.paintEngine() != nullptr &&
                     painter.paintEngine()->type() != QPaintEngine::Raster) {
  for (int k = 0; k < wendrel::kPieceColourCount; ++k) {
    const wendrel::Rgb& c = wendrel::kPieceColours[k];
    m_colours[k] = QBrush(QColor(c.r, c.g, c.b));
  }
  m_painter.save();
  m_painter.setPen(Qt::NoPen);
  m_painter.setRenderHint(QPainter::Antialiasing, false);
}

PiecePainter::~PiecePainter() {
  m_painter.restore();
}

void PiecePainter::DrawGroup(const PieceSet& pieces, int g) {
  const wendrel::PieceGroup& group = pieces.Group(g);
  for (int j = 0; j < group.count; ++j) {
    const int p = group.pieces[j];
    m_painter.setBrush(m_colours[wendrel::PieceColourIndex(p)]);
    FillPiece(pieces, p);
  }
}

void PiecePainter::DrawGroupIn(const PieceSet& pieces, int g, const QBrush& brush) {
  m_painter.setBrush(brush);
  const wendrel::PieceGroup& group = pieces.Group(g);
  for (int j = 0; j < group.count; ++j)
    FillPiece(pieces, group.pieces[j]);
}

void PiecePainter::FillPiece(const PieceSet& pieces, int p) {
  const wendrel::Piece& piece = pieces.PieceAt(p);
  if (!m_bPieceShapes) {
    for (int i = 0; i < piece.count; ++i)
      m_painter.drawConvexPolygon(Corners(pieces.Placed(piece.TriangleAt(i))).data(), 3);
    return;
  }
  QPainterPath shape;
  // The triangles of a piece all turn the same way, so the winding rule fills their union.
  shape.setFillRule(Qt::WindingFill);
  for (int i = 0; i < piece.count; ++i) {
    const std::array<QPoint, 3> corners = Corners(pieces.Placed(piece.TriangleAt(i)));
    shape.moveTo(corners[0]);
    shape.lineTo(corners[1]);
    shape.lineTo(corners[2]);
    shape.closeSubpath();
  }
  m_painter.drawPath(shape);
}

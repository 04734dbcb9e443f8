#include "view/piece_painter.h"

#include <QPainter>
#include <algorithm>

#include "assembly/piece_set.h"

using wendrel::PieceSet;

QRectF GroupExtent(const PieceSet& pieces, int g) {
  const wendrel::PieceGroup& group = pieces.Group(g);
  bool any = false;
  QPoint low, high;
  for (int j = 0; j < group.count; ++j) {
    const wendrel::Piece& piece = pieces.PieceAt(group.pieces[j]);
    for (int i = 0; i < piece.count; ++i) {
      const wendrel::Triangle& t = pieces.Placed(piece.TriangleAt(i));
      for (const wendrel::DPoint& v : {t.a, t.b, t.c}) {
        const QPoint p = ModelToLogical(v);
        low = any ? QPoint(std::min(low.x(), p.x()), std::min(low.y(), p.y())) : p;
        high = any ? QPoint(std::max(high.x(), p.x()), std::max(high.y(), p.y())) : p;
        any = true;
      }
    }
  }
  return any ? QRectF(QPointF(low), QPointF(high)) : QRectF();
}

PiecePainter::PiecePainter(QPainter& painter) : m_painter(painter) {
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
  for (int i = 0; i < piece.count; ++i) {
    const wendrel::Triangle& t = pieces.Placed(piece.TriangleAt(i));
    const QPoint corners[3] = {ModelToLogical(t.a), ModelToLogical(t.b), ModelToLogical(t.c)};
    m_painter.drawConvexPolygon(corners, 3);
  }
}

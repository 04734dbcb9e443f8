#include "tests/view/expected_picture.h"

#include <algorithm>
#include <cmath>

#include "assembly/piece_colour.h"
#include "view/piece_painter.h"

using wendrel::DPoint;
using wendrel::PieceSet;

namespace {

// The logical points that can lie in a placed triangle, with a unit to spare.
QRect Bounds(const wendrel::Triangle& t) {
  const QPoint a = ModelToLogical(t.a), b = ModelToLogical(t.b), c = ModelToLogical(t.c);
  return QRect(QPoint(std::min({a.x(), b.x(), c.x()}), std::min({a.y(), b.y(), c.y()})),
               QPoint(std::max({a.x(), b.x(), c.x()}), std::max({a.y(), b.y(), c.y()})))
      .adjusted(-1, -1, 1, 1);
}

}  // namespace

ModelPicture::ModelPicture(const PieceSet& pieces, int leaveOut) {
  for (int t = 0; t < pieces.PlacedCount(); ++t)
    m_area |= Bounds(pieces.Placed(t));
  m_top.assign(static_cast<size_t>(m_area.width()) * m_area.height(), -1);
  for (int g = pieces.GroupCount() - 1; g >= 0; --g) {
    if (g == leaveOut)
      continue;
    const wendrel::PieceGroup& group = pieces.Group(g);
    for (int j = 0; j < group.count; ++j) {
      const wendrel::Piece& piece = pieces.PieceAt(group.pieces[j]);
      for (int i = 0; i < piece.count; ++i) {
        const wendrel::Triangle& t = pieces.Placed(piece.TriangleAt(i));
        const QRect box = Bounds(t);
        for (int y = box.top(); y <= box.bottom(); ++y) {
          for (int x = box.left(); x <= box.right(); ++x) {
            const DPoint p = wendrel::ToModel(x, y);
            if (group.flipped ? t.ContainsCW(p) : t.ContainsCCW(p)) {
              m_top[(y - m_area.top()) * m_area.width() + (x - m_area.left())] = group.pieces[j];
            }
          }
        }
      }
    }
  }
}

int ModelPicture::At(QPoint logical) const {
  if (!m_area.contains(logical))
    return -1;
  return m_top[(logical.y() - m_area.top()) * m_area.width() + (logical.x() - m_area.left())];
}

std::optional<int> ModelPicture::TopPieceAt(QPoint logical) const {
  const int top = At(logical);
  return top == -1 ? std::nullopt : std::optional<int>(top);
}

bool ModelPicture::ClearOfEdges(QPoint logical, int radius) const {
  const int centre = At(logical);
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      if (At(logical + QPoint(dx, dy)) != centre)
        return false;
    }
  }
  return true;
}

std::optional<QPoint> ModelPicture::EmptyPointIn(const QRect& area, int radius) const {
  for (int y = area.top() + radius; y <= area.bottom() - radius; y += 10) {
    for (int x = area.left() + radius; x <= area.right() - radius; x += 10) {
      if (At({x, y}) == -1 && ClearOfEdges({x, y}, radius))
        return QPoint(x, y);
    }
  }
  return std::nullopt;
}

QRgb PieceRgb(int piece) {
  const wendrel::Rgb& c = wendrel::kPieceColours[wendrel::PieceColourIndex(piece)];
  return qRgb(c.r, c.g, c.b) & 0xffffff;
}

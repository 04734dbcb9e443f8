#include "view/focus_cue.h"

#include <QLine>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <map>
#include <utility>
#include <vector>

#include "view/piece_painter.h"

using wendrel::DPoint;

namespace {

constexpr int kCueWidth = 2;

// The outer sides of group g on the screen. Within a group the triangles share home
// vertices exactly, and one placement maps them all, so a side that two triangles share
// is found by its two home corners.
std::vector<QLine> OuterSides(const wendrel::PieceSet& pieces, int g) {
  using Corner = std::pair<double, double>;
  std::map<std::pair<Corner, Corner>, std::pair<int, QLine>> sides;
  const wendrel::PieceGroup& group = pieces.Group(g);
  for (int j = 0; j < group.count; ++j) {
    const wendrel::Piece& piece = pieces.PieceAt(group.pieces[j]);
    for (int i = 0; i < piece.count; ++i) {
      const int t = piece.TriangleAt(i);
      const wendrel::Triangle& home = pieces.Home(t);
      const wendrel::Triangle& placed = pieces.Placed(t);
      const DPoint homeCorners[3] = {home.a, home.b, home.c};
      const DPoint placedCorners[3] = {placed.a, placed.b, placed.c};
      for (int k = 0; k < 3; ++k) {
        const DPoint p = homeCorners[k], q = homeCorners[(k + 1) % 3];
        const Corner from{p.x, p.y}, to{q.x, q.y};
        auto& side = sides[std::minmax(from, to)];
        ++side.first;
        side.second =
            QLine(ModelToLogical(placedCorners[k]), ModelToLogical(placedCorners[(k + 1) % 3]));
      }
    }
  }
  std::vector<QLine> outer;
  for (const auto& [corners, side] : sides) {
    if (side.first == 1)
      outer.push_back(side.second);
  }
  return outer;
}

}  // namespace

void DrawFocusCue(QPainter& painter, const wendrel::PieceSet& pieces, int g,
                  const QPalette& palette) {
  const std::vector<QLine> outline = OuterSides(pieces, g);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(palette.color(QPalette::HighlightedText), kCueWidth, Qt::SolidLine));
  painter.drawLines(outline.data(), static_cast<int>(outline.size()));
  painter.setPen(QPen(palette.color(QPalette::Highlight), kCueWidth, Qt::DashLine));
  painter.drawLines(outline.data(), static_cast<int>(outline.size()));
  painter.restore();
}

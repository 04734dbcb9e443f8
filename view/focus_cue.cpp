#include "view/focus_cue.h"

#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QPolygon>
#include <map>
#include <utility>
#include <vector>

#include "view/piece_painter.h"

using wendrel::DPoint;

namespace {

constexpr int kCueWidth = 2;

// A corner by its home coordinates: within a group the triangles share home vertices
// exactly, and one placement maps them all alike.
using Corner = std::pair<double, double>;

struct Side {
  Corner from, to;
  QPoint start, end;  // where the screen shows the two corners
};

// The sides of group g that no other of its triangles shares, each in the sense of its
// triangle, so that they follow one another round the outline.
std::vector<Side> OuterSides(const wendrel::PieceSet& pieces, int g) {
  std::map<std::pair<Corner, Corner>, std::pair<int, Side>> sides;
  pieces.ForEachTriangle(pieces.Group(g), [&](int t) {
    const wendrel::Triangle& home = pieces.Home(t);
    const wendrel::Triangle& placed = pieces.Placed(t);
    const DPoint homeCorners[3] = {home.a, home.b, home.c};
    const DPoint placedCorners[3] = {placed.a, placed.b, placed.c};
    for (int k = 0; k < 3; ++k) {
      const int next = (k + 1) % 3;
      const Side side{{homeCorners[k].x, homeCorners[k].y},
                      {homeCorners[next].x, homeCorners[next].y},
                      ModelToLogical(placedCorners[k]),
                      ModelToLogical(placedCorners[next])};
      auto& entry = sides[std::minmax(side.from, side.to)];
      ++entry.first;
      entry.second = side;
    }
  });
  std::vector<Side> outer;
  for (const auto& [corners, entry] : sides) {
    if (entry.first == 1)
      outer.push_back(entry.second);
  }
  return outer;
}

// The outer sides joined end to start into lines, so that the dashes run on round
// corners instead of starting afresh on every short side.
std::vector<QPolygon> Outline(const std::vector<Side>& sides) {
  std::multimap<Corner, std::size_t> byStart;
  for (std::size_t i = 0; i < sides.size(); ++i)
    byStart.emplace(sides[i].from, i);
  std::vector<bool> used(sides.size(), false);
  std::vector<QPolygon> lines;
  for (std::size_t first = 0; first < sides.size(); ++first) {
    if (used[first])
      continue;
    QPolygon line{sides[first].start};
    for (std::size_t i = first; !used[i];) {
      used[i] = true;
      line << sides[i].end;
      auto [next, last] = byStart.equal_range(sides[i].to);
      while (next != last && used[next->second])
        ++next;
      if (next == last)
        break;
      i = next->second;
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

void DrawFocusCue(QPainter& painter, const wendrel::PieceSet& pieces, int g,
                  const QPalette& palette) {
  const std::vector<QPolygon> outline = Outline(OuterSides(pieces, g));
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  for (const auto& [colour, style] : {std::pair{QPalette::HighlightedText, Qt::SolidLine},
                                      std::pair{QPalette::Highlight, Qt::DashLine}}) {
    painter.setPen(QPen(palette.color(colour), kCueWidth, style, Qt::FlatCap, Qt::MiterJoin));
    for (const QPolygon& line : outline)
      painter.drawPolyline(line);
  }
  painter.restore();
}

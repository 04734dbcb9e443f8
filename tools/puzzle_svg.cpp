#include "tools/puzzle_svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "assembly/piece_colour.h"
#include "tools/number_text.h"

namespace wendrel {

namespace {

// Room round the outline, in model units.
constexpr double kMargin = 10.0;

// SVG y runs down. Subtracting from zero negates exactly, so the picture keeps the
// model's coordinates, and a point on the axis reads 0 rather than -0.
void AppendSvgPoint(std::string& out, DPoint p, char separator) {
  AppendDouble(out, p.x);
  out += separator;
  AppendDouble(out, 0.0 - p.y);
}

std::string FillOf(int piece) {
  if (piece == 0)
    return "#ffffff";
  const Rgb c = kPieceColours[PieceColourIndex(piece - 1)];
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
  return text;
}

// A side is drawn when it ends the picture or separates two different pieces.
bool IsPieceBoundary(const PuzzleGenerator& g, const MeshEdge& edge) {
  if (edge.triangleCount < 2)
    return true;
  return g.triangles.Get(edge.Triangle(0)).piece != g.triangles.Get(edge.Triangle(1)).piece;
}

// The opening tag for the model rectangle from (minX, minY) to (maxX, maxY), with the
// margin round it.
std::string SvgStart(double minX, double minY, double maxX, double maxY) {
  const double left = minX - kMargin, top = -maxY - kMargin;
  const double width = maxX - minX + 2 * kMargin, height = maxY - minY + 2 * kMargin;
  std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"";
  AppendDouble(out, left);
  out += ' ';
  AppendDouble(out, top);
  out += ' ';
  AppendDouble(out, width);
  out += ' ';
  AppendDouble(out, height);
  out += "\" width=\"";
  AppendDouble(out, width);
  out += "\" height=\"";
  AppendDouble(out, height);
  out += "\">\n";
  return out;
}

// Stroked in its own fill so that no hairline shows between the triangles of one piece.
void AppendTriangle(std::string& out, const Triangle& tri, int piece) {
  const std::string fill = FillOf(piece);
  out += "<polygon points=\"";
  AppendSvgPoint(out, tri.a, ',');
  out += ' ';
  AppendSvgPoint(out, tri.b, ',');
  out += ' ';
  AppendSvgPoint(out, tri.c, ',');
  out += "\" fill=\"" + fill + "\" stroke=\"" + fill + "\" stroke-width=\"0.5\"/>\n";
}

// The lines between pieces, as one path of the segments that line(edge, i) gives.
template <typename Line>
void AppendPieceLines(std::string& out, const PuzzleGenerator& g, Line line) {
  out +=
      "<path fill=\"none\" stroke=\"#000000\" stroke-width=\"0.8\" stroke-linecap=\"round\" d=\"";
  for (int e = 0; e < g.edges.edgeCount; ++e) {
    const MeshEdge& edge = g.edges.Get(e);
    if (!IsPieceBoundary(g, edge))
      continue;
    line(edge, [&](DPoint a, DPoint b) {
      out += 'M';
      AppendSvgPoint(out, a, ' ');
      out += 'L';
      AppendSvgPoint(out, b, ' ');
    });
  }
  out += "\"/>\n";
}

}  // namespace

std::string PuzzleSvg(const PuzzleGenerator& g) {
  std::string out = SvgStart(g.minX, g.minY, g.maxX, g.maxY);
  for (int t = 0; t < g.triangles.count; ++t)
    AppendTriangle(out, g.triangles.Get(t).tri, g.triangles.Get(t).piece);
  AppendPieceLines(out, g, [](const MeshEdge& edge, auto draw) { draw(edge.seg.a, edge.seg.b); });
  out += "</svg>\n";
  return out;
}

std::string PlacedPuzzleSvg(const PuzzleGenerator& g, const PieceSet& pieces) {
  double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
  int groupOf[PieceRegion::kMaxRegions] = {};
  for (int gi = 0; gi < pieces.GroupCount(); ++gi) {
    const PieceGroup& group = pieces.Group(gi);
    for (int j = 0; j < group.count; ++j)
      groupOf[group.pieces[j]] = gi;
    pieces.ForEachTriangle(group, [&](int t) {
      for (const DPoint p : {pieces.Placed(t).a, pieces.Placed(t).b, pieces.Placed(t).c}) {
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
      }
    });
  }
  std::string out = SvgStart(minX, minY, maxX, maxY);
  // Back to front: group 0 is the one on top.
  for (int gi = pieces.GroupCount() - 1; gi >= 0; --gi) {
    const PieceGroup& group = pieces.Group(gi);
    pieces.ForEachTriangle(
        group, [&](int t) { AppendTriangle(out, pieces.Placed(t), g.triangles.Get(t).piece); });
    // Each side of a line is drawn where the group of the piece on that side lies.
    AppendPieceLines(out, g, [&](const MeshEdge& edge, auto draw) {
      for (int k = 0; k < std::min(edge.triangleCount, 2); ++k) {
        const int piece = g.triangles.Get(edge.Triangle(k)).piece - 1;
        if (piece >= 0 && groupOf[piece] == gi)
          draw(PieceSet::PlacedPoint(group, edge.seg.a), PieceSet::PlacedPoint(group, edge.seg.b));
      }
    });
  }
  out += "</svg>\n";
  return out;
}

}  // namespace wendrel

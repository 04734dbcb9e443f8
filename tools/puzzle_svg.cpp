#include "tools/puzzle_svg.h"

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

}  // namespace

std::string PuzzleSvg(const PuzzleGenerator& g) {
  const double left = g.minX - kMargin, top = -g.maxY - kMargin;
  const double width = g.maxX - g.minX + 2 * kMargin, height = g.maxY - g.minY + 2 * kMargin;
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

  // Each triangle is stroked in its own fill so that no hairline shows between the
  // triangles of one piece.
  for (int t = 0; t < g.triangles.count; ++t) {
    const MeshTriangle& tri = g.triangles.Get(t);
    const std::string fill = FillOf(tri.piece);
    out += "<polygon points=\"";
    AppendSvgPoint(out, tri.tri.a, ',');
    out += ' ';
    AppendSvgPoint(out, tri.tri.b, ',');
    out += ' ';
    AppendSvgPoint(out, tri.tri.c, ',');
    out += "\" fill=\"" + fill + "\" stroke=\"" + fill + "\" stroke-width=\"0.5\"/>\n";
  }

  out +=
      "<path fill=\"none\" stroke=\"#000000\" stroke-width=\"0.8\" stroke-linecap=\"round\" d=\"";
  for (int e = 0; e < g.edges.edgeCount; ++e) {
    const MeshEdge& edge = g.edges.Get(e);
    if (!IsPieceBoundary(g, edge))
      continue;
    out += 'M';
    AppendSvgPoint(out, edge.seg.a, ' ');
    out += 'L';
    AppendSvgPoint(out, edge.seg.b, ' ');
  }
  out += "\"/>\n</svg>\n";
  return out;
}

}  // namespace wendrel

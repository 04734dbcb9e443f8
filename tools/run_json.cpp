#include "tools/run_json.h"

#include <optional>

#include "generator/figure_seeds.h"
#include "tools/number_text.h"

namespace wendrel {

namespace {

void AppendPoint(std::string& out, DPoint p) {
  out += '[';
  AppendDouble(out, p.x);
  out += ", ";
  AppendDouble(out, p.y);
  out += ']';
}

void AppendPoints(std::string& out, const DPoint* points, int count) {
  out += '[';
  for (int i = 0; i < count; ++i) {
    if (i > 0)
      out += ", ";
    AppendPoint(out, points[i]);
  }
  out += ']';
}

void AppendInts(std::string& out, const int* values, int n) {
  out += '[';
  for (int i = 0; i < n; ++i) {
    if (i > 0)
      out += ", ";
    AppendInt(out, values[i]);
  }
  out += ']';
}

void AppendNodes(std::string& out, const PuzzleGenerator& g) {
  out += '[';
  for (int i = 0; i < g.nodeCount; ++i) {
    if (i > 0)
      out += ", ";
    AppendPoint(out, g.GetNode(i).pos);
  }
  out += ']';
}

void AppendEdges(std::string& out, const MeshEdgeList& edges) {
  out += '[';
  for (int e = 0; e < edges.edgeCount; ++e) {
    if (e > 0)
      out += ", ";
    const int ends[2] = {edges.Get(e).nodeA, edges.Get(e).nodeB};
    AppendInts(out, ends, 2);
  }
  out += ']';
}

void AppendTriangles(std::string& out, const MeshTriangleList& triangles) {
  out += '[';
  for (int t = 0; t < triangles.count; ++t) {
    if (t > 0)
      out += ", ";
    const MeshTriangle& tri = triangles.Get(t);
    out += "{\"nodes\": ";
    AppendInts(out, tri.nodes, 3);
    out += ", \"edges\": ";
    AppendInts(out, tri.edges, 3);
    out += ", \"piece\": ";
    AppendInt(out, tri.piece);
    out += '}';
  }
  out += ']';
}

void AppendRegions(std::string& out, const PuzzleGenerator& g) {
  out += '[';
  for (int r = 0; r < g.pieceCount; ++r) {
    if (r > 0)
      out += ", ";
    const PieceRegion& region = g.regions[r];
    out += '[';
    for (int i = 0; i < region.count; ++i) {
      if (i > 0)
        out += ", ";
      AppendInt(out, region.TriangleAt(i));
    }
    out += ']';
  }
  out += ']';
}

void AppendAdjacency(std::string& out, const PuzzleGenerator& g) {
  out += '[';
  for (int r = 0; r < g.pieceCount; ++r) {
    if (r > 0)
      out += ", ";
    AppendInts(out, g.regions[r].adjacent, g.pieceCount);
  }
  out += ']';
}

void AppendGroups(std::string& out, const PieceSet& pieces) {
  out += '[';
  for (int i = 0; i < pieces.GroupCount(); ++i) {
    if (i > 0)
      out += ", ";
    const PieceGroup& group = pieces.Group(i);
    out += "{\"pieces\": ";
    AppendInts(out, group.pieces, group.count);
    out += ", \"position\": ";
    AppendPoint(out, group.position);
    out += ", \"rotation\": ";
    AppendInt(out, group.rotation);
    out += ", \"flipped\": ";
    AppendInt(out, group.flipped);
    out += '}';
  }
  out += ']';
}

}  // namespace

void AppendRunJson(std::string& out, const PuzzleRun& run) {
  const PuzzleGenerator& g = run.generator();
  out += "{\"seed\": ";
  AppendInt(out, run.seed());
  // Outputs of the default shape stay as they were before there was a choice, and those of
  // the other built-in shapes as they were before there were figures. Any other puzzle
  // lists what it was cut from, so that it can be cut again from this line alone.
  const PuzzleId& puzzle = run.puzzle();
  const std::optional<Shape> shape = BuiltInShapeOf(*puzzle.figure);
  if (shape && puzzle.OwnSeeds()) {
    if (*shape != kDefaultShape) {
      out += ", \"shape\": \"";
      out += puzzle.figure->name;
      out += '"';
    }
  } else {
    out += ", \"figure\": \"";
    out += puzzle.figure->name;
    out += "\", \"pieces\": ";
    AppendInt(out, puzzle.pieces);
    const ShapeOutline cut = OutlineToCut(*puzzle.figure, puzzle.pieces, puzzle.number);
    out += ", \"outline\": ";
    AppendPoints(out, cut.vertices, cut.vertexCount);
    out += ", \"seeds\": ";
    AppendPoints(out, cut.seeds, cut.seedCount);
  }
  out += run.ok() ? ", \"ok\": true" : ", \"ok\": false";
  out += ", \"nodes\": ";
  AppendNodes(out, g);
  out += ", \"outlineEdgeCount\": ";
  AppendInt(out, g.edges.outlineEdgeCount);
  out += ", \"edges\": ";
  AppendEdges(out, g.edges);
  out += ", \"triangles\": ";
  AppendTriangles(out, g.triangles);
  // After a failure the regions still hold an earlier puzzle's (or nothing at all).
  if (run.ok()) {
    out += ", \"regions\": ";
    AppendRegions(out, g);
    out += ", \"adjacent\": ";
    AppendAdjacency(out, g);
    out += ", \"groups\": ";
    AppendGroups(out, run.pieces());
  } else {
    out += ", \"regions\": [], \"adjacent\": [], \"groups\": []";
  }
  out += '}';
}

}  // namespace wendrel

#include "tools/puzzle_svg.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "assembly/piece_colour.h"
#include "tools/puzzle_run.h"

namespace wendrel {
namespace {

struct Element {
  std::string name;
  std::map<std::string, std::string> attributes;
};

// Reads the elements of the picture in document order, checking on the way that the
// text is well-formed: only white space between tags, every attribute quoted, every
// element closed, one root.
std::vector<Element> ReadElements(const std::string& svg) {
  std::vector<Element> elements;
  std::vector<std::string> open;
  bool rootClosed = false;
  std::size_t pos = 0;
  while (pos < svg.size()) {
    if (svg[pos] == ' ' || svg[pos] == '\n') {
      ++pos;
      continue;
    }
    EXPECT_EQ(svg[pos], '<') << "text outside tags at " << pos;
    EXPECT_FALSE(rootClosed) << "content after the root element";
    const std::size_t end = svg.find('>', pos);
    if (svg[pos] != '<' || end == std::string::npos) {
      ADD_FAILURE() << "broken tag at " << pos;
      return elements;
    }
    std::string tag = svg.substr(pos + 1, end - pos - 1);
    pos = end + 1;
    if (tag[0] == '/') {
      EXPECT_FALSE(open.empty());
      if (open.empty())
        return elements;
      EXPECT_EQ(tag.substr(1), open.back());
      open.pop_back();
      rootClosed = open.empty();
      continue;
    }
    const bool selfClosing = tag.back() == '/';
    if (selfClosing)
      tag.pop_back();
    Element e;
    std::size_t i = tag.find(' ');
    e.name = tag.substr(0, i);
    while (i != std::string::npos && i < tag.size()) {
      const std::size_t eq = tag.find("=\"", i);
      if (eq == std::string::npos)
        break;
      const std::size_t close = tag.find('"', eq + 2);
      EXPECT_NE(close, std::string::npos) << "unquoted attribute in <" << e.name << ">";
      if (close == std::string::npos)
        break;
      const std::size_t nameStart = tag.find_first_not_of(' ', i);
      e.attributes[tag.substr(nameStart, eq - nameStart)] = tag.substr(eq + 2, close - eq - 2);
      i = close + 1;
    }
    elements.push_back(e);
    if (!selfClosing)
      open.push_back(e.name);
  }
  EXPECT_TRUE(open.empty()) << "unclosed <" << (open.empty() ? "" : open.back()) << ">";
  return elements;
}

std::vector<double> Numbers(const std::string& text) {
  std::vector<double> values;
  const char* p = text.data();
  const char* last = p + text.size();
  while (p < last) {
    if (*p == ' ' || *p == ',' || *p == 'M' || *p == 'L') {
      ++p;
      continue;
    }
    double v = 0.0;
    const std::from_chars_result r = std::from_chars(p, last, v);
    EXPECT_EQ(r.ec, std::errc{}) << "bad number in '" << text << "'";
    if (r.ec != std::errc{})
      break;
    values.push_back(v);
    p = r.ptr;
  }
  return values;
}

std::string HexColour(Rgb c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
  return text;
}

class PuzzleSvgTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(run_.ok()); }

  const PuzzleGenerator& generator() const { return run_.generator(); }

  const ShapeLibrary library_;
  const PuzzleRun run_{3, library_};
};

TEST_F(PuzzleSvgTest, IsAWellFormedSvgDocument) {
  const std::string svg = PuzzleSvg(generator());
  EXPECT_EQ(svg.rfind("<svg", 0), 0u);
  const std::vector<Element> elements = ReadElements(svg);
  ASSERT_FALSE(elements.empty());
  EXPECT_EQ(elements[0].name, "svg");
  EXPECT_EQ(elements[0].attributes.at("xmlns"), "http://www.w3.org/2000/svg");
  EXPECT_EQ(Numbers(elements[0].attributes.at("viewBox")).size(), 4u);
}

TEST_F(PuzzleSvgTest, HasOnePolygonPerTriangleAtItsPlaceWithYUp) {
  const PuzzleGenerator& g = generator();
  std::vector<Element> polygons;
  for (const Element& e : ReadElements(PuzzleSvg(g))) {
    if (e.name == "polygon")
      polygons.push_back(e);
  }
  ASSERT_EQ(polygons.size(), static_cast<std::size_t>(g.triangles.count));
  for (int t = 0; t < g.triangles.count; ++t) {
    const Triangle& tri = g.triangles.Get(t).tri;
    const std::vector<double> want = {tri.a.x, -tri.a.y, tri.b.x, -tri.b.y, tri.c.x, -tri.c.y};
    EXPECT_EQ(Numbers(polygons[t].attributes.at("points")), want) << "triangle " << t;
  }
}

TEST_F(PuzzleSvgTest, FillsEachPieceInItsOwnColour) {
  const PuzzleGenerator& g = generator();
  std::map<std::string, int> polygonsByFill;
  for (const Element& e : ReadElements(PuzzleSvg(g))) {
    if (e.name == "polygon")
      ++polygonsByFill[e.attributes.at("fill")];
  }
  std::map<std::string, int> want;
  int assigned = 0;
  for (int r = 0; r < g.pieceCount; ++r) {
    want[HexColour(kPieceColours[r])] += g.regions[r].count;
    assigned += g.regions[r].count;
  }
  if (assigned < g.triangles.count)
    want["#ffffff"] = g.triangles.count - assigned;
  EXPECT_EQ(polygonsByFill, want);
}

// The dark lines run along the outline and between different pieces only.
TEST_F(PuzzleSvgTest, DrawsLinesWherePiecesMeet) {
  const PuzzleGenerator& g = generator();
  std::vector<Element> paths;
  for (const Element& e : ReadElements(PuzzleSvg(g))) {
    if (e.name == "path")
      paths.push_back(e);
  }
  ASSERT_EQ(paths.size(), 1u);
  const std::vector<double> numbers = Numbers(paths[0].attributes.at("d"));
  ASSERT_EQ(numbers.size() % 4, 0u);
  std::set<std::pair<std::pair<double, double>, std::pair<double, double>>> drawn;
  for (std::size_t i = 0; i < numbers.size(); i += 4) {
    drawn.insert({{numbers[i], -numbers[i + 1]}, {numbers[i + 2], -numbers[i + 3]}});
  }
  int sidesBetweenPieces = 0;
  for (int e = 0; e < g.edges.edgeCount; ++e) {
    const MeshEdge& edge = g.edges.Get(e);
    const bool onOutline = e < g.edges.outlineEdgeCount;
    const bool betweenPieces = !onOutline && g.triangles.Get(edge.Triangle(0)).piece !=
                                                 g.triangles.Get(edge.Triangle(1)).piece;
    sidesBetweenPieces += betweenPieces;
    const bool isDrawn =
        drawn.count({{edge.seg.a.x, edge.seg.a.y}, {edge.seg.b.x, edge.seg.b.y}}) > 0;
    EXPECT_EQ(isDrawn, onOutline || betweenPieces) << "edge " << e;
  }
  EXPECT_GT(sidesBetweenPieces, 0);
  EXPECT_EQ(drawn.size(), static_cast<std::size_t>(g.edges.outlineEdgeCount + sidesBetweenPieces));
}

}  // namespace
}  // namespace wendrel

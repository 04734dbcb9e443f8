#include "tests/assembly/group_checks.h"

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace wendrel::testing {

namespace {

// Home and current vertex of every triangle corner of group g.
std::vector<std::pair<DPoint, DPoint>> HomeAndCurrent(const PieceSet& set, int g) {
  std::vector<std::pair<DPoint, DPoint>> pairs;
  const PieceGroup& group = set.Group(g);
  for (int j = 0; j < group.count; ++j) {
    const Piece& piece = set.PieceAt(group.pieces[j]);
    for (int i = 0; i < piece.count; ++i) {
      const Triangle& home = set.Home(piece.TriangleAt(i));
      const Triangle& placed = set.Placed(piece.TriangleAt(i));
      pairs.emplace_back(home.a, placed.a);
      pairs.emplace_back(home.b, placed.b);
      pairs.emplace_back(home.c, placed.c);
    }
  }
  return pairs;
}

}  // namespace

void SetPlacement(PieceSet& set, int g, DPoint position, int rotation, int flipped) {
  PieceGroup& group = set.Groups().groups[g];
  group.position = position;
  group.rotation = rotation;
  group.flipped = flipped;
  set.PlaceGroup(g, rotation, flipped);
}

void PutInSolvedPlace(PieceSet& set, int g, int anchor, DPoint offset) {
  const PieceGroup& a = set.Group(anchor);
  const DPoint solved = PieceSet::PlacedPoint(a, set.Group(g).centre);
  SetPlacement(set, g, DPoint{solved.x + offset.x, solved.y + offset.y}, a.rotation, a.flipped);
}

::testing::AssertionResult IsRigidCopyOfHome(const PieceSet& set, int g, double tolerance) {
  const auto pairs = HomeAndCurrent(set, g);
  if (pairs.empty())
    return ::testing::AssertionSuccess();
  const PieceGroup& group = set.Group(g);
  // Undoing the mirror leaves a turn and a shift, fixed by the first corner.
  const double sign = group.flipped ? -1.0 : 1.0;
  const double theta = group.rotation * std::numbers::pi / 6;
  const double c = std::cos(theta), s = std::sin(theta);
  const DPoint home0 = pairs[0].first;
  const DPoint now0{sign * pairs[0].second.x, pairs[0].second.y};
  for (const auto& [home, current] : pairs) {
    const double dx = home.x - home0.x, dy = home.y - home0.y;
    const DPoint expected{sign * (now0.x + c * dx - s * dy), now0.y + s * dx + c * dy};
    if (std::abs(expected.x - current.x) > tolerance ||
        std::abs(expected.y - current.y) > tolerance) {
      return ::testing::AssertionFailure()
             << "group " << g << " (rotation " << group.rotation << ", flipped " << group.flipped
             << "): home (" << home.x << ", " << home.y << ") is at (" << current.x << ", "
             << current.y << "), not at (" << expected.x << ", " << expected.y << ")";
    }
  }
  return ::testing::AssertionSuccess();
}

std::vector<DPoint> GroupVertices(const PieceSet& set, int g) {
  std::vector<DPoint> vertices;
  for (const auto& pair : HomeAndCurrent(set, g))
    vertices.push_back(pair.second);
  return vertices;
}

int FirstNeighbourGroup(const PieceSet& set, int g) {
  const PieceGroup& group = set.Group(g);
  for (int h = 0; h < set.GroupCount(); ++h) {
    if (h == g)
      continue;
    const PieceGroup& other = set.Group(h);
    for (int p = 0; p < group.count; ++p) {
      for (int q = 0; q < other.count; ++q) {
        if (set.PiecesAdjacent(group.pieces[p], other.pieces[q]))
          return h;
      }
    }
  }
  return -1;
}

std::vector<int> Members(const PieceGroup& group) {
  return std::vector<int>(group.pieces, group.pieces + group.count);
}

}  // namespace wendrel::testing

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "assembly/generate_puzzle.h"
#include "assembly/logical_mapping.h"
#include "assembly/puzzle_game.h"
#include "io/figure_box.h"

namespace wendrel {
namespace {

// The surface, a laptop's window and a large screen's.
constexpr PlayArea kAreas[] = {PieceSet::kSurfaceArea, {0, 0, 1280, 880}, {0, 0, 1900, 1100}};

// Two triangles are apart exactly when the normal of some side separates them.
bool Overlap(const Triangle& s, const Triangle& t) {
  const DPoint sv[] = {s.a, s.b, s.c}, tv[] = {t.a, t.b, t.c};
  for (const DPoint* side : {sv, tv}) {
    for (int i = 0; i < 3; ++i) {
      const DPoint p = side[i], q = side[(i + 1) % 3];
      const auto along = [&](DPoint v) { return (q.y - p.y) * v.x - (q.x - p.x) * v.y; };
      const auto [sMin, sMax] = std::minmax({along(s.a), along(s.b), along(s.c)});
      const auto [tMin, tMax] = std::minmax({along(t.a), along(t.b), along(t.c)});
      if (sMax < tMin || tMax < sMin)
        return false;
    }
  }
  return true;
}

// Whether a triangle of group g and one of group h share a point, borders included.
bool GroupsOverlap(const PieceSet& set, int g, int h) {
  bool overlap = false;
  set.ForEachTriangle(set.Group(g), [&](int s) {
    set.ForEachTriangle(set.Group(h),
                        [&](int t) { overlap = overlap || Overlap(set.Placed(s), set.Placed(t)); });
  });
  return overlap;
}

// Whether box lies in area, at least inset from its borders.
bool Within(const ModelBox& box, const PlayArea& area, double inset = 0) {
  const ModelBox room = ToModel(area);
  return box.minX >= room.minX + inset && box.maxX <= room.maxX - inset &&
         box.minY >= room.minY + inset && box.maxY <= room.maxY - inset;
}

// Whether a vertex of group g lies the margin inside area, where a click reaches it (less a
// rounding, which a group brought there can be off by).
bool InReach(const PieceSet& set, int g, const PlayArea& area) {
  bool reached = false;
  set.ForEachTriangle(set.Group(g), [&](int t) {
    for (const DPoint v : {set.Placed(t).a, set.Placed(t).b, set.Placed(t).c})
      reached = reached || Within({v.x, v.x, v.y, v.y}, area, PieceSet::kSurfaceMargin - 1e-9);
  });
  return reached;
}

// Every figure the program knows, each at its own count and at one drawn from 3 to 20, as
// the chooser offers them.
std::vector<PuzzleId> PuzzlesOf(std::int32_t number, std::mt19937& numbers) {
  std::vector<PuzzleId> puzzles;
  for (const FigureRef& figure : KnownFigures()) {
    puzzles.emplace_back(figure, number);
    puzzles.emplace_back(
        figure, number,
        static_cast<int>(Figure::kMinPieces +
                         numbers() % (Figure::kMaxPieces - Figure::kMinPieces + 1)));
  }
  return puzzles;
}

std::string Named(const PuzzleId& puzzle) {
  return puzzle.figure->name + " " + std::to_string(puzzle.pieces) + " " +
         std::to_string(puzzle.number);
}

TEST(ScatterToFit, NoTwoPiecesMeetAndAtLeastAsManyAsTheGridHoldsStartInsideTheRestInReach) {
  PuzzleGenerator generator;
  std::mt19937 numbers(20261208);
  for (int round = 0; round < 12; ++round) {
    const auto number = static_cast<std::int32_t>(numbers());
    for (const PuzzleId& puzzle : PuzzlesOf(number, numbers)) {
      if (puzzle.figure->name == "three-hearts" && puzzle.OwnSeeds())
        continue;
      const PlayArea& area = kAreas[(round + puzzle.pieces) % 3];
      PieceSet set;
      if (!GeneratePuzzle(puzzle, generator, set, area))
        continue;
      const int n = set.GroupCount();
      // Cells of the largest piece with the gap to spare, across and down the area.
      double cellW = 0, cellH = 0;
      for (int g = 0; g < n; ++g) {
        cellW = std::max(cellW, std::ceil(set.Bounds(g)->Width()) + PieceSet::kScatterGap);
        cellH = std::max(cellH, std::ceil(set.Bounds(g)->Height()) + PieceSet::kScatterGap);
      }
      const int across = static_cast<int>(ToModel(area).Width() / cellW);
      const int down = static_cast<int>(ToModel(area).Height() / cellH);
      // Where cells along the bottom and right borders and past their corner take the
      // pieces left over, every piece is in reach.
      const bool roomAlongTheBorders = (across + 1) * (down + 1) >= n;
      int inside = 0;
      for (int g = 0; g < n; ++g) {
        inside += Within(*set.Bounds(g), area) ? 1 : 0;
        for (int h = 0; h < g; ++h)
          ASSERT_FALSE(GroupsOverlap(set, g, h)) << Named(puzzle);
        EXPECT_TRUE(!roomAlongTheBorders || InReach(set, g, area)) << Named(puzzle);
      }
      EXPECT_GE(inside, std::min(n, across * down)) << Named(puzzle);
      // A large screen's window has room for every figure's pieces side by side.
      EXPECT_TRUE(area != kAreas[2] || inside == n) << Named(puzzle);
    }
  }
}

TEST(FullView, HintsAndSolveBringTheHelpedGroupWhollyIntoTheAreaWhereItFits) {
  std::mt19937 numbers(5626);
  for (int round = 0; round < 9; ++round) {
    const auto number = static_cast<std::int32_t>(numbers());
    const PlayArea& cutFor = kAreas[round % 3];
    const PlayArea& area = kAreas[(round / 3) % 3];
    for (const PuzzleId& puzzle : PuzzlesOf(number, numbers)) {
      const auto inView = [&](const PieceSet& set) {
        const ModelBox box = *set.Bounds(0), room = ToModel(area);
        const bool fits = std::max(box.Width() - room.Width(), box.Height() - room.Height()) <=
                          -2 * PieceSet::kSurfaceMargin;
        return fits ? Within(box, area, PieceSet::kSurfaceMargin - 1e-9) : InReach(set, 0, area);
      };
      PuzzleGame game;
      if (!game.Generate(puzzle, cutFor, 0))
        continue;
      // A group brought into a window of another size lies a rounding off when brought again.
      const bool settled = !game.BringIntoView(area);
      const GroupTable before = game.Pieces().Groups();
      ASSERT_TRUE(game.Solve(area, 1));
      ASSERT_TRUE(game.Solved());
      EXPECT_TRUE(inView(game.Pieces())) << Named(puzzle);
      ASSERT_EQ(game.Undo(area, 2), PuzzleGame::Step::kDone);
      EXPECT_TRUE(!settled || SameGroups(game.Pieces().Groups(), before));
      while (!game.Solved()) {
        ASSERT_TRUE(game.Hint(-1, area, 3));
        EXPECT_TRUE(inView(game.Pieces())) << Named(puzzle);
      }
      // A Restart in a window smaller than the scatter's leaves every piece in reach.
      ASSERT_TRUE(game.Restart(PieceSet::kSurfaceArea, 4));
      for (int g = 0; g < game.Pieces().GroupCount(); ++g)
        EXPECT_TRUE(InReach(game.Pieces(), g, PieceSet::kSurfaceArea));
    }
  }
}

}  // namespace
}  // namespace wendrel

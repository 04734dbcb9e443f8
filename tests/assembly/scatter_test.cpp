#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "assembly/piece_set.h"
#include "generator/random.h"
#include "generator/random_pool.h"
#include "tests/assembly/group_checks.h"
#include "tests/assembly/hand_made_puzzle.h"

namespace wendrel {
namespace {

using testing::HandMadePuzzle;
using testing::IsRigidCopyOfHome;
using testing::RowOfSquares;

// The fifteen slots in the order they are filled: the lowest row first, left to right.
std::vector<DPoint> Slots() {
  std::vector<DPoint> slots;
  for (const double y : {-180.0, 0.0, 180.0}) {
    for (const double x : {-320.0, -160.0, 0.0, 160.0, 320.0})
      slots.push_back({x, y});
  }
  return slots;
}

// A set of n single-square groups, at home, after the pool was left holding values
// from some earlier use.
void LoadRowWithStalePool(PieceSet& set, int n) {
  RowOfSquares(n).LoadAtHome(set);
  RandomPool(3);
  RandomPool(0);
}

TEST(Scatter, FifteenGroupsFillEverySlotOnce) {
  PieceSet set;
  LoadRowWithStalePool(set, 15);
  wendrel::srand(5);
  set.Scatter();
  std::set<std::pair<double, double>> taken;
  for (int g = 0; g < 15; ++g) {
    taken.insert({set.Group(g).position.x, set.Group(g).position.y});
  }
  std::set<std::pair<double, double>> all;
  for (const DPoint slot : Slots())
    all.insert({slot.x, slot.y});
  EXPECT_EQ(taken, all);
}

TEST(Scatter, FewerGroupsTakeTheFirstSlotsAndLeaveTheRestEmpty) {
  PieceSet set;
  LoadRowWithStalePool(set, 4);
  wendrel::srand(5);
  set.Scatter();
  std::set<std::pair<double, double>> taken;
  for (int g = 0; g < 4; ++g) {
    taken.insert({set.Group(g).position.x, set.Group(g).position.y});
  }
  const auto slots = Slots();
  std::set<std::pair<double, double>> first;
  for (int s = 0; s < 4; ++s)
    first.insert({slots[s].x, slots[s].y});
  EXPECT_EQ(taken, first);
}

TEST(Scatter, GroupsBeyondTheFifteenSlotsStayAtHome) {
  PieceSet set;
  LoadRowWithStalePool(set, 18);
  wendrel::srand(5);
  set.Scatter();
  int atHome = 0;
  for (int g = 0; g < 18; ++g) {
    const PieceGroup& group = set.Group(g);
    if (group.position != group.centre)
      continue;
    ++atHome;
    EXPECT_EQ(group.rotation, 0);
    EXPECT_EQ(group.flipped, 0);
    const Piece& piece = set.PieceAt(group.pieces[0]);
    for (int i = 0; i < piece.count; ++i) {
      EXPECT_EQ(set.Placed(piece.TriangleAt(i)), set.Home(piece.TriangleAt(i)));
    }
  }
  EXPECT_EQ(atHome, 3);
}

TEST(Scatter, EachGroupStandsTurnedAndMirroredAsItsPlacementSays) {
  PieceSet set;
  LoadRowWithStalePool(set, 15);
  wendrel::srand(9);
  set.Scatter();
  std::set<int> rotations, mirrors;
  for (int g = 0; g < set.GroupCount(); ++g) {
    EXPECT_TRUE(IsRigidCopyOfHome(set, g));
    rotations.insert(set.Group(g).rotation);
    mirrors.insert(set.Group(g).flipped);
  }
  EXPECT_GT(rotations.size(), 3u);
  EXPECT_EQ(mirrors.size(), 2u);
}

// The layout must follow from the seed alone: for each slot in order one draw from the
// pool, then one for the mirror, then one for the turn.
TEST(Scatter, DrawsThePoolThenTheMirrorThenTheTurnForEachSlot) {
  for (const int n : {15, 6}) {
    wendrel::srand(1234);
    RandomPool(n);
    struct Drawn {
      int group, flipped, rotation;
    };
    std::vector<Drawn> drawn;
    for (int slot = 0; slot < 15; ++slot) {
      const int g = RandomPool(0);
      if (g < 0)
        continue;
      const int flipped = wendrel::rand() % 2;
      drawn.push_back({g, flipped, wendrel::rand() % 12});
    }
    const int next = wendrel::rand();

    PieceSet set;
    LoadRowWithStalePool(set, n);
    wendrel::srand(1234);
    set.Scatter();
    const auto slots = Slots();
    ASSERT_EQ(drawn.size(), static_cast<std::size_t>(n));
    for (std::size_t s = 0; s < drawn.size(); ++s) {
      const PieceGroup& group = set.Group(drawn[s].group);
      EXPECT_EQ(group.position, slots[s]) << n << " groups, slot " << s;
      EXPECT_EQ(group.flipped, drawn[s].flipped) << n << " groups, slot " << s;
      EXPECT_EQ(group.rotation, drawn[s].rotation) << n << " groups, slot " << s;
    }
    EXPECT_EQ(wendrel::rand(), next) << "Scatter used a different number of draws";
  }
}

TEST(Scatter, WithNoGroupsDrawsNothing) {
  PieceSet set;
  RandomPool(5);
  wendrel::srand(77);
  const int first = wendrel::rand();
  wendrel::srand(77);
  set.Scatter();
  EXPECT_EQ(wendrel::rand(), first);
  EXPECT_EQ(set.GroupCount(), 0);
}

}  // namespace
}  // namespace wendrel

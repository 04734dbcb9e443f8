#include "assembly/hint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "assembly/generate_puzzle.h"
#include "shapes/shape_catalogue.h"
#include "tests/assembly/group_checks.h"
#include "tests/assembly/hand_made_puzzle.h"

namespace wendrel {
namespace {

using testing::FirstNeighbourGroup;
using testing::GroupVertices;
using testing::HandMadePuzzle;
using testing::IsRigidCopyOfHome;
using testing::Members;
using testing::PutInSolvedPlace;

// Six squares of side 30 in two rows, each a neighbour of the squares beside, above and
// below it:
//   3 4 5
//   0 1 2
HandMadePuzzle TwoRowsOfSquares() {
  HandMadePuzzle puzzle;
  for (int k = 0; k < 6; ++k)
    puzzle.AddSquare(30.0 * (k % 3), 30.0 * (k / 3), 30.0);
  for (const auto& [p, q] : {std::pair{0, 1}, {1, 2}, {3, 4}, {4, 5}, {0, 3}, {1, 4}, {2, 5}})
    puzzle.MakeNeighbours(p, q);
  return puzzle;
}

GroupTable TableOf(std::initializer_list<std::initializer_list<int>> groups) {
  GroupTable table;
  for (const auto& members : groups) {
    PieceGroup& group = table.groups[table.count++];
    for (const int p : members)
      group.AddPiece(p);
  }
  return table;
}

struct PickCase {
  const char* what;
  std::initializer_list<std::initializer_list<int>> groups;
  int given;  // the selected group, or the target
  int expected;
};

TEST(HintTarget, TheSelectedGroupElseTheLargestElseTheOneHoldingTheLowestPiece) {
  const PickCase cases[] = {
      {"selected, though smaller", {{4}, {0, 3}, {1, 2}, {5}}, 3, 3},
      {"largest", {{4}, {5, 1, 2}, {0, 3}}, -1, 1},
      {"no such group: largest", {{4}, {5, 1, 2}, {0, 3}}, 3, 1},
      {"tie: holds piece 1, not first in the table", {{5}, {4, 3}, {2, 1}}, -1, 2},
      {"one group left", {{0, 1, 2, 3, 4, 5}}, 0, -1},
  };
  for (const PickCase& c : cases)
    EXPECT_EQ(HintTarget(TableOf(c.groups), c.given), c.expected) << c.what;
}

TEST(HintNeighbour, OfTheGroupsSharingASideTheOneHoldingTheLowestPiece) {
  const PickCase cases[] = {
      {"holds piece 0 though its neighbour is 3", {{4}, {0, 3}, {1, 2}, {5}}, 0, 1},
      {"holds piece 1, beats the neighbour 4", {{4}, {0, 3}, {1, 2}, {5}}, 1, 2},
      {"piece 0 shares no side", {{0}, {5}, {1, 2, 3, 4}}, 1, 2},
      {"one group left", {{0, 1, 2, 3, 4, 5}}, 0, -1},
  };
  PieceSet set;
  TwoRowsOfSquares().LoadAtHome(set);
  for (const PickCase& c : cases) {
    set.Groups() = TableOf(c.groups);
    EXPECT_EQ(HintNeighbour(set, c.given), c.expected) << c.what;
  }
}

// A game under way: the scattered puzzle after random drags, turns, mirrors and joins,
// with at least two groups left.
class GameUnderWay : public ::testing::Test {
 protected:
  bool Start(Shape shape, std::uint32_t seed) {
    if (!GeneratePuzzle(static_cast<std::int32_t>(seed), library, *generator, set, shape))
      return false;
    random.seed(seed);
    // Joins stop at a number of groups that differs from game to game.
    const int keep = 2 + Pick(set.PieceCount() - 1);
    for (int move = 0; move < 30; ++move) {
      const int g = Pick(set.GroupCount());
      switch (Pick(4)) {
        case 0:
          set.MoveGroup(g, Pick(201) - 100, Pick(201) - 100);
          break;
        case 1:
          set.RotateGroup(g);
          break;
        case 2:
          set.FlipGroup(g);
          break;
        default:
          if (set.GroupCount() > keep) {
            set.Groups().RaiseToFront(g);
            PutInSolvedPlace(set, 0, FirstNeighbourGroup(set, 0));
            set.DropFrontGroup(0, 0);
          }
      }
    }
    return true;
  }
  int Pick(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }

  // The current triangles of the group's pieces.
  std::vector<Triangle> TrianglesOf(const PieceGroup& group) const {
    std::vector<Triangle> triangles;
    set.ForEachTriangle(group, [&](int t) { triangles.push_back(set.Placed(t)); });
    return triangles;
  }

  ::testing::AssertionResult StayedPut(const PieceGroup& before,
                                       const std::vector<Triangle>& was) const {
    // The pieces may now be in a larger group, but in the same order.
    const std::vector<Triangle> now = TrianglesOf(before);
    for (std::size_t i = 0; i < was.size(); ++i) {
      for (const auto& [p, q] :
           {std::pair{was[i].a, now[i].a}, {was[i].b, now[i].b}, {was[i].c, now[i].c}}) {
        if (std::abs(p.x - q.x) > 1e-9 || std::abs(p.y - q.y) > 1e-9)
          return ::testing::AssertionFailure() << "triangle " << i << " moved";
      }
    }
    return ::testing::AssertionSuccess();
  }

  static constexpr int kGamesPerShape = 3;
  const ShapeLibrary library;
  std::unique_ptr<PuzzleGenerator> generator = std::make_unique<PuzzleGenerator>();
  PieceSet set;
  std::mt19937 random;
};

TEST_F(GameUnderWay, EachHintJoinsTheNeighbourToTheTargetWhichStaysWhereItIs) {
  for (const ShapeInfo& info : kShapes) {
    for (std::uint32_t seed = 1, games = 0; games < kGamesPerShape; ++seed) {
      SCOPED_TRACE(::testing::Message() << info.name << ", seed " << seed);
      ASSERT_LT(seed, 20u) << "too many seeds fail";
      if (!Start(info.shape, seed))
        continue;
      ++games;
      for (int hints = 0; set.GroupCount() > 1; ++hints) {
        ASSERT_LT(hints, set.PieceCount() - 1);
        const int target = HintTarget(set.Groups(), Pick(2) == 0 ? Pick(set.GroupCount()) : -1);
        const PieceGroup targetBefore = set.Group(target);
        const PieceGroup neighbourBefore = set.Group(HintNeighbour(set, target));
        const std::vector<Triangle> was = TrianglesOf(targetBefore);
        const int groups = set.GroupCount();

        ASSERT_TRUE(JoinNeighbour(set, target));
        ASSERT_EQ(set.GroupCount(), groups - 1);
        // Dropped from the front, the neighbour's pieces come first, as a dragged group's do.
        std::vector<int> joined = Members(neighbourBefore);
        for (const int p : Members(targetBefore))
          joined.push_back(p);
        EXPECT_EQ(Members(set.Group(0)), joined);
        EXPECT_TRUE(StayedPut(targetBefore, was));
        ASSERT_TRUE(IsRigidCopyOfHome(set, 0));
      }

      // A hint on the solved puzzle does nothing.
      const std::vector<DPoint> solved = GroupVertices(set, 0);
      EXPECT_EQ(HintTarget(set.Groups(), 0), -1);
      EXPECT_FALSE(JoinNeighbour(set, 0));
      EXPECT_EQ(GroupVertices(set, 0), solved);
    }
  }
}

TEST_F(GameUnderWay, JoiningAllGroupsSolvesThePuzzleAroundTheLargestGroup) {
  for (const ShapeInfo& info : kShapes) {
    SCOPED_TRACE(info.name);
    std::uint32_t seed = 1;
    while (!Start(info.shape, seed))
      ASSERT_LT(++seed, 20u);
    const int groups = set.GroupCount();
    const PieceGroup largest = set.Group(HintTarget(set.Groups(), -1));
    const std::vector<Triangle> was = TrianglesOf(largest);

    EXPECT_EQ(JoinAllGroups(set), groups - 1);
    ASSERT_EQ(set.GroupCount(), 1);
    EXPECT_TRUE(IsRigidCopyOfHome(set, 0));
    EXPECT_TRUE(StayedPut(largest, was));
    EXPECT_EQ(JoinAllGroups(set), 0);
  }
}

}  // namespace
}  // namespace wendrel

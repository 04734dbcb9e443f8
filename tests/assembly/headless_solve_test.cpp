#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "assembly/piece_set.h"
#include "shapes/shape_catalogue.h"
#include "tests/assembly/generated_puzzle.h"
#include "tests/assembly/group_checks.h"

namespace wendrel {
namespace {

using testing::FirstNeighbourGroup;
using testing::GeneratedPuzzle;
using testing::GroupVertices;
using testing::IsRigidCopyOfHome;
using testing::Members;

constexpr int kPuzzlesToSolve = 100;

::testing::AssertionResult EveryGroupIsRigid(const PieceSet& set) {
  for (int g = 0; g < set.GroupCount(); ++g) {
    if (auto rigid = IsRigidCopyOfHome(set, g); !rigid)
      return rigid;
  }
  return ::testing::AssertionSuccess();
}

// The whole move that puts group 0 where the solved puzzle has it relative to group j,
// in whole model units as a drag gives it.
void DragToward(const PieceSet& set, int j, int& dx, int& dy) {
  PieceGroup pivotAtOrigin = set.Group(0);
  pivotAtOrigin.position = DPoint{};
  const DPoint partnerFromPivot = PieceSet::PlacedPoint(pivotAtOrigin, set.Group(j).centre);
  dx = static_cast<int>(
      std::lround(set.Group(j).position.x - partnerFromPivot.x - set.Group(0).position.x));
  dy = static_cast<int>(
      std::lround(set.Group(j).position.y - partnerFromPivot.y - set.Group(0).position.y));
}

// Plays one scattered puzzle to the end as a player would: take a group to the front,
// turn and mirror it like one of its neighbours, drag it into place and drop it.
void Solve(PieceSet& set, unsigned int seed) {
  for (int move = 0; set.GroupCount() > 1; ++move) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed << ", move " << move);
    // Alternately the front group and the one at the back.
    if (move % 2 == 1)
      set.Groups().RaiseToFront(set.GroupCount() - 1);
    const int groups = set.GroupCount();
    const int j = FirstNeighbourGroup(set, 0);
    ASSERT_GT(j, 0);
    const PieceGroup neighbour = set.Group(j);
    if (set.Group(0).flipped != neighbour.flipped) {
      set.FlipGroup(0);
      set.KeepOnSurface(0, PieceSet::kSurfaceArea);
    }
    for (int turns = 0; set.Group(0).rotation != neighbour.rotation; ++turns) {
      ASSERT_LT(turns, 12);
      set.RotateGroup(0);
      set.KeepOnSurface(0, PieceSet::kSurfaceArea);
    }
    ASSERT_EQ(set.GroupCount(), groups) << "turning or mirroring joined";
    ASSERT_TRUE(EveryGroupIsRigid(set));

    int dx = 0, dy = 0;
    DragToward(set, j, dx, dy);
    const std::vector<DPoint> dragged = GroupVertices(set, 0);
    const std::vector<int> draggedPieces = Members(set.Group(0));
    ASSERT_TRUE(set.DropFrontGroup(dx, dy));
    ASSERT_EQ(set.GroupCount(), groups - 1);

    const std::vector<int> joinedPieces = Members(set.Group(0));
    ASSERT_GT(joinedPieces.size(), draggedPieces.size());
    EXPECT_TRUE(std::equal(draggedPieces.begin(), draggedPieces.end(), joinedPieces.begin()));
    const std::vector<DPoint> after = GroupVertices(set, 0);
    for (std::size_t i = 0; i < dragged.size(); ++i) {
      ASSERT_NEAR(after[i].x, dragged[i].x + dx, 1e-9) << "vertex " << i;
      ASSERT_NEAR(after[i].y, dragged[i].y + dy, 1e-9) << "vertex " << i;
    }
    ASSERT_TRUE(EveryGroupIsRigid(set));
  }
}

// Solves the first puzzles of the shape that generate, from seed 1 on.
void SolvePuzzlesOf(Shape shape) {
  GeneratedPuzzle puzzle;
  int solved = 0;
  for (unsigned int seed = 1; solved < kPuzzlesToSolve; ++seed) {
    ASSERT_LT(seed, 2u * kPuzzlesToSolve) << "too many seeds fail to triangulate";
    PieceSet set;
    if (!puzzle.Generate(seed, set, shape))
      continue;
    ASSERT_TRUE(EveryGroupIsRigid(set)) << "seed " << seed;
    Solve(set, seed);
    if (::testing::Test::HasFatalFailure())
      return;

    ASSERT_EQ(set.GroupCount(), 1);
    std::vector<int> pieces = Members(set.Group(0));
    std::sort(pieces.begin(), pieces.end());
    std::vector<int> all(static_cast<std::size_t>(set.PieceCount()));
    for (int p = 0; p < set.PieceCount(); ++p)
      all[static_cast<std::size_t>(p)] = p;
    EXPECT_EQ(pieces, all) << "seed " << seed;
    // The whole puzzle: the home triangles under one turn, mirror and shift.
    EXPECT_TRUE(IsRigidCopyOfHome(set, 0)) << "seed " << seed;
    ++solved;
  }
}

TEST(HeadlessGame, EveryGeneratedPuzzleCanBeSolvedByDragsDropsTurnsAndMirrors) {
  for (const ShapeInfo& info : kShapes) {
    SCOPED_TRACE(info.name);
    SolvePuzzlesOf(info.shape);
    if (HasFatalFailure())
      return;
  }
}

}  // namespace
}  // namespace wendrel

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "assembly/piece_set.h"
#include "generator/random.h"
#include "tests/assembly/generated_puzzle.h"
#include "tests/assembly/group_checks.h"

namespace wendrel {
namespace {

using testing::FirstNeighbourGroup;
using testing::GeneratedPuzzle;
using testing::PutInSolvedPlace;

constexpr unsigned int kPlayedSeed = 21;

// Every triangle and every group of the two sets, compared exactly.
::testing::AssertionResult SameState(const PieceSet& played, const PieceSet& reference) {
  if (played.PlacedCount() != reference.PlacedCount() ||
      played.GroupCount() != reference.GroupCount()) {
    return ::testing::AssertionFailure() << "the counts differ";
  }
  for (int t = 0; t < played.PlacedCount(); ++t) {
    if (!(played.Placed(t) == reference.Placed(t))) {
      return ::testing::AssertionFailure() << "triangle " << t << " lies elsewhere";
    }
  }
  for (int g = 0; g < played.GroupCount(); ++g) {
    if (played.Group(g).centre != reference.Group(g).centre ||
        played.Group(g).position != reference.Group(g).position) {
      return ::testing::AssertionFailure() << "group " << g << " is placed otherwise";
    }
  }
  return ::testing::AssertionSuccess();
}

// Runs the same step on both sets and compares them afterwards.
::testing::AssertionResult Both(PieceSet& played, PieceSet& reference, const std::string& step,
                                const std::function<void(PieceSet&)>& action) {
  action(played);
  action(reference);
  return SameState(played, reference) << " after " << step;
}

// What Generate may do to the generator after the set has loaded from it.
struct LaterRun {
  std::string name;
  std::function<bool(GeneratedPuzzle&)> run;  // whether the run changed the generator

  friend void PrintTo(const LaterRun& later, std::ostream* os) { *os << later.name; }
};

class HomeData : public ::testing::TestWithParam<LaterRun> {};

TEST_P(HomeData, ALaterRunOfTheGeneratorChangesNothingInTheLoadedPuzzle) {
  GeneratedPuzzle played, untouched;
  PieceSet set, reference;
  ASSERT_TRUE(played.Generate(kPlayedSeed, set));
  ASSERT_TRUE(untouched.Generate(kPlayedSeed, reference));
  played.LoadAtHome(set);
  untouched.LoadAtHome(reference);
  ASSERT_TRUE(GetParam().run(played)) << "the later run left the generator as it was";

  ASSERT_TRUE(Both(set, reference, "scatter", [](PieceSet& s) {
    wendrel::srand(5);
    s.Scatter();
  }));
  for (int g = 0; g < set.GroupCount(); ++g) {
    const std::string group = " group " + std::to_string(g);
    ASSERT_TRUE(
        Both(set, reference, "centre" + group, [g](PieceSet& s) { s.ComputeGroupCentre(g); }));
    ASSERT_TRUE(Both(set, reference, "turn" + group, [g](PieceSet& s) { s.RotateGroup(g); }));
    ASSERT_TRUE(Both(set, reference, "mirror" + group, [g](PieceSet& s) { s.FlipGroup(g); }));
    ASSERT_TRUE(Both(set, reference, "move" + group, [g](PieceSet& s) { s.MoveGroup(g, 3, -7); }));
  }
  // Every drop brings a neighbour of the front group, one unit off, to the place its
  // solved puzzle gives it.
  while (set.GroupCount() > 1) {
    const int j = FirstNeighbourGroup(set, 0);
    ASSERT_EQ(j, FirstNeighbourGroup(reference, 0));
    ASSERT_GT(j, 0);
    ASSERT_TRUE(Both(set, reference, "bring", [j](PieceSet& s) {
      PutInSolvedPlace(s, j, 0, {1, 0});
    }));
    bool joinedInBoth = true;
    ASSERT_TRUE(Both(set, reference, "drop", [&joinedInBoth](PieceSet& s) {
      joinedInBoth = s.DropFrontGroup(0, 0) && joinedInBoth;
    }));
    ASSERT_TRUE(joinedInBoth);
  }
}

bool FailingTriangulation(GeneratedPuzzle& puzzle) {
  const MeshTriangleList before = puzzle.generator.triangles;
  PieceSet elsewhere;
  // This seed is known to fail all three tries on the puzzle outline.
  if (puzzle.Generate(3752, elsewhere))
    return false;
  const MeshTriangleList& after = puzzle.generator.triangles;
  if (after.count != before.count)
    return true;
  for (int t = 0; t < after.count; ++t) {
    if (!(after.Get(t).tri == before.Get(t).tri))
      return true;
  }
  return false;
}

std::vector<int> AdjacencyFlags(const PuzzleGenerator& generator) {
  std::vector<int> flags;
  for (const PieceRegion& region : generator.regions) {
    flags.insert(flags.end(), std::begin(region.adjacent), std::end(region.adjacent));
  }
  return flags;
}

bool CompletedRun(GeneratedPuzzle& puzzle) {
  const std::vector<int> before = AdjacencyFlags(puzzle.generator);
  PieceSet elsewhere;
  return puzzle.Generate(kPlayedSeed + 1, elsewhere) && AdjacencyFlags(puzzle.generator) != before;
}

INSTANTIATE_TEST_SUITE_P(Generator, HomeData,
                         ::testing::Values(LaterRun{"FailingTriangulation", FailingTriangulation},
                                           LaterRun{"CompletedRunOfAnotherSeed", CompletedRun}),
                         [](const ::testing::TestParamInfo<LaterRun>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace wendrel

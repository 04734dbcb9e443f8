#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "assembly/group_history.h"
#include "assembly/piece_set.h"
#include "tests/assembly/generated_puzzle.h"
#include "tests/assembly/group_checks.h"
#include "tests/assembly/hand_made_puzzle.h"

namespace wendrel {
namespace {

using testing::FirstNeighbourGroup;
using testing::GeneratedPuzzle;
using testing::GroupVertices;
using testing::Members;
using testing::PutInSolvedPlace;
using testing::RowOfSquares;
using testing::SetPlacement;

// Every field of the groups in use, one by one, so that a failure names the field.
::testing::AssertionResult SameTable(const GroupTable& actual, const GroupTable& expected) {
  if (actual.count != expected.count) {
    return ::testing::AssertionFailure()
           << "count " << actual.count << " instead of " << expected.count;
  }
  for (int g = 0; g < expected.count; ++g) {
    const PieceGroup& a = actual.groups[g];
    const PieceGroup& e = expected.groups[g];
    auto differs = [&](const char* field) {
      return ::testing::AssertionFailure() << "group " << g << " differs in " << field;
    };
    if (Members(a) != Members(e))
      return differs("its members");
    if (a.centre.x != e.centre.x || a.centre.y != e.centre.y)
      return differs("centre");
    if (a.position.x != e.position.x || a.position.y != e.position.y)
      return differs("position");
    if (a.rotation != e.rotation)
      return differs("rotation");
    if (a.flipped != e.flipped)
      return differs("flipped");
  }
  return ::testing::AssertionSuccess();
}

std::vector<DPoint> AllVertices(const PieceSet& set) {
  std::vector<DPoint> vertices;
  for (int t = 0; t < set.PlacedCount(); ++t) {
    for (const DPoint& v : {set.Placed(t).a, set.Placed(t).b, set.Placed(t).c})
      vertices.push_back(v);
  }
  return vertices;
}

::testing::AssertionResult SameVertices(const std::vector<DPoint>& actual,
                                        const std::vector<DPoint>& expected, double tolerance) {
  if (actual.size() != expected.size())
    return ::testing::AssertionFailure() << "vertex count differs";
  for (std::size_t i = 0; i < actual.size(); ++i) {
    if (std::abs(actual[i].x - expected[i].x) > tolerance ||
        std::abs(actual[i].y - expected[i].y) > tolerance) {
      return ::testing::AssertionFailure() << "vertex " << i << " differs";
    }
  }
  return ::testing::AssertionSuccess();
}

// The player's gestures as the view makes them: open a step, raise the group, change
// it, close the step.
class Player {
 public:
  Player(PieceSet& set, GroupHistory& history, unsigned int seed)
      : m_set(set), m_history(history), m_random(seed) {}

  // One random gesture on a random group; about one in three aims at a neighbour, so
  // that groups join along the way. Returns whether the history recorded it.
  bool Gesture() {
    m_history.Open(m_set);
    m_set.Groups().RaiseToFront(Below(m_set.GroupCount()));
    switch (Below(6)) {
      case 0:
        m_set.DropFrontGroup(Below(41) - 20, Below(41) - 20);
        break;
      case 1:
        m_set.RotateGroup(0);
        m_set.KeepOnSurface(0, PieceSet::kSurfaceArea);
        break;
      case 2:
        m_set.RotateGroupBack(0);
        m_set.KeepOnSurface(0, PieceSet::kSurfaceArea);
        break;
      case 3:
        m_set.FlipGroup(0);
        m_set.KeepOnSurface(0, PieceSet::kSurfaceArea);
        break;
      default:
        Aim();
        break;
    }
    return m_history.Close(m_set);
  }

 private:
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

  // Turns the front group towards a neighbour's turn and mirror, or drops it next to the
  // neighbour once they match.
  void Aim() {
    const int j = FirstNeighbourGroup(m_set, 0);
    if (j < 0)
      return;
    const PieceGroup& front = m_set.Group(0);
    const PieceGroup& other = m_set.Group(j);
    if (front.flipped != other.flipped) {
      m_set.FlipGroup(0);
    } else if (front.rotation != other.rotation) {
      m_set.RotateGroup(0);
    } else {
      PieceGroup pivotAtOrigin = front;
      pivotAtOrigin.position = DPoint{};
      const DPoint offset = PieceSet::PlacedPoint(pivotAtOrigin, other.centre);
      m_set.DropFrontGroup(
          static_cast<int>(std::lround(other.position.x - offset.x - front.position.x)),
          static_cast<int>(std::lround(other.position.y - offset.y - front.position.y)));
    }
    m_set.KeepOnSurface(0, PieceSet::kSurfaceArea);
  }

  PieceSet& m_set;
  GroupHistory& m_history;
  std::mt19937 m_random;
};

TEST(GroupHistory, UndoingEveryStepGivesBackTheScatterAndRedoingThemTheFinalTable) {
  GeneratedPuzzle puzzle;
  constexpr int kGestures = 700;
  int puzzles = 0;
  int joins = 0;
  for (unsigned int seed = 1; puzzles < 5; ++seed) {
    PieceSet set;
    if (!puzzle.Generate(seed, set))
      continue;
    ++puzzles;
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    const GroupTable scattered = set.Groups();
    const std::vector<DPoint> scatteredVertices = AllVertices(set);

    GroupHistory history;
    Player player(set, history, seed);
    std::size_t recorded = 0;
    for (int i = 0; i < kGestures; ++i)
      recorded += player.Gesture() ? 1 : 0;
    joins += scattered.count - set.GroupCount();
    const GroupTable final = set.Groups();
    const std::vector<DPoint> finalVertices = AllVertices(set);
    ASSERT_EQ(history.UndoCount(), recorded);
    ASSERT_GT(recorded, kGestures / 2u);

    for (std::size_t i = 0; i < recorded; ++i)
      ASSERT_TRUE(history.Undo(set)) << "undo " << i;
    EXPECT_FALSE(history.Undo(set)) << "more undos than steps";
    EXPECT_TRUE(SameTable(set.Groups(), scattered));
    // The scatter placed every group from its table, as undo does: not a bit differs.
    EXPECT_TRUE(SameVertices(AllVertices(set), scatteredVertices, 0.0));

    for (std::size_t i = 0; i < recorded; ++i)
      ASSERT_TRUE(history.Redo(set)) << "redo " << i;
    EXPECT_FALSE(history.Redo(set)) << "more redos than undos";
    EXPECT_TRUE(SameTable(set.Groups(), final));
    // After a join the pieces were placed about the old pivot, so here only rounding may
    // differ.
    EXPECT_TRUE(SameVertices(AllVertices(set), finalVertices, 1e-9));
  }
  EXPECT_GT(joins, 10) << "the sequences should join groups too";
}

class TwoSquares : public ::testing::Test {
 protected:
  void SetUp() override {
    RowOfSquares(3).LoadAtHome(set);
    SetPlacement(set, 0, {-100, 50}, 4, 1);
    SetPlacement(set, 1, {200, -120}, 4, 1);
    SetPlacement(set, 2, {0, 200}, 7, 0);
  }
  PieceSet set;
  GroupHistory history;
};

TEST_F(TwoSquares, AJoinUndoneGivesBackBothGroupsWhereTheyWere) {
  PutInSolvedPlace(set, 1, 0, {3, -4});
  const GroupTable before = set.Groups();
  const std::vector<DPoint> front = GroupVertices(set, 0), partner = GroupVertices(set, 1);

  history.Open(set);
  ASSERT_TRUE(set.DropFrontGroup(2, 1));
  ASSERT_TRUE(history.Close(set));
  ASSERT_EQ(set.GroupCount(), 2);

  ASSERT_TRUE(history.Undo(set));
  EXPECT_TRUE(SameTable(set.Groups(), before));
  EXPECT_TRUE(SameVertices(GroupVertices(set, 0), front, 0.0));
  EXPECT_TRUE(SameVertices(GroupVertices(set, 1), partner, 0.0));
  ASSERT_TRUE(history.Redo(set));
  EXPECT_EQ(set.GroupCount(), 2);
  EXPECT_EQ(Members(set.Group(0)), (std::vector<int>{0, 1}));
}

TEST_F(TwoSquares, AGestureThatChangesNothingRecordsNothing) {
  // A drop of the front group where it is, with nothing to join; it still works the
  // join test, whose work field holds nothing of the game.
  history.Open(set);
  set.Groups().RaiseToFront(0);
  EXPECT_FALSE(set.DropFrontGroup(0, 0));
  EXPECT_FALSE(history.Close(set));
  // Opened and closed with nothing in between, as for a press on empty space.
  history.Open(set);
  EXPECT_FALSE(history.Close(set));
  EXPECT_EQ(history.UndoCount(), 0u);
  EXPECT_FALSE(history.Undo(set));

  // Raising a group from behind is a change even when the drop moves nothing.
  history.Open(set);
  set.Groups().RaiseToFront(2);
  set.DropFrontGroup(0, 0);
  EXPECT_TRUE(history.Close(set));
}

TEST_F(TwoSquares, ARaiseAndTheTurnAfterItAreOneStep) {
  const GroupTable before = set.Groups();
  history.Open(set);
  set.Groups().RaiseToFront(2);
  set.RotateGroup(0);
  ASSERT_TRUE(history.Close(set));
  EXPECT_EQ(history.UndoCount(), 1u);
  ASSERT_TRUE(history.Undo(set));
  EXPECT_TRUE(SameTable(set.Groups(), before));
}

TEST_F(TwoSquares, WhileAStepIsOpenUndoAndRedoDoNothing) {
  history.Open(set);
  set.MoveGroup(0, 10, 0);
  history.Close(set);
  history.Undo(set);
  const GroupTable undone = set.Groups();

  history.Open(set);
  EXPECT_TRUE(history.IsOpen());
  EXPECT_FALSE(history.Redo(set));
  EXPECT_FALSE(history.Undo(set));
  EXPECT_TRUE(SameTable(set.Groups(), undone));
}

TEST_F(TwoSquares, AGrabRepeatedBeforeTheDropKeepsTheTableOfTheFirst) {
  const GroupTable before = set.Groups();
  history.Open(set);
  set.Groups().RaiseToFront(1);
  history.Open(set);
  set.Groups().RaiseToFront(2);
  set.DropFrontGroup(5, 5);
  ASSERT_TRUE(history.Close(set));
  ASSERT_TRUE(history.Undo(set));
  EXPECT_TRUE(SameTable(set.Groups(), before));
  EXPECT_FALSE(history.Undo(set));
}

TEST_F(TwoSquares, ANewStepAfterAnUndoForgetsWhatWasUndone) {
  for (const int dx : {10, 20}) {
    history.Open(set);
    set.MoveGroup(0, dx, 0);
    history.Close(set);
  }
  history.Undo(set);
  EXPECT_EQ(history.RedoCount(), 1u);
  history.Open(set);
  set.FlipGroup(1);
  history.Close(set);
  EXPECT_EQ(history.RedoCount(), 0u);
  EXPECT_FALSE(history.Redo(set));
  EXPECT_EQ(history.UndoCount(), 2u);
  history.Undo(set);
  history.Undo(set);
  EXPECT_EQ(set.Group(0).position.x, -100.0);
  EXPECT_EQ(set.Group(1).flipped, 1);
}

TEST_F(TwoSquares, ClearForgetsEveryStepAndAnOpenOne) {
  history.Open(set);
  set.MoveGroup(0, 10, 0);
  history.Close(set);
  history.Open(set);
  history.Clear();
  EXPECT_FALSE(history.IsOpen());
  EXPECT_EQ(history.UndoCount(), 0u);
  EXPECT_FALSE(history.Undo(set));
  EXPECT_EQ(set.Group(0).position.x, -90.0);
}

TEST_F(TwoSquares, TheHistoryHoldsAThousandStepsAndTheOldestFallAway) {
  constexpr int kExtra = 5;
  const int steps = static_cast<int>(GroupHistory::kMaxSteps) + kExtra;
  for (int i = 0; i < steps; ++i) {
    history.Open(set);
    set.MoveGroup(0, 1, 0);
    ASSERT_TRUE(history.Close(set));
  }
  EXPECT_EQ(history.UndoCount(), GroupHistory::kMaxSteps);
  while (history.Undo(set)) {
  }
  EXPECT_EQ(set.Group(0).position.x, -100.0 + kExtra);
  EXPECT_EQ(history.RedoCount(), GroupHistory::kMaxSteps);
}

TEST(SameGroups, ComparesWhatHoldsTheGameAndNothingElse) {
  GroupTable a;
  a.MakeSingletons(3);
  a.groups[1].position = DPoint{4, 5};
  GroupTable b = a;
  b.groups[0].expected = DPoint{7, 7};
  b.groups[5].rotation = 3;  // beyond count
  EXPECT_TRUE(SameGroups(a, b));

  const auto changed = [&](auto change) {
    GroupTable c = a;
    change(c);
    return !SameGroups(a, c);
  };
  EXPECT_TRUE(changed([](GroupTable& c) { c.RaiseToFront(2); }));
  EXPECT_TRUE(changed([](GroupTable& c) { c.Merge(0, 1); }));
  EXPECT_TRUE(changed([](GroupTable& c) { c.groups[2].centre.y = 1e-12; }));
  EXPECT_TRUE(changed([](GroupTable& c) { c.groups[1].position.x = 4.5; }));
  EXPECT_TRUE(changed([](GroupTable& c) { c.groups[0].rotation = 11; }));
  EXPECT_TRUE(changed([](GroupTable& c) { c.groups[0].flipped = 1; }));
}

}  // namespace
}  // namespace wendrel

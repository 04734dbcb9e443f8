#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "assembly/piece_set.h"

namespace wendrel {

// One state of the game: where the groups of one cut of a puzzle lie. The game record
// keeps each cut of a puzzle in its history as a segment with its own progress; segment
// names it (in a saved game, its index in the game's list of segments).
struct PuzzleState {
  std::size_t segment = 0;
  GroupTable groups;
};

// Undo and redo of the player's changes. A step is one gesture (a drop, a turn or a
// mirror, with the raise that starts it), or a change of segment: the caller opens the
// step before the gesture's first change and closes it after its last, and the history
// keeps the whole state as it was before and after. Undo and redo put a whole table back
// and place every group from it, so order, members, pivots and placements all return;
// a step to another segment needs the caller to cut its puzzle first, which the target's
// segment tells.
class GroupHistory {
 public:
  // Beyond this many steps the oldest fall away.
  static constexpr std::size_t kMaxSteps = 1000;

  // Before a gesture changes the groups. A step already open stays open with the state
  // it found: a drag grabbed afresh before its release is one step with the first grab.
  void Open(const PieceSet& pieces, std::size_t segment = 0);
  // After the gesture. Records a step when the groups or the segment changed, and then
  // forgets the steps that were undone. Returns whether a step was recorded.
  bool Close(const PieceSet& pieces, std::size_t segment = 0);
  // Gives the state now shown the groups as they lie, for a change that is no step of its
  // own (groups brought back into a window that shrank). Nothing while a step is open.
  void Amend(const PieceSet& pieces);
  bool IsOpen() const { return m_open.has_value(); }

  // The state that Undo or Redo would put back; none while a step is open or when there
  // is nothing to take back.
  const PuzzleState* UndoTarget() const;
  const PuzzleState* RedoTarget() const;
  // Put the groups back as they were before the last step, or after the last undone
  // one, on pieces cut from the target's puzzle. Each returns whether it acted.
  bool Undo(PieceSet& pieces);
  bool Redo(PieceSet& pieces);

  // Forgets every step, an open one too: none of them applies to another puzzle.
  void Clear();

  std::size_t UndoCount() const { return m_current; }
  std::size_t RedoCount() const { return m_states.empty() ? 0 : m_states.size() - 1 - m_current; }

  // The whole history, oldest first, and the index of the state now shown: what a saved
  // game keeps. Empty until the first step.
  const std::deque<PuzzleState>& States() const { return m_states; }
  // The same to change tables in place: a restored game's are given their pivots once
  // their puzzle is cut. Steps and their order stay.
  std::deque<PuzzleState>& States() { return m_states; }
  // Takes over a saved history; beyond the cap the oldest states fall away.
  void Assign(std::vector<PuzzleState> states, std::size_t current);

 private:
  // m_states[m_current] is the state now; the ones before it can be undone back to, the
  // ones after it redone. Empty until the first step.
  std::deque<PuzzleState> m_states;
  std::size_t m_current = 0;
  std::optional<PuzzleState> m_open;
};

// Whether two tables hold the same groups in the same order with the same members and
// placements. The join test's work field and the records beyond count are not compared:
// they hold nothing of the game.
bool SameGroups(const GroupTable& a, const GroupTable& b);

}  // namespace wendrel

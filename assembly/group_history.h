#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "assembly/piece_set.h"

namespace wendrel {

// Undo and redo of the player's changes to the groups. A step is one gesture (a drop,
// a turn or a mirror, with the raise that starts it): the caller opens the step before
// the gesture's first change and closes it after its last, and the history keeps the
// whole group table as it was before and after. Undo and redo put a whole table back
// and place every group from it, so order, members, pivots and placements all return.
class GroupHistory {
 public:
  // Beyond this many steps the oldest fall away.
  static constexpr std::size_t kMaxSteps = 1000;

  // Before a gesture changes the groups. A step already open stays open with the table
  // it found: a drag grabbed afresh before its release is one step with the first grab.
  void Open(const PieceSet& pieces);
  // After the gesture. Records a step when the groups changed, and then forgets the
  // steps that were undone. Returns whether a step was recorded.
  bool Close(const PieceSet& pieces);
  bool IsOpen() const { return m_open.has_value(); }

  // Put the groups back as they were before the last step, or after the last undone
  // one. Neither acts while a step is open or when there is nothing to take back;
  // each returns whether it changed the pieces.
  bool Undo(PieceSet& pieces);
  bool Redo(PieceSet& pieces);

  // Forgets every step, an open one too: none of them applies to another puzzle.
  void Clear();

  std::size_t UndoCount() const { return m_current; }
  std::size_t RedoCount() const { return m_tables.empty() ? 0 : m_tables.size() - 1 - m_current; }

 private:
  // m_tables[m_current] is the table now; the ones before it can be undone back to, the
  // ones after it redone. Empty until the first step.
  std::deque<GroupTable> m_tables;
  std::size_t m_current = 0;
  std::optional<GroupTable> m_open;
};

// Whether two tables hold the same groups in the same order with the same members and
// placements. The join test's work field and the records beyond count are not compared:
// they hold nothing of the game.
bool SameGroups(const GroupTable& a, const GroupTable& b);

}  // namespace wendrel

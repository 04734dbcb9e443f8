#include "assembly/group_history.h"

#include <algorithm>

namespace wendrel {

namespace {

bool SameGroup(const PieceGroup& a, const PieceGroup& b) {
  return a.count == b.count && std::equal(a.pieces, a.pieces + a.count, b.pieces) &&
         a.centre.x == b.centre.x && a.centre.y == b.centre.y && a.position.x == b.position.x &&
         a.position.y == b.position.y && a.rotation == b.rotation && a.flipped == b.flipped;
}

}  // namespace

bool SameGroups(const GroupTable& a, const GroupTable& b) {
  return a.count == b.count && std::equal(a.groups, a.groups + a.count, b.groups, SameGroup);
}

void GroupHistory::Open(const PieceSet& pieces, std::size_t segment) {
  if (!m_open)
    m_open = PuzzleState{segment, pieces.Groups()};
}

void GroupHistory::Amend(const PieceSet& pieces) {
  if (!m_open && !m_states.empty())
    m_states[m_current].groups = pieces.Groups();
}

bool GroupHistory::Close(const PieceSet& pieces, std::size_t segment) {
  if (!m_open)
    return false;
  const PuzzleState before = *m_open;
  m_open.reset();
  if (before.segment == segment && SameGroups(before.groups, pieces.Groups()))
    return false;
  if (m_states.empty()) {
    m_states.push_back(before);
  } else {
    m_states.resize(m_current + 1);
    // Equal to it when every change came through here; if not, undo still returns to
    // what the player saw before this gesture.
    m_states.back() = before;
  }
  m_states.push_back(PuzzleState{segment, pieces.Groups()});
  m_current = m_states.size() - 1;
  if (m_states.size() > kMaxSteps + 1) {
    m_states.pop_front();
    --m_current;
  }
  return true;
}

const PuzzleState* GroupHistory::UndoTarget() const {
  return m_open || m_current == 0 ? nullptr : &m_states[m_current - 1];
}

const PuzzleState* GroupHistory::RedoTarget() const {
  return m_open || RedoCount() == 0 ? nullptr : &m_states[m_current + 1];
}

bool GroupHistory::Undo(PieceSet& pieces) {
  if (!UndoTarget())
    return false;
  --m_current;
  pieces.SetGroups(m_states[m_current].groups);
  return true;
}

bool GroupHistory::Redo(PieceSet& pieces) {
  if (!RedoTarget())
    return false;
  ++m_current;
  pieces.SetGroups(m_states[m_current].groups);
  return true;
}

void GroupHistory::Clear() {
  m_states.clear();
  m_current = 0;
  m_open.reset();
}

void GroupHistory::Assign(std::vector<PuzzleState> states, std::size_t current) {
  m_open.reset();
  m_states.assign(states.begin(), states.end());
  m_current = std::min(current, m_states.empty() ? 0 : m_states.size() - 1);
  while (m_states.size() > kMaxSteps + 1 && m_current > 0) {
    m_states.pop_front();
    --m_current;
  }
  m_states.resize(std::min(m_states.size(), kMaxSteps + 1));
}

}  // namespace wendrel

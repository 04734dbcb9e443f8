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

void GroupHistory::Open(const PieceSet& pieces) {
  if (!m_open)
    m_open = pieces.Groups();
}

bool GroupHistory::Close(const PieceSet& pieces) {
  if (!m_open)
    return false;
  const GroupTable before = *m_open;
  m_open.reset();
  if (SameGroups(before, pieces.Groups()))
    return false;
  if (m_tables.empty()) {
    m_tables.push_back(before);
  } else {
    m_tables.resize(m_current + 1);
    // Equal to it when every change came through here; if not, undo still returns to
    // what the player saw before this gesture.
    m_tables.back() = before;
  }
  m_tables.push_back(pieces.Groups());
  m_current = m_tables.size() - 1;
  if (m_tables.size() > kMaxSteps + 1) {
    m_tables.pop_front();
    --m_current;
  }
  return true;
}

bool GroupHistory::Undo(PieceSet& pieces) {
  if (m_open || m_current == 0)
    return false;
  --m_current;
  pieces.SetGroups(m_tables[m_current]);
  return true;
}

bool GroupHistory::Redo(PieceSet& pieces) {
  if (m_open || RedoCount() == 0)
    return false;
  ++m_current;
  pieces.SetGroups(m_tables[m_current]);
  return true;
}

void GroupHistory::Clear() {
  m_tables.clear();
  m_current = 0;
  m_open.reset();
}

}  // namespace wendrel

#include "assembly/piece_set.h"

namespace wendrel {

int PieceSet::FindJoinPartner(int g) {
  PieceGroup& a = m_groups.groups[g];
  // Where a's placement puts another group's pivot is where that group belongs.
  const Placement solved = PlacementOf(a, a.rotation, a.flipped);
  for (int i = 0; i < m_groups.count; ++i) {
    const PieceGroup& other = m_groups.groups[i];
    if (i == g || other.rotation != a.rotation || other.flipped != a.flipped)
      continue;
    a.expected = solved.Apply(other.centre);
    const double ox = other.position.x - a.expected.x;
    const double oy = other.position.y - a.expected.y;
    if (ox * ox + oy * oy > kJoinDistance2)
      continue;
    for (int p = 0; p < a.count; ++p) {
      for (int q = 0; q < other.count; ++q) {
        if (m_adjacent[a.pieces[p]][other.pieces[q]] != 0)
          return i;
      }
    }
  }
  return -1;
}

void PieceSet::RecentreGroup(int g) {
  PieceGroup& group = m_groups.groups[g];
  // Placing with the old pivot snaps the added pieces to their solved places while the
  // pieces already in the group stay where they are.
  PlaceGroup(g, group.rotation, group.flipped);
  const Placement old = PlacementOf(group, group.rotation, group.flipped);
  ComputeGroupCentre(g);
  // The new pivot goes where the old placement already shows it, so nothing moves.
  group.position = old.Apply(group.centre);
}

bool PieceSet::DropFrontGroup(int dx, int dy) {
  MoveGroup(0, dx, dy);
  const int partner = FindJoinPartner(0);
  if (partner == -1)
    return false;
  m_groups.Merge(0, partner);
  RecentreGroup(0);
  return true;
}

}  // namespace wendrel

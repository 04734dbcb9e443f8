#include "assembly/hint.h"

#include "assembly/group_order.h"

namespace wendrel {

namespace {

// Whether a piece of group a shares a side with a piece of group b, looked up from a's
// side as the join test does for a dropped group a.
bool SharesASide(const PieceSet& pieces, const PieceGroup& a, const PieceGroup& b) {
  for (int p = 0; p < a.count; ++p) {
    for (int q = 0; q < b.count; ++q) {
      if (pieces.PiecesAdjacent(a.pieces[p], b.pieces[q]))
        return true;
    }
  }
  return false;
}

}  // namespace

int HintTarget(const GroupTable& table, int selected) {
  if (table.count < 2)
    return -1;
  if (selected >= 0 && selected < table.count)
    return selected;
  int best = 0;
  for (int g = 1; g < table.count; ++g) {
    const PieceGroup& group = table.groups[g];
    const PieceGroup& leader = table.groups[best];
    if (group.count > leader.count ||
        (group.count == leader.count && LowestPiece(group) < LowestPiece(leader)))
      best = g;
  }
  return best;
}

int HintNeighbour(const PieceSet& pieces, int target) {
  const GroupTable& table = pieces.Groups();
  if (target < 0 || target >= table.count)
    return -1;
  int best = -1;
  for (int g = 0; g < table.count; ++g) {
    if (g == target || !SharesASide(pieces, table.groups[g], table.groups[target]))
      continue;
    if (best == -1 || LowestPiece(table.groups[g]) < LowestPiece(table.groups[best]))
      best = g;
  }
  return best;
}

bool JoinNeighbour(PieceSet& pieces, int target) {
  const int neighbour = HintNeighbour(pieces, target);
  if (neighbour == -1)
    return false;
  const PieceGroup& anchor = pieces.Group(target);
  PieceGroup& moved = pieces.Groups().groups[neighbour];
  // The very point the join test will expect the neighbour's pivot at, so it fits at
  // distance 0.
  moved.position = PieceSet::PlacedPoint(pieces.Group(target), moved.centre);
  moved.rotation = anchor.rotation;
  moved.flipped = anchor.flipped;
  pieces.PlaceGroup(neighbour, moved.rotation, moved.flipped);
  pieces.Groups().RaiseToFront(neighbour);
  return pieces.DropFrontGroup(0, 0);
}

int JoinAllGroups(PieceSet& pieces) {
  int joins = 0;
  while (JoinNeighbour(pieces, HintTarget(pieces.Groups(), -1)))
    ++joins;
  return joins;
}

}  // namespace wendrel

#pragma once

#include "assembly/piece_set.h"

namespace wendrel {

// The keyboard walks the groups in the order of their lowest piece index: unlike the
// table's order, it does not change when a group is raised to the front.

// The group's lowest piece index; -1 when it has no pieces.
int LowestPiece(const PieceGroup& group);
// The index of the group holding piece p, or -1.
int GroupHolding(const GroupTable& table, int piece);
// The group after g in that order, or before it when backwards, going round from the
// end to the start. With g = -1 the first group (the one holding the lowest piece), or
// backwards the last. -1 when the table has no groups.
int NextGroupInPieceOrder(const GroupTable& table, int g, bool backwards);

}  // namespace wendrel

#pragma once

#include "assembly/piece_set.h"

namespace wendrel {

// Checks a table read from a game file against the puzzle it belongs to, cut into
// pieces: every piece in exactly one group, and each group's pieces joined by sides that
// they share in the solved puzzle. Then gives each group the pivot that the model
// computes from its members, so that the table is as the game recorded it. Throws a
// GameFileFault naming the field ("groups[2].pieces") on the first fault. pieces' own
// groups are left as the check needed them.
void CheckGroupTable(GroupTable& table, PieceSet& pieces);

}  // namespace wendrel

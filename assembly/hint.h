#pragma once

#include "assembly/piece_set.h"

namespace wendrel {

// Help for a player who is stuck: a hint joins one more group to a group, as a drop of
// that group in its solved place would.

// The group that gains from a hint: selected when it is a group of the table; otherwise
// the largest, ties going to the group that holds the lowest piece index. -1 with fewer
// than two groups, when nothing is left to join.
int HintTarget(const GroupTable& table, int selected);

// Of the other groups holding a piece that shares a side with a piece of group target in
// the solved puzzle, the one holding the lowest piece index; -1 if none.
int HintNeighbour(const PieceSet& pieces, int target);

// Gives the neighbour of group target the target's turn and mirror, puts it in its solved
// place next to the target, which does not move, raises it to the front and drops it
// there, so that it joins as a player's drop would. Returns whether a group joined.
// Bringing the result back into reach is the caller's.
bool JoinNeighbour(PieceSet& pieces, int target);

// Hints with no group selected until one group is left or none can join. Returns the
// number of joins.
int JoinAllGroups(PieceSet& pieces);

}  // namespace wendrel

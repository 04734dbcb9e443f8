#pragma once

#include <optional>
#include <string>

#include "assembly/piece_set.h"

namespace wendrel {

// The first fault of a table of groups that was not made by this program's own moves
// (a saved game's): where it lies, as "groups[2].pieces[1]", and what is wrong. The kind
// rather than words, so that whoever shows it can word it in the player's language.
struct TableFault {
  enum class Kind {
    kNotAPiece,      // a member that is no piece of the puzzle
    kRepeatedPiece,  // a piece in a second group, or twice in one
    kMissingPiece,   // a piece in no group
    kApart,          // a group whose pieces do not all meet in the solved puzzle
  };
  std::string field;
  Kind kind = Kind::kNotAPiece;
  // The piece repeated or missing; -1 for the other kinds.
  int piece = -1;
};

// Whether the table could belong to a puzzle of pieceCount pieces: each piece in exactly
// one group. This needs no cut of the puzzle.
std::optional<TableFault> MembershipFault(const GroupTable& table, int pieceCount);

// Checks the table against its puzzle, cut into pieces: the membership above, and each
// group's pieces joined by sides that they share in the solved puzzle. A table that fits
// is given the pivots that the model computes from the members, so that it is as the game
// recorded it. pieces' own groups are left as the check needed them.
std::optional<TableFault> FitTable(GroupTable& table, PieceSet& pieces);

}  // namespace wendrel

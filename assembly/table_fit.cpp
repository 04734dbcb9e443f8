#include "assembly/table_fit.h"

namespace wendrel {

namespace {

std::string GroupField(int g) {
  return "groups[" + std::to_string(g) + ']';
}

// Whether the group's pieces form one patch of the solved puzzle: a walk over shared
// sides from the first member reaches them all.
bool Joined(const PieceGroup& group, const PieceSet& pieces) {
  bool reached[PieceGroup::kMaxPieces] = {true};
  int stack[PieceGroup::kMaxPieces] = {0};
  int top = 1, count = 1;
  while (top > 0) {
    const int from = group.pieces[stack[--top]];
    for (int j = 0; j < group.count; ++j) {
      if (!reached[j] && pieces.PiecesAdjacent(from, group.pieces[j])) {
        reached[j] = true;
        stack[top++] = j;
        ++count;
      }
    }
  }
  return count == group.count;
}

}  // namespace

std::optional<TableFault> MembershipFault(const GroupTable& table, int pieceCount) {
  int groupOf[PieceRegion::kMaxRegions];
  for (int& g : groupOf)
    g = -1;
  for (int g = 0; g < table.count; ++g) {
    const PieceGroup& group = table.groups[g];
    for (int j = 0; j < group.count; ++j) {
      const int p = group.pieces[j];
      // Named only for a fault: a long history has tens of thousands of members.
      const auto field = [&] { return GroupField(g) + ".pieces[" + std::to_string(j) + ']'; };
      if (p < 0 || p >= pieceCount)
        return TableFault{field(), TableFault::Kind::kNotAPiece};
      if (groupOf[p] != -1)
        return TableFault{field(), TableFault::Kind::kRepeatedPiece, p};
      groupOf[p] = g;
    }
  }
  for (int p = 0; p < pieceCount; ++p) {
    if (groupOf[p] == -1)
      return TableFault{"groups", TableFault::Kind::kMissingPiece, p};
  }
  return std::nullopt;
}

std::optional<TableFault> FitTable(GroupTable& table, PieceSet& pieces) {
  if (std::optional<TableFault> fault = MembershipFault(table, pieces.PieceCount()))
    return fault;
  for (int g = 0; g < table.count; ++g) {
    if (!Joined(table.groups[g], pieces))
      return TableFault{GroupField(g) + ".pieces", TableFault::Kind::kApart};
  }
  pieces.Groups() = table;
  for (int g = 0; g < table.count; ++g) {
    pieces.ComputeGroupCentre(g);
    table.groups[g].centre = pieces.Group(g).centre;
  }
  return std::nullopt;
}

}  // namespace wendrel

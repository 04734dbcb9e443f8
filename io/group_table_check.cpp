#include "io/group_table_check.h"

#include <string>

#include "io/game_file_fault.h"

namespace wendrel {

namespace {

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

void CheckGroupTable(GroupTable& table, PieceSet& pieces) {
  int groupOf[PieceRegion::kMaxRegions];
  for (int& g : groupOf)
    g = -1;
  for (int g = 0; g < table.count; ++g) {
    const PieceGroup& group = table.groups[g];
    Within("groups", g, [&] {
      for (int j = 0; j < group.count; ++j) {
        const int p = group.pieces[j];
        const auto field = [j] { return "pieces[" + std::to_string(j) + ']'; };
        if (p >= pieces.PieceCount())
          throw Damaged(field(), "is not a piece of this puzzle");
        if (groupOf[p] != -1)
          throw Damaged(field(), "repeats piece " + std::to_string(p));
        groupOf[p] = g;
      }
      if (!Joined(group, pieces))
        throw Damaged("pieces", "do not all meet in the solved puzzle");
    });
  }
  for (int p = 0; p < pieces.PieceCount(); ++p) {
    if (groupOf[p] == -1)
      throw Damaged("groups", "leave out piece " + std::to_string(p));
  }
  pieces.Groups() = table;
  for (int g = 0; g < table.count; ++g) {
    pieces.ComputeGroupCentre(g);
    table.groups[g].centre = pieces.Group(g).centre;
  }
}

}  // namespace wendrel

#include "assembly/group_order.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace wendrel {

int LowestPiece(const PieceGroup& group) {
  if (group.count <= 0)
    return -1;
  return *std::min_element(group.pieces, group.pieces + group.count);
}

int GroupHolding(const GroupTable& table, int piece) {
  for (int g = 0; g < table.count; ++g) {
    const PieceGroup& group = table.groups[g];
    if (std::find(group.pieces, group.pieces + group.count, piece) != group.pieces + group.count)
      return g;
  }
  return -1;
}

int NextGroupInPieceOrder(const GroupTable& table, int g, bool backwards) {
  // (lowest piece, group index) in walking order; a piece is in one group only, so no
  // two entries share a lowest piece.
  std::vector<std::pair<int, int>> walk;
  for (int i = 0; i < table.count; ++i) {
    const int lowest = LowestPiece(table.groups[i]);
    if (lowest >= 0)
      walk.emplace_back(lowest, i);
  }
  if (walk.empty())
    return -1;
  std::sort(walk.begin(), walk.end());
  if (backwards)
    std::reverse(walk.begin(), walk.end());
  if (g < 0 || g >= table.count)
    return walk.front().second;
  const int from = LowestPiece(table.groups[g]);
  for (const auto& [lowest, i] : walk) {
    if (backwards ? lowest < from : lowest > from)
      return i;
  }
  return walk.front().second;
}

}  // namespace wendrel

#include "assembly/piece_set.h"

namespace wendrel {

void Piece::Reset() {
  triangles.ResetAll();
  count = 0;
  for (int& flag : adjacent)
    flag = 0;
}

void Piece::CopyFrom(const PieceRegion& region) {
  count = region.count;
  for (int j = 0; j < region.count; ++j)
    triangles.At(j) = region.triangles[j];
}

int Piece::TriangleAt(int j) const {
  if (j < 0 || j >= triangles.Size())
    return -1;
  return static_cast<int>(triangles[j]);
}

void PieceGroup::Clear() {
  count = 0;
  centre = DPoint{};
  position = DPoint{};
  rotation = 0;
  flipped = 0;
}

void PieceGroup::AddPiece(int p) {
  if (count < 0 || count >= kMaxPieces)
    return;
  pieces[count++] = p;
}

void GroupTable::Clear() {
  for (PieceGroup& group : groups)
    group.Clear();
  count = 0;
}

void GroupTable::MakeSingletons(int n) {
  for (int i = 0; i < n; ++i) {
    groups[i].Clear();
    groups[i].AddPiece(i);
  }
  count = n;
}

void GroupTable::RaiseToFront(int k) {
  if (k <= 0 || k >= count)
    return;
  const PieceGroup raised = groups[k];
  for (int i = k; i > 0; --i)
    groups[i] = groups[i - 1];
  groups[0] = raised;
}

void GroupTable::Merge(int dst, int src) {
  if (dst < 0 || dst >= count || src < 0 || src >= count || dst == src)
    return;
  for (int j = 0; j < groups[src].count; ++j)
    groups[dst].AddPiece(groups[src].pieces[j]);
  for (int i = src; i < count - 1; ++i)
    groups[i] = groups[i + 1];
  --count;
}

}  // namespace wendrel

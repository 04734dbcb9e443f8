#include "assembly/piece_set.h"

#include <cmath>

#include "generator/random.h"
#include "generator/random_pool.h"

namespace wendrel {

void Piece::Reset() {
  triangles.ResetAll();
  count = 0;
  for (int& flag : adjacent) flag = 0;
}

void Piece::CopyFrom(const PieceRegion& region) {
  count = region.count;
  for (int j = 0; j < region.count; ++j) triangles.At(j) = region.triangles[j];
}

int Piece::TriangleAt(int j) const {
  if (j < 0 || j >= triangles.Size()) return -1;
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
  if (count < 0 || count >= kMaxPieces) return;
  pieces[count++] = p;
}

void GroupTable::Clear() {
  for (PieceGroup& group : groups) group.Clear();
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
  if (k <= 0 || k >= count) return;
  const PieceGroup raised = groups[k];
  for (int i = k; i > 0; --i) groups[i] = groups[i - 1];
  groups[0] = raised;
}

void GroupTable::Merge(int dst, int src) {
  if (dst < 0 || dst >= count || src < 0 || src >= count || dst == src) return;
  for (int j = 0; j < groups[src].count; ++j) groups[dst].AddPiece(groups[src].pieces[j]);
  for (int i = src; i < count - 1; ++i) groups[i] = groups[i + 1];
  --count;
}

PieceSet::PieceSet() : m_placed(2, 2), m_home(2, 2) {
  for (Piece& piece : m_pieceList) piece.Reset();
  m_groups.Clear();
}

void PieceSet::Load(const MeshTriangleList& sourceTriangles, const PieceRegion* sourceRegions,
                    int pieceCount) {
  m_placed.ResetAll();
  m_home.ResetAll();
  m_nPlacedCount = 0;
  for (int i = 0; i < sourceTriangles.count; ++i) {
    m_placed.At(i) = sourceTriangles.Get(i).tri;
    m_home.At(i) = sourceTriangles.Get(i).tri;
  }
  m_nPlacedCount = sourceTriangles.count;

  for (int k = 0; k < PieceRegion::kMaxRegions; ++k) m_pieceList[k].CopyFrom(sourceRegions[k]);
  m_nPieceCount = pieceCount;
  for (int p = 0; p < PieceRegion::kMaxRegions; ++p) {
    for (int q = 0; q < PieceRegion::kMaxRegions; ++q) {
      m_adjacent[p][q] = p < pieceCount && q < pieceCount ? sourceRegions[p].adjacent[q] : 0;
    }
  }

  m_groups.Clear();
  m_groups.MakeSingletons(m_nPieceCount);
}

void PieceSet::InitPlacement() {
  for (int g = 0; g < m_groups.count; ++g) {
    ComputeGroupCentre(g);
    m_groups.groups[g].position = m_groups.groups[g].centre;
  }
}

void PieceSet::Scatter() {
  // A draw from an empty pool would take a number from the sequence; with no groups
  // there is nothing to scatter.
  if (m_groups.count <= 0) return;
  RandomPool(m_groups.count);
  for (const int y : {-180, 0, 180}) {
    for (const int x : {-320, -160, 0, 160, 320}) {
      const int g = RandomPool(0);
      if (g < 0) continue;
      PieceGroup& group = m_groups.groups[g];
      group.position = DPoint{static_cast<double>(x), static_cast<double>(y)};
      group.flipped = rand() % 2;  // the mirror is drawn before the turn
      group.rotation = rand() % 12;
      PlaceGroup(g, group.rotation, group.flipped);
    }
  }
}

PieceSet::Placement PieceSet::PlacementOf(const PieceGroup& group, int rotation, int flipped) {
  const double theta = rotation * kAngleStep;
  return Placement{std::cos(theta), std::sin(theta), flipped ? -1.0 : 1.0, group.centre,
                   group.position};
}

DPoint PieceSet::Placement::Apply(DPoint home) const {
  const double dx = home.x - centre.x;
  const double dy = home.y - centre.y;
  return DPoint{position.x + sign * (cosT * dx - sinT * dy), position.y + sinT * dx + cosT * dy};
}

void PieceSet::PlaceGroup(int g, int rotation, int flipped) {
  const PieceGroup& group = m_groups.groups[g];
  const Placement placement = PlacementOf(group, rotation, flipped);
  for (int j = 0; j < group.count; ++j) {
    const Piece& piece = m_pieceList[group.pieces[j]];
    for (int i = 0; i < piece.count; ++i) {
      const int t = piece.TriangleAt(i);
      const Triangle& home = m_home[t];
      Triangle& placed = m_placed[t];
      placed.a = placement.Apply(home.a);
      placed.b = placement.Apply(home.b);
      placed.c = placement.Apply(home.c);
    }
  }
}

void PieceSet::ComputeGroupCentre(int g) {
  PieceGroup& group = m_groups.groups[g];
  double sumX = 0.0, sumY = 0.0;
  int n = 0;
  for (int j = 0; j < group.count; ++j) {
    const Piece& piece = m_pieceList[group.pieces[j]];
    for (int i = 0; i < piece.count; ++i) {
      const DPoint c = m_home[piece.TriangleAt(i)].centroid;
      sumX += c.x;
      sumY += c.y;
      ++n;
    }
  }
  if (n != 0) group.centre = DPoint{sumX / n, sumY / n};
}

int PieceSet::PieceContains(int x, int y, int piece, int flipped) const {
  const DPoint p{static_cast<double>(x - kOriginX), static_cast<double>(kOriginY - y)};
  const Piece& pc = m_pieceList[piece];
  for (int j = 0; j < pc.count; ++j) {
    const Triangle& t = m_placed[pc.TriangleAt(j)];
    if (flipped == 0 ? t.ContainsCCW(p) : t.ContainsCW(p)) return 1;
  }
  return 0;
}

int PieceSet::HitGroup(int x, int y) const {
  for (int g = 0; g < m_groups.count; ++g) {
    const PieceGroup& group = m_groups.groups[g];
    for (int j = 0; j < group.count; ++j) {
      if (PieceContains(x, y, group.pieces[j], group.flipped)) return g;
    }
  }
  return -1;
}

void PieceSet::RotateGroup(int g) {
  PieceGroup& group = m_groups.groups[g];
  // The mirror follows the turn, so a mirrored group turns the other way in the model
  // to turn clockwise on the screen.
  if (group.flipped) {
    group.RotateUp();
  } else {
    group.RotateDown();
  }
  PlaceGroup(g, group.rotation, group.flipped);
}

void PieceSet::FlipGroup(int g) {
  PieceGroup& group = m_groups.groups[g];
  group.flipped = group.flipped == 0 ? 1 : 0;
  PlaceGroup(g, group.rotation, group.flipped);
}

void PieceSet::MoveGroup(int g, int dx, int dy) {
  PieceGroup& group = m_groups.groups[g];
  group.position.x += dx;
  group.position.y += dy;
  PlaceGroup(g, group.rotation, group.flipped);
}

int PieceSet::FindJoinPartner(int g) {
  PieceGroup& a = m_groups.groups[g];
  const double theta = a.rotation * kAngleStep;
  const double cosT = std::cos(theta), sinT = std::sin(theta);
  const double s = a.flipped ? -1.0 : 1.0;
  for (int i = 0; i < m_groups.count; ++i) {
    const PieceGroup& other = m_groups.groups[i];
    if (i == g || other.rotation != a.rotation || other.flipped != a.flipped) continue;
    const double dx = other.centre.x - a.centre.x;
    const double dy = other.centre.y - a.centre.y;
    const double ex = a.position.x + s * (cosT * dx - sinT * dy);
    const double ey = a.position.y + sinT * dx + cosT * dy;
    a.expected = DPoint{ex, ey};
    const double ox = other.position.x - ex, oy = other.position.y - ey;
    if (ox * ox + oy * oy > kJoinDistance2) continue;
    for (int p = 0; p < a.count; ++p) {
      for (int q = 0; q < other.count; ++q) {
        if (m_adjacent[a.pieces[p]][other.pieces[q]] != 0) return i;
      }
    }
  }
  return -1;
}

void PieceSet::RecentreGroup(int g) {
  PieceGroup& group = m_groups.groups[g];
  PlaceGroup(g, group.rotation, group.flipped);
  const DPoint oldCentre = group.centre;
  const DPoint oldPosition = group.position;
  ComputeGroupCentre(g);
  const Placement placement{std::cos(group.rotation * kAngleStep),
                            std::sin(group.rotation * kAngleStep), group.flipped ? -1.0 : 1.0,
                            oldCentre, oldPosition};
  group.position = placement.Apply(group.centre);
}

bool PieceSet::DropFrontGroup(int dx, int dy) {
  MoveGroup(0, dx, dy);
  const int partner = FindJoinPartner(0);
  if (partner == -1) return false;
  m_groups.Merge(0, partner);
  RecentreGroup(0);
  return true;
}

}  // namespace wendrel

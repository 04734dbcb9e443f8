#include "assembly/piece_set.h"

#include <algorithm>
#include <cmath>

#include "generator/random.h"
#include "generator/random_pool.h"

namespace wendrel {

PieceSet::PieceSet() : m_placed(2, 2), m_home(2, 2) {
  for (Piece& piece : m_pieceList)
    piece.Reset();
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

  for (int k = 0; k < PieceRegion::kMaxRegions; ++k)
    m_pieceList[k].CopyFrom(sourceRegions[k]);
  m_nPieceCount = std::clamp(pieceCount, 0, PieceRegion::kMaxRegions);
  for (int p = 0; p < PieceRegion::kMaxRegions; ++p) {
    for (int q = 0; q < PieceRegion::kMaxRegions; ++q) {
      m_adjacent[p][q] = p < m_nPieceCount && q < m_nPieceCount ? sourceRegions[p].adjacent[q] : 0;
    }
  }

  m_groups.Clear();
  m_groups.MakeSingletons(m_nPieceCount);
}

void PieceSet::SetGroups(const GroupTable& table) {
  m_groups = table;
  for (int g = 0; g < table.count; ++g)
    PlaceGroup(g, table.groups[g].rotation, table.groups[g].flipped);
}

void PieceSet::InitPlacement() {
  for (int g = 0; g < m_groups.count; ++g) {
    ComputeGroupCentre(g);
    m_groups.groups[g].position = m_groups.groups[g].centre;
  }
}

void PieceSet::Scatter() {
  // RandomPool(0) draws instead of refilling, so with no groups it would hand out
  // values left in the table by an earlier user and consume the sequence.
  if (m_groups.count <= 0)
    return;
  RandomPool(m_groups.count);
  for (const int y : {-180, 0, 180}) {
    for (const int x : {-320, -160, 0, 160, 320}) {
      const int g = RandomPool(0);
      if (g < 0)
        continue;
      PieceGroup& group = m_groups.groups[g];
      group.position = DPoint{static_cast<double>(x), static_cast<double>(y)};
      // A seed gives the same layout only if the mirror is drawn before the turn.
      group.flipped = wendrel::rand() % 2;
      group.rotation = wendrel::rand() % 12;
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
  const Placement placement = PlacementOf(m_groups.groups[g], rotation, flipped);
  ForEachTriangle(m_groups.groups[g], [&](int t) {
    const Triangle& home = m_home[t];
    Triangle& placed = m_placed[t];
    placed.a = placement.Apply(home.a);
    placed.b = placement.Apply(home.b);
    placed.c = placement.Apply(home.c);
  });
}

DPoint PieceSet::PlacedPoint(const PieceGroup& group, DPoint p) {
  return PlacementOf(group, group.rotation, group.flipped).Apply(p);
}

void PieceSet::ComputeGroupCentre(int g) {
  PieceGroup& group = m_groups.groups[g];
  double sumX = 0.0, sumY = 0.0;
  int n = 0;
  ForEachTriangle(group, [&](int t) {
    sumX += m_home[t].centroid.x;
    sumY += m_home[t].centroid.y;
    ++n;
  });
  if (n != 0)
    group.centre = DPoint{sumX / n, sumY / n};
}

}  // namespace wendrel

#include <algorithm>
#include <limits>

#include "assembly/logical_mapping.h"
#include "assembly/piece_set.h"
#include "geometry/predicates.h"

namespace wendrel {

int PieceSet::PieceContains(int x, int y, int piece, int flipped) const {
  const DPoint p = ToModel(x, y);
  const Piece& pc = m_pieceList[piece];
  for (int j = 0; j < pc.count; ++j) {
    const Triangle& t = m_placed[pc.TriangleAt(j)];
    // The mirror reverses the sense of the triangles, which are stored anticlockwise.
    if (flipped == 0 ? t.ContainsCCW(p) : t.ContainsCW(p))
      return 1;
  }
  return 0;
}

int PieceSet::HitGroup(int x, int y) const {
  for (int g = 0; g < m_groups.count; ++g) {
    const PieceGroup& group = m_groups.groups[g];
    for (int j = 0; j < group.count; ++j) {
      if (PieceContains(x, y, group.pieces[j], group.flipped))
        return g;
    }
  }
  return -1;
}

namespace {

// One rotation step that turns the group one way on the screen. The mirror follows the
// turn, so a mirrored group steps the other way in the model for the same turn on the
// screen.
void StepOnScreen(PieceGroup& group, bool clockwise) {
  if ((group.flipped != 0) == clockwise) {
    group.RotateUp();
  } else {
    group.RotateDown();
  }
}

}  // namespace

void PieceSet::RotateGroup(int g) {
  PieceGroup& group = m_groups.groups[g];
  StepOnScreen(group, true);
  PlaceGroup(g, group.rotation, group.flipped);
}

void PieceSet::RotateGroupBack(int g) {
  PieceGroup& group = m_groups.groups[g];
  StepOnScreen(group, false);
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

bool PieceSet::KeepOnSurface(int g, const PlayArea& area) {
  const ModelBox room = ToModel(area);
  const double left = room.minX, right = room.maxX, bottom = room.minY, top = room.maxY;
  // Where a vertex must lie for the player to see and click the group, and where one is
  // brought: kSurfaceMargin inside the borders.
  const double midX = (left + right) / 2, midY = (bottom + top) / 2;
  const double innerLeft = std::min(left + kSurfaceMargin, midX);
  const double innerRight = std::max(right - kSurfaceMargin, midX);
  const double innerBottom = std::min(bottom + kSurfaceMargin, midY);
  const double innerTop = std::max(top - kSurfaceMargin, midY);

  PieceGroup& group = m_groups.groups[g];
  bool inArea = false;
  double nearest2 = std::numeric_limits<double>::infinity();
  DPoint shift;
  ForEachTriangle(group, [&](int t) {
    for (const DPoint& v : {m_placed[t].a, m_placed[t].b, m_placed[t].c}) {
      // A vertex on the window's edge can be neither seen nor clicked: only one the
      // margin inside counts.
      if (v.x >= innerLeft && v.x <= innerRight && v.y >= innerBottom && v.y <= innerTop)
        inArea = true;
      const DPoint inside{std::clamp(v.x, innerLeft, innerRight),
                          std::clamp(v.y, innerBottom, innerTop)};
      const double d2 = SquaredDistance(v, inside);
      if (d2 < nearest2) {
        nearest2 = d2;
        shift = DPoint{inside.x - v.x, inside.y - v.y};
      }
    }
  });
  // A group without triangles has nothing to bring back.
  if (inArea || nearest2 == std::numeric_limits<double>::infinity())
    return false;
  group.position.x += shift.x;
  group.position.y += shift.y;
  PlaceGroup(g, group.rotation, group.flipped);
  return true;
}

namespace {

// How far to move the span lo..hi the least distance into min..max, which is no narrower.
double ShiftInto(double lo, double hi, double min, double max) {
  if (lo < min)
    return min - lo;
  if (hi > max)
    return max - hi;
  return 0.0;
}

}  // namespace

bool PieceSet::KeepWhollyInView(int g, const PlayArea& area) {
  const std::optional<ModelBox> box = Bounds(g);
  ModelBox room = ToModel(area);
  room.minX += kSurfaceMargin;
  room.maxX -= kSurfaceMargin;
  room.minY += kSurfaceMargin;
  room.maxY -= kSurfaceMargin;
  if (!box || box->Width() > room.Width() || box->Height() > room.Height())
    return KeepOnSurface(g, area);
  const double dx = ShiftInto(box->minX, box->maxX, room.minX, room.maxX);
  const double dy = ShiftInto(box->minY, box->maxY, room.minY, room.maxY);
  if (dx == 0.0 && dy == 0.0)
    return false;
  PieceGroup& group = m_groups.groups[g];
  group.position.x += dx;
  group.position.y += dy;
  PlaceGroup(g, group.rotation, group.flipped);
  return true;
}

std::optional<ModelBox> PieceSet::Bounds(int g) const {
  std::optional<ModelBox> box;
  ForEachTriangle(m_groups.groups[g], [&](int t) {
    for (const DPoint& v : {m_placed[t].a, m_placed[t].b, m_placed[t].c}) {
      if (!box)
        box = ModelBox{v.x, v.x, v.y, v.y};
      box->minX = std::min(box->minX, v.x);
      box->maxX = std::max(box->maxX, v.x);
      box->minY = std::min(box->minY, v.y);
      box->maxY = std::max(box->maxY, v.y);
    }
  });
  return box;
}

}  // namespace wendrel

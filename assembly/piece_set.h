#pragma once

#include <optional>

#include "assembly/play_area.h"
#include "generator/mesh_triangle.h"
#include "generator/piece_region.h"
#include "geometry/growable_array.h"
#include "geometry/primitives.h"

namespace wendrel {

// One piece of the puzzle: the triangles it is made of.
struct Piece {
  Piece() : triangles(256, 256) {}

  GrowableArray<unsigned int> triangles;
  int count = 0;
  int adjacent[PieceRegion::kMaxRegions] = {};  // never filled; the join reads the set's copy

  // Every field and list entry to 0; the list keeps its size.
  void Reset();
  // Takes the region's count and its first count triangle indices.
  void CopyFrom(const PieceRegion& region);
  // The j-th triangle index; -1 outside the stored entries.
  int TriangleAt(int j) const;
};

// Pieces that move together, with one placement: home points are turned by rotation
// steps of 30 degrees about centre, moved so that centre lands on position, and then
// mirrored in the vertical line through position when flipped.
struct PieceGroup {
  static constexpr int kMaxPieces = 20;

  int count = 0;
  int pieces[kMaxPieces] = {};
  DPoint centre;
  DPoint position;
  int rotation = 0;  // 0..11
  int flipped = 0;   // 0 or 1
  DPoint expected;   // work field of the join test

  // count, centre, position, rotation and flipped to 0; pieces and expected stay.
  void Clear();
  void AddPiece(int p);
  void RotateUp() { rotation = (rotation + 1) % 12; }
  void RotateDown() { rotation = (rotation + 11) % 12; }
};

// The groups in drawing order: group 0 is drawn last (on top) and hit first.
struct GroupTable {
  static constexpr int kMaxGroups = 20;

  int count = 0;
  PieceGroup groups[kMaxGroups];

  void Clear();
  // Group i holds exactly piece i, for i below n.
  void MakeSingletons(int n);
  // Moves group k to the front; the others keep their order.
  void RaiseToFront(int k);
  // Appends src's pieces to dst and removes src; dst's placement is left alone.
  void Merge(int dst, int src);
};

// A box of the model plane (y up), its borders included.
struct ModelBox {
  double minX = 0.0;
  double maxX = 0.0;
  double minY = 0.0;
  double maxY = 0.0;

  double Width() const { return maxX - minX; }
  double Height() const { return maxY - minY; }
};

// The playing-side model of a generated puzzle.
//
// At Load the set takes its own copy of the home data (home triangles with their
// centroids, and which pieces share a side), so that a later generation run, which
// rebuilds the generator's storage in place even when it fails, cannot change the
// puzzle being played.
class PieceSet {
 public:
  static constexpr double kAngleStep = 0.5235987755983;  // 30 degrees, as the constant
  static constexpr double kJoinDistance2 = 100.0;        // 10 model units, squared
  // The model origin sits at this logical point of the view; logical y runs down.
  static constexpr int kOriginX = 460;
  static constexpr int kOriginY = 350;
  // The view's drawing surface in logical units. In model units it spans x from
  // -kOriginX to kSurfaceWidth - kOriginX and y from kOriginY - kSurfaceHeight to kOriginY.
  static constexpr int kSurfaceWidth = 960;
  static constexpr int kSurfaceHeight = 800;
  static constexpr PlayArea kSurfaceArea{0, 0, kSurfaceWidth, kSurfaceHeight};
  // How far inside the play area KeepOnSurface brings a group back.
  static constexpr double kSurfaceMargin = 10.0;
  // The room ScatterToFit leaves between the boxes of two pieces, and half of it between a
  // box and the area's border. Half of it exceeds kSurfaceMargin, so a piece pulled in from
  // beyond the area stops short of the pieces inside.
  static constexpr double kScatterGap = 30.0;

  PieceSet();

  // Takes over a generated puzzle; every piece becomes a group of its own. The tables
  // hold at most PieceRegion::kMaxRegions pieces, so a larger count is cut to that.
  void Load(const MeshTriangleList& sourceTriangles, const PieceRegion* sourceRegions,
            int pieceCount);
  // Every group's pivot from its pieces, at its home place.
  void InitPlacement();
  // Puts the groups on a 5 x 3 grid in random order, each with a random mirror and turn.
  // Three Hearts' own puzzles are made with it and fixed to the unit by it; its cells are
  // smaller than the pieces of other figures.
  void Scatter();
  // Gives every group a random mirror and turn, then puts the groups wholly inside area
  // with kScatterGap to spare about each, so that no two pieces meet: on rows where they
  // all fit that way, else each in the middle of a cell of a grid whose cells hold the
  // largest of them as turned. The grid holds as many cells wholly inside area as fit, and
  // the cells inside are filled first, in random order. Groups left over go to the row
  // and column of cells just beyond the bottom and right borders, pulled in to show a
  // strip of themselves; only where those are full too does a group start out of reach.
  // Uses only wendrel::rand(), so a number gives the same puzzle everywhere.
  void ScatterToFit(const PlayArea& area);
  // Recomputes the current vertices of group g from its home vertices.
  void PlaceGroup(int g, int rotation, int flipped);
  // The mean of the home centroids of the group's triangles; unchanged when it has none.
  void ComputeGroupCentre(int g);
  // Where group's placement puts the home point p. For another group's pivot this is
  // where the join test expects that group in the solved puzzle.
  static DPoint PlacedPoint(const PieceGroup& group, DPoint p);

  // Operations of the player. Points are logical points of the view (y down).
  int PieceContains(int x, int y, int piece, int flipped) const;
  int HitGroup(int x, int y) const;
  // One step clockwise as seen on the screen, mirrored or not.
  void RotateGroup(int g);
  // One step counter-clockwise on the screen: the exact inverse of RotateGroup.
  void RotateGroupBack(int g);
  void FlipGroup(int g);
  // A turn or a mirror about the pivot can swing a group wholly out of the play area,
  // and a window that shrinks can leave one there, where no click reaches it. When no
  // vertex of group g lies kSurfaceMargin inside area (or on the middle line of an area
  // narrower than two margins), where the player can see and click it, moves the group
  // the least distance that puts its nearest vertex there; otherwise leaves it alone.
  // Returns whether it moved the group. Never joins.
  bool KeepOnSurface(int g, const PlayArea& area);
  // Where group g fits inside area kSurfaceMargin from its borders, moves it the least
  // distance that brings its whole box there; otherwise keeps it on the surface as above.
  // Returns whether it moved the group. Never joins.
  bool KeepWhollyInView(int g, const PlayArea& area);
  // The smallest box holding group g's current vertices; none for a group without
  // triangles.
  std::optional<ModelBox> Bounds(int g) const;
  // Displacement in model units (y up).
  void MoveGroup(int g, int dx, int dy);
  // The first group in table order that fits group g, or -1.
  int FindJoinPartner(int g);
  // A new pivot for group g at the centre of all its pieces, without moving them.
  void RecentreGroup(int g);
  // The join after a drop of group 0: move it, then merge the first group that fits.
  // Returns whether a join happened.
  bool DropFrontGroup(int dx, int dy);

  // Read access for drawing.
  int GroupCount() const { return m_groups.count; }
  const PieceGroup& Group(int g) const { return m_groups.groups[g]; }
  int PieceCount() const { return m_nPieceCount; }
  const Piece& PieceAt(int p) const { return m_pieceList[p]; }
  int PlacedCount() const { return m_nPlacedCount; }
  const Triangle& Placed(int t) const { return m_placed[t]; }
  // The solved puzzle's triangle t, as loaded.
  const Triangle& Home(int t) const { return m_home[t]; }
  bool PiecesAdjacent(int p, int q) const { return m_adjacent[p][q] != 0; }
  const GroupTable& Groups() const { return m_groups; }
  // Puts a whole table in place and places every group from it: the current vertices
  // follow from the placements, so this gives the picture that went with the table.
  void SetGroups(const GroupTable& table);
  GroupTable& Groups() { return m_groups; }

  // Calls visit(t) for every triangle t of the group, member by member, in list order.
  template <typename Visit>
  void ForEachTriangle(const PieceGroup& group, Visit visit) const {
    for (int j = 0; j < group.count; ++j) {
      const Piece& piece = m_pieceList[group.pieces[j]];
      for (int i = 0; i < piece.count; ++i)
        visit(piece.TriangleAt(i));
    }
  }

 private:
  // The placement of a group as a map from home points to current points.
  struct Placement {
    double cosT, sinT, sign;
    DPoint centre, position;
    DPoint Apply(DPoint home) const;
  };
  static Placement PlacementOf(const PieceGroup& group, int rotation, int flipped);
  // Whether a piece of group g shares a point with a piece of another group, borders
  // included.
  bool OverlapsAnotherGroup(int g) const;
  // Puts the groups, measured about their pivots at the origin in boxes, on rows wholly
  // inside room, and returns true; or returns false, changing nothing, where they do not
  // all fit.
  bool PlaceOnShelves(const ModelBox* boxes, const ModelBox& room);

  GrowableArray<Triangle> m_placed;
  int m_nPlacedCount = 0;
  int m_nPieceCount = 0;
  Piece m_pieceList[PieceRegion::kMaxRegions];
  GroupTable m_groups;
  GrowableArray<Triangle> m_home;
  int m_adjacent[PieceRegion::kMaxRegions][PieceRegion::kMaxRegions] = {};
};

}  // namespace wendrel

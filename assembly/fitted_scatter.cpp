#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

#include "assembly/logical_mapping.h"
#include "assembly/piece_set.h"
#include "generator/random.h"
#include "geometry/predicates.h"

namespace wendrel {

namespace {

// The grid never needs more rows or columns than groups.
constexpr int kMaxCells = GroupTable::kMaxGroups * GroupTable::kMaxGroups;

struct Grid {
  int columns = 1;
  int rows = 1;
  // The columns and rows that lie wholly inside the area, from its left and its top.
  int columnsInside = 0;
  int rowsInside = 0;
  // From one cell's edge to the next: the cell itself where the grid overflows the area,
  // else the area's share, which spreads the pieces over it.
  double pitchX = 0.0;
  double pitchY = 0.0;
};

// How many of count cells of size cell fit side by side in length.
int CellsThatFit(int count, double cell, double length) {
  return std::clamp(static_cast<int>(std::floor(length / cell)), 0, count);
}

Grid GridOf(int columns, int rows, double cellW, double cellH, const ModelBox& room) {
  Grid grid{columns, rows};
  grid.columnsInside = CellsThatFit(columns, cellW, room.Width());
  grid.rowsInside = CellsThatFit(rows, cellH, room.Height());
  grid.pitchX = std::max(cellW, room.Width() / columns);
  grid.pitchY = std::max(cellH, room.Height() / rows);
  return grid;
}

// The columns beyond the area's right border and the rows beyond its bottom are lanes,
// numbered from 1 outwards. A piece in a first lane is pulled straight back across one
// border into the margin, which the pieces inside leave free. One past the corner of the
// two first lanes has that corner to itself, but must cross two borders to be reached;
// one in a further lane would land on the first lane's. So cells are taken inside first,
// then in a first lane, then past the corner, then further out.
enum Remoteness { kInside, kFirstLane, kPastTheCorner, kFurtherOut };

Remoteness RemotenessOf(const Grid& grid, int cell) {
  const int laneX = std::max(0, cell % grid.columns - grid.columnsInside + 1);
  const int laneY = std::max(0, cell / grid.columns - grid.rowsInside + 1);
  if (std::max(laneX, laneY) > 1)
    return kFurtherOut;
  return static_cast<Remoteness>(laneX + laneY);
}

// The grid for n groups that holds most of them wholly inside room; then the one that
// puts fewest further out, then fewest past the corner; then the one that reaches least
// far beyond; then the one with most room about each piece; then the smallest.
Grid ChooseGrid(int n, double cellW, double cellH, const ModelBox& room) {
  std::optional<Grid> best;
  std::array<double, 6> bestScore{};
  // Rows beyond the first lane below the area would only reach further out.
  const int rowsToFirstLane = std::min(n, CellsThatFit(n, cellH, room.Height()) + 1);
  for (int columns = 1; columns <= n; ++columns) {
    const int fewestRows = (n + columns - 1) / columns;
    for (int rows = fewestRows; rows <= std::max(fewestRows, rowsToFirstLane); ++rows) {
      const Grid grid = GridOf(columns, rows, cellW, cellH, room);
      const int inside = grid.columnsInside * grid.rowsInside;
      // The groups left over take the nearest cells beyond.
      const bool laneX = columns > grid.columnsInside, laneY = rows > grid.rowsInside;
      int left = std::max(0, n - inside);
      left -= std::min(left, (laneX ? grid.rowsInside : 0) + (laneY ? grid.columnsInside : 0));
      const int pastTheCorner = std::min(left, laneX && laneY ? 1 : 0);
      const int furtherOut = left - pastTheCorner;
      const double overflow = std::max(0.0, columns * cellW - room.Width()) +
                              std::max(0.0, rows * cellH - room.Height());
      const double spread = std::min(grid.pitchX / cellW, grid.pitchY / cellH);
      // Larger is better in every place.
      const std::array<double, 6> score{static_cast<double>(std::min(n, inside)),
                                        -static_cast<double>(furtherOut),
                                        -static_cast<double>(pastTheCorner),
                                        -overflow,
                                        spread,
                                        -static_cast<double>(columns * rows)};
      if (!best || score > bestScore) {
        best = grid;
        bestScore = score;
      }
    }
  }
  return *best;
}

void Shuffle(int* first, int count) {
  for (int i = count - 1; i > 0; --i)
    std::swap(first[i], first[wendrel::rand() % (i + 1)]);
}

// Fills order with the cells, numbered row by row from the top left, in the order the
// groups take them: by remoteness, each kind in random order; then deals the first n to
// the groups at random.
void OrderCells(const Grid& grid, int n, int* order) {
  const int cells = grid.columns * grid.rows;
  int filled = 0;
  for (const Remoteness remoteness : {kInside, kFirstLane, kPastTheCorner, kFurtherOut}) {
    const int start = filled;
    for (int cell = 0; cell < cells; ++cell) {
      if (RemotenessOf(grid, cell) == remoteness)
        order[filled++] = cell;
    }
    Shuffle(order + start, filled - start);
  }
  Shuffle(order, n);
}

// Pieces on shelves: rows of pieces side by side, each row as tall as its tallest piece.
// Each piece takes its own width and height with kScatterGap to spare, in whole units.
struct Shelves {
  // The groups row by row, and where each row begins among them.
  std::array<int, GroupTable::kMaxGroups> order{};
  std::array<int, GroupTable::kMaxGroups + 1> start{};
  int rows = 0;
  // The widest row's width and the rows' heights together.
  std::int64_t width = 0;
  std::int64_t height = 0;
};

// The groups, tallest first, put on rows of at most perRow pieces that stay within width.
Shelves ShelvesOf(const int* byHeight, int n, const int* cellW, const int* cellH, int perRow,
                  std::int64_t width) {
  Shelves shelves;
  std::int64_t rowWidth = 0;
  for (int i = 0; i < n; ++i) {
    const int g = byHeight[i];
    if (shelves.rows == 0 || i - shelves.start[shelves.rows - 1] == perRow ||
        rowWidth + cellW[g] > width) {
      shelves.start[shelves.rows++] = i;
      shelves.height += cellH[g];
      rowWidth = 0;
    }
    rowWidth += cellW[g];
    shelves.width = std::max(shelves.width, rowWidth);
    shelves.order[i] = g;
  }
  shelves.start[shelves.rows] = n;
  return shelves;
}

// The least of the two shares of room a layout leaves, across and down, as a fraction.
struct Share {
  std::int64_t room = 0;
  std::int64_t used = 1;
  bool operator<(const Share& other) const { return room * other.used < other.room * used; }
};

Share SpreadOf(const Shelves& shelves, std::int64_t width, std::int64_t height) {
  return std::min(Share{width, shelves.width}, Share{height, shelves.height});
}

// Of the shelves for every count of pieces to a row, those that hold every group wholly
// inside the room and leave most room about them; none where no count does. Pieces of
// like height share a row, so that little room goes to waste above the shorter ones.
std::optional<Shelves> ShelvesToFit(int n, const int* cellW, const int* cellH, std::int64_t width,
                                    std::int64_t height) {
  std::array<int, GroupTable::kMaxGroups> byHeight{};
  for (int g = 0; g < n; ++g)
    byHeight[g] = g;
  // Ties go by group, so that every library sorts alike; a sort in place allocates nothing.
  std::sort(byHeight.begin(), byHeight.begin() + n,
            [&](int a, int b) { return cellH[a] != cellH[b] ? cellH[a] > cellH[b] : a < b; });
  std::optional<Shelves> best;
  for (int perRow = 1; perRow <= n; ++perRow) {
    const Shelves shelves = ShelvesOf(byHeight.data(), n, cellW, cellH, perRow, width);
    if (shelves.width > width || shelves.height > height)
      continue;
    if (!best || SpreadOf(*best, width, height) < SpreadOf(shelves, width, height))
      best = shelves;
  }
  return best;
}

ModelBox OnGrid(const ModelBox& box) {
  constexpr double kSteps = 1024.0;
  const auto onGrid = [](double v) { return std::round(v * kSteps) / kSteps; };
  return ModelBox{onGrid(box.minX), onGrid(box.maxX), onGrid(box.minY), onGrid(box.maxY)};
}

// Place k's share of spare whole units dealt out to count places as evenly as they go.
std::int64_t ShareOf(std::int64_t spare, int count, int k) {
  return spare * (k + 1) / count - spare * k / count;
}

double AwayFromZero(double x) {
  return x < 0.0 ? std::floor(x) : std::ceil(x);
}

bool BoxesMeet(const ModelBox& a, const ModelBox& b) {
  return a.minX <= b.maxX && b.minX <= a.maxX && a.minY <= b.maxY && b.minY <= a.maxY;
}

bool TrianglesMeet(const Triangle& s, const Triangle& t) {
  const DPoint sv[] = {s.a, s.b, s.c}, tv[] = {t.a, t.b, t.c};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      if (SegmentsIntersect({sv[i], sv[(i + 1) % 3]}, {tv[j], tv[(j + 1) % 3]}))
        return true;
    }
  }
  // Sides that do not cross leave one triangle wholly inside the other, or apart.
  return PointInPolygon(sv, 3, t.a) || PointInPolygon(tv, 3, s.a);
}

}  // namespace

bool PieceSet::OverlapsAnotherGroup(int g) const {
  const std::optional<ModelBox> box = Bounds(g);
  for (int h = 0; box && h < m_groups.count; ++h) {
    const std::optional<ModelBox> other = Bounds(h);
    if (h == g || !other || !BoxesMeet(*box, *other))
      continue;
    bool meet = false;
    ForEachTriangle(m_groups.groups[g], [&](int s) {
      ForEachTriangle(m_groups.groups[h],
                      [&](int t) { meet = meet || TrianglesMeet(m_placed[s], m_placed[t]); });
    });
    if (meet)
      return true;
  }
  return false;
}

bool PieceSet::PlaceOnShelves(const ModelBox* boxes, const ModelBox& room) {
  const int n = m_groups.count;
  // Whole units keep the choice of rows, and so the puzzle, the same where the last bits
  // of the turned vertices differ between platforms.
  std::array<int, GroupTable::kMaxGroups> cellW{}, cellH{};
  for (int g = 0; g < n; ++g) {
    cellW[g] = static_cast<int>(std::ceil(boxes[g].Width()) + kScatterGap);
    cellH[g] = static_cast<int>(std::ceil(boxes[g].Height()) + kScatterGap);
  }
  const auto width = static_cast<std::int64_t>(room.Width());
  const auto height = static_cast<std::int64_t>(room.Height());
  std::optional<Shelves> shelves = ShelvesToFit(n, cellW.data(), cellH.data(), width, height);
  if (!shelves)
    return false;
  // The rows in random order, and the pieces of each, so that the sizes do not line up.
  std::array<int, GroupTable::kMaxGroups> rows{};
  for (int r = 0; r < shelves->rows; ++r) {
    rows[r] = r;
    Shuffle(&shelves->order[shelves->start[r]], shelves->start[r + 1] - shelves->start[r]);
  }
  Shuffle(rows.data(), shelves->rows);
  // The room to spare goes evenly to the rows, and in each row evenly to its pieces, in
  // whole units: a share of a unit would round one way on one platform and the other way
  // on another.
  const std::int64_t spareY = height - shelves->height;
  auto top = static_cast<std::int64_t>(room.maxY);
  for (int i = 0; i < shelves->rows; ++i) {
    const int first = shelves->start[rows[i]], last = shelves->start[rows[i] + 1];
    int rowHeight = 0;
    std::int64_t rowWidth = 0;
    for (int k = first; k < last; ++k) {
      rowHeight = std::max(rowHeight, cellH[shelves->order[k]]);
      rowWidth += cellW[shelves->order[k]];
    }
    const std::int64_t band = rowHeight + ShareOf(spareY, shelves->rows, i);
    const std::int64_t spareX = width - rowWidth;
    auto left = static_cast<std::int64_t>(room.minX);
    for (int k = first; k < last; ++k) {
      const int g = shelves->order[k];
      const std::int64_t cell = cellW[g] + ShareOf(spareX, last - first, k - first);
      const auto middle = static_cast<double>(left + cell / 2);
      const auto centre = static_cast<double>(top - band / 2);
      PieceGroup& group = m_groups.groups[g];
      group.position = DPoint{std::round(middle - (boxes[g].minX + boxes[g].maxX) / 2),
                              std::round(centre - (boxes[g].minY + boxes[g].maxY) / 2)};
      PlaceGroup(g, group.rotation, group.flipped);
      left += cell;
    }
    top -= band;
  }
  return true;
}

void PieceSet::ScatterToFit(const PlayArea& area) {
  const int n = m_groups.count;
  if (n <= 0)
    return;
  // A piece's extent depends on its turn and mirror, so those come first; each group is
  // measured about its pivot, placed at the origin. The measures are taken to 1/1024 of a
  // unit: a quarter turn of an outline in whole units gives sides and middles that lie a
  // last bit either side of whole and half units, by platform, and so would round or take
  // a cell size of their own on each. Held to the grid, every sum and half is exact.
  std::array<ModelBox, GroupTable::kMaxGroups> boxes{};
  double largestW = 0.0, largestH = 0.0;
  for (int g = 0; g < n; ++g) {
    PieceGroup& group = m_groups.groups[g];
    group.flipped = wendrel::rand() % 2;
    group.rotation = wendrel::rand() % 12;
    group.position = DPoint{};
    PlaceGroup(g, group.rotation, group.flipped);
    boxes[g] = OnGrid(Bounds(g).value_or(ModelBox{}));
    largestW = std::max(largestW, boxes[g].Width());
    largestH = std::max(largestH, boxes[g].Height());
  }
  const ModelBox room = ToModel(area);
  if (PlaceOnShelves(boxes.data(), room))
    return;
  // Whole units keep the choice of grid, and so the puzzle, the same where the last bits
  // of the turned vertices differ between platforms.
  const double cellW = std::ceil(largestW) + kScatterGap;
  const double cellH = std::ceil(largestH) + kScatterGap;
  const Grid grid = ChooseGrid(n, cellW, cellH, room);
  std::array<int, kMaxCells> order{};
  OrderCells(grid, n, order.data());
  // How far a piece in a lane that barely reaches into the area is pulled in: more than
  // kSurfaceMargin, so that the player can click it, and less than the pieces inside keep
  // clear of the border, so that it stops short of them.
  constexpr double kPulledIn = (kSurfaceMargin + kScatterGap / 2) / 2;
  for (int g = 0; g < n; ++g) {
    const int column = order[g] % grid.columns, row = order[g] / grid.columns;
    const ModelBox& box = boxes[g];
    double centreX = room.minX + (column + 0.5) * grid.pitchX;
    double centreY = room.maxY - (row + 0.5) * grid.pitchY;
    const Remoteness remoteness = RemotenessOf(grid, order[g]);
    if (column >= grid.columnsInside && remoteness != kFurtherOut)
      centreX = std::min(centreX, room.maxX - kPulledIn + box.Width() / 2);
    if (row >= grid.rowsInside && remoteness != kFurtherOut)
      centreY = std::max(centreY, room.minY + kPulledIn - box.Height() / 2);
    PieceGroup& group = m_groups.groups[g];
    group.position = DPoint{std::round(centreX - (box.minX + box.maxX) / 2),
                            std::round(centreY - (box.minY + box.maxY) / 2)};
    PlaceGroup(g, group.rotation, group.flipped);
  }
  // Pulled in that far, a piece past the corner can still show no vertex, and one further
  // out lies where no click reaches it. Brought into reach, either may land on another
  // piece: then it stays where it was, which a larger window shows.
  for (int g = 0; g < n; ++g) {
    if (RemotenessOf(grid, order[g]) < kPastTheCorner)
      continue;
    PieceGroup& group = m_groups.groups[g];
    const DPoint cellPosition = group.position;
    if (!KeepOnSurface(g, area))
      continue;
    // In whole units, as every cell is, so that the puzzle is the same on every platform;
    // each way away from the border it was brought across, so that it stays in reach.
    group.position = DPoint{cellPosition.x + AwayFromZero(group.position.x - cellPosition.x),
                            cellPosition.y + AwayFromZero(group.position.y - cellPosition.y)};
    PlaceGroup(g, group.rotation, group.flipped);
    if (OverlapsAnotherGroup(g)) {
      group.position = cellPosition;
      PlaceGroup(g, group.rotation, group.flipped);
    }
  }
}

}  // namespace wendrel

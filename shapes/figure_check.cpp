#include "shapes/figure_check.h"

#include <algorithm>
#include <cmath>

#include "geometry/predicates.h"

namespace wendrel {

namespace {

using Kind = FigureFault::Kind;

double SignedArea(const std::vector<DPoint>& v) {
  double twice = 0.0;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const DPoint& p = v[i];
    const DPoint& q = v[(i + 1) % v.size()];
    twice += p.x * q.y - q.x * p.y;
  }
  return twice / 2.0;
}

double LongerSide(const std::vector<DPoint>& v) {
  const auto [minX, maxX] = std::minmax_element(
      v.begin(), v.end(), [](const DPoint& a, const DPoint& b) { return a.x < b.x; });
  const auto [minY, maxY] = std::minmax_element(
      v.begin(), v.end(), [](const DPoint& a, const DPoint& b) { return a.y < b.y; });
  return std::max(maxX->x - minX->x, maxY->y - minY->y);
}

double Cross(DPoint o, DPoint a, DPoint b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Sides i and i + 1 meet at vertex i + 1; they overlap when the turn there is a full
// reversal: the three vertices in line and the second side heading back.
bool FoldsBack(DPoint a, DPoint b, DPoint c) {
  const double dot = (b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y);
  return Cross(a, b, c) == 0.0 && dot < 0.0;
}

FigureFault Fault(Kind kind, int first = 0, int second = 0, bool inSeeds = false) {
  return FigureFault{kind, first, second, inSeeds};
}

FigureFault CheckOutline(const std::vector<DPoint>& v) {
  const int n = static_cast<int>(v.size());
  if (n < 3)
    return Fault(Kind::kTooFewVertices, n);
  if (n > ShapeOutline::kMaxVertices)
    return Fault(Kind::kTooManyVertices, n);
  for (int i = 0; i < n; ++i) {
    if (!std::isfinite(v[i].x) || !std::isfinite(v[i].y))
      return Fault(Kind::kNotFinite, i);
  }
  for (int i = 0; i < n; ++i) {
    if (v[i] == v[(i + 1) % n])
      return Fault(Kind::kZeroSide, i);
  }
  for (int i = 0; i < n; ++i) {
    const Segment side{v[i], v[(i + 1) % n]};
    if (FoldsBack(v[i], v[(i + 1) % n], v[(i + 2) % n]))
      return Fault(Kind::kSidesCross, i, (i + 1) % n);
    for (int j = i + 2; j < n; ++j) {
      if (i == 0 && j == n - 1)
        continue;  // neighbours across the closing vertex
      if (SegmentsIntersect(side, Segment{v[j], v[(j + 1) % n]}))
        return Fault(Kind::kSidesCross, i, j);
    }
  }
  const double size = LongerSide(v);
  if (std::abs(SignedArea(v)) < kMinAreaShare * size * size)
    return Fault(Kind::kAreaTooSmall);
  return {};
}

FigureFault CheckSeeds(const std::vector<DPoint>& seeds, const std::vector<DPoint>& v) {
  const int n = static_cast<int>(seeds.size());
  if (n == 0)
    return {};
  if (n < 2)
    return Fault(Kind::kTooFewSeeds, n);
  if (n > ShapeOutline::kMaxSeeds)
    return Fault(Kind::kTooManySeeds, n);
  const double spacing = kMinSeedSpacingShare * LongerSide(v);
  for (int i = 0; i < n; ++i) {
    if (!std::isfinite(seeds[i].x) || !std::isfinite(seeds[i].y))
      return Fault(Kind::kNotFinite, i, 0, true);
    if (!PointInPolygon(v.data(), static_cast<int>(v.size()), seeds[i]))
      return Fault(Kind::kSeedOutside, i, 0, true);
    for (int j = 0; j < i; ++j) {
      if (SquaredDistance(seeds[j], seeds[i]) < spacing * spacing)
        return Fault(Kind::kSeedsTooClose, j, i, true);
    }
  }
  return {};
}

// Scaled points are kept on a grid of 1/1024 units, a power of two, so that every build
// finds the same figure: arithmetic carried in wider registers (x87) can part from the
// rest in the last bit, which the rounding to the grid takes away.
constexpr double kGrid = 1024.0;

double OnGrid(double x) {
  return std::round(x * kGrid) / kGrid;
}

// Sides longer than this, once scaled, are split into equal parts: the mesh spaces its
// points by the mean side, so a figure of a few long sides would get too few to cut.
constexpr double kLongestSide = 60.0;

int PartsOf(DPoint a, DPoint b, double longest) {
  return static_cast<int>(std::ceil(std::sqrt(SquaredDistance(a, b)) / longest));
}

void SplitLongSides(std::vector<DPoint>& v) {
  const std::size_t n = v.size();
  double longest = kLongestSide;
  const auto total = [&] {
    std::size_t parts = 0;
    for (std::size_t i = 0; i < n; ++i)
      parts += static_cast<std::size_t>(PartsOf(v[i], v[(i + 1) % n], longest));
    return parts;
  };
  while (total() > static_cast<std::size_t>(ShapeOutline::kMaxVertices))
    longest *= 1.25;
  std::vector<DPoint> split;
  for (std::size_t i = 0; i < n; ++i) {
    const DPoint a = v[i], b = v[(i + 1) % n];
    const int parts = PartsOf(a, b, longest);
    split.push_back(a);
    for (int k = 1; k < parts; ++k)
      split.push_back(
          DPoint{OnGrid(a.x + (b.x - a.x) * k / parts), OnGrid(a.y + (b.y - a.y) * k / parts)});
  }
  v = std::move(split);
}

}  // namespace

FigureFault CheckFigure(const Figure& figure) {
  const FigureFault outline = CheckOutline(figure.outline);
  return outline.ok() ? CheckSeeds(figure.seeds, figure.outline) : outline;
}

void Normalise(Figure& figure) {
  std::vector<DPoint>& v = figure.outline;
  if (SignedArea(v) < 0.0)
    std::reverse(v.begin(), v.end());
  const auto [minX, maxX] = std::minmax_element(
      v.begin(), v.end(), [](const DPoint& a, const DPoint& b) { return a.x < b.x; });
  const auto [minY, maxY] = std::minmax_element(
      v.begin(), v.end(), [](const DPoint& a, const DPoint& b) { return a.y < b.y; });
  const double centreX = (minX->x + maxX->x) / 2.0;
  const double centreY = (minY->y + maxY->y) / 2.0;
  const double scale = kFigureSize / LongerSide(v);
  const auto place = [&](DPoint& p) {
    p = DPoint{OnGrid((p.x - centreX) * scale), OnGrid((p.y - centreY) * scale)};
  };
  std::for_each(v.begin(), v.end(), place);
  std::for_each(figure.seeds.begin(), figure.seeds.end(), place);
  SplitLongSides(v);
}

std::vector<DPoint> EvenSides(const std::vector<DPoint>& outline, double side) {
  const std::size_t n = outline.size();
  std::vector<double> lengths(n);
  double perimeter = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    lengths[i] = std::sqrt(SquaredDistance(outline[i], outline[(i + 1) % n]));
    perimeter += lengths[i];
  }
  if (n < 3 || !(perimeter > 0.0) || !(side > 0.0))
    return outline;
  const auto steps = static_cast<std::size_t>(std::clamp(
      std::round(perimeter / side), 3.0, static_cast<double>(ShapeOutline::kMaxVertices)));
  const double step = perimeter / static_cast<double>(steps);
  std::vector<DPoint> even;
  std::size_t i = 0;
  double walked = 0.0;  // the perimeter before side i
  for (std::size_t k = 0; k < steps; ++k) {
    const double at = step * static_cast<double>(k);
    while (i + 1 < n && walked + lengths[i] <= at)
      walked += lengths[i++];
    const DPoint a = outline[i], b = outline[(i + 1) % n];
    const double t = lengths[i] > 0.0 ? (at - walked) / lengths[i] : 0.0;
    even.push_back(DPoint{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
  }
  return even;
}

}  // namespace wendrel

#include "io/picture_trace.h"

#include <potracelib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <functional>
#include <memory>
#include <new>
#include <numeric>
#include <optional>
#include <queue>
#include <tuple>
#include <utility>

#include "geometry/predicates.h"
#include "io/translatable.h"
#include "shapes/shape_outline.h"

namespace wendrel {

namespace {

// An opaque picture whose two luminance classes differ by less than this (of 255) is
// taken as blank: a white page's compression noise is no shape.
constexpr double kMinContrast = 40.0;
// An outline of more points than this is traced again at half the size, so that a maze
// or a field of noise cannot make the quadratic steps below take long.
constexpr std::size_t kMaxRingPoints = 4000;
// How far, in pixels, a flattened Bézier curve may stray from the curve.
constexpr double kFlatness = 0.2;
// The largest shape must cover at least this many pixels to be a shape at all.
constexpr int kMinShapePixels = 24;
// Vertices are dropped while the triangle each makes with its neighbours is smaller than
// the square of kSmallDetail of the figure's longer side, or the vertex lies within
// kStraight of that side from the line through its neighbours: detail below that does not
// show once the figure is scaled to the board (a disc keeps some 40 vertices), and the
// second catches the pixel's wobble of a long straight side, whose triangles are not small.
constexpr double kSmallDetail = 0.012;
constexpr double kStraight = 0.002;
// A side shorter than this fraction of the mean side loses an end where the outline moves
// by no more than kLook of the figure's longer side: such slivers only make thin pieces.
constexpr double kShortSide = 0.2;
constexpr double kLook = 0.01;
// A shape whose mean width, twice its area over its perimeter, is under this fraction of
// its longer side is too thin to cut into pieces one can pick up: scaled to 600 units, a
// bar, a frame or the lines of a drawing must be some 18 wide.
constexpr double kMinWidth = 0.03;

double Cross(DPoint o, DPoint a, DPoint b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

double TwiceArea(const std::vector<DPoint>& ring) {
  double sum = 0.0;
  for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++)
    sum += ring[j].x * ring[i].y - ring[i].x * ring[j].y;
  return sum;
}

double LongerSide(const std::vector<DPoint>& ring) {
  const auto [left, right] =
      std::minmax_element(ring.begin(), ring.end(), [](DPoint p, DPoint q) { return p.x < q.x; });
  const auto [bottom, top] =
      std::minmax_element(ring.begin(), ring.end(), [](DPoint p, DPoint q) { return p.y < q.y; });
  return std::max(right->x - left->x, top->y - bottom->y);
}

// ---- The picture's shape ------------------------------------------------------------

// Otsu's threshold: the luminance that splits the histogram into the two classes whose
// means lie furthest apart, weighted by their sizes. A photo of a thing against its
// background has two such classes, and a few stray pixels barely move the split, where a
// midpoint between the darkest and the lightest pixel would follow them. Gives the
// threshold (dark is at or below it) and how far apart the class means are.
std::pair<int, double> OtsuThreshold(const std::array<double, 256>& histogram) {
  double total = 0.0, sum = 0.0;
  for (int level = 0; level < 256; ++level) {
    total += histogram[level];
    sum += level * histogram[level];
  }
  double dark = 0.0, darkSum = 0.0, best = -1.0;
  std::pair<int, double> split{0, 0.0};
  for (int level = 0; level < 255; ++level) {
    dark += histogram[level];
    darkSum += level * histogram[level];
    const double light = total - dark;
    if (dark == 0.0 || light == 0.0)
      continue;
    const double gap = (sum - darkSum) / light - darkSum / dark;
    const double between = dark * light * gap * gap;
    if (between > best) {
      best = between;
      split = {level, gap};
    }
  }
  return split;
}

int Luminance(const std::uint8_t* pixel) {
  return (299 * pixel[0] + 587 * pixel[1] + 114 * pixel[2] + 500) / 1000;
}

// The mask at 1/factor of the size: a block is ink where at least half its pixels are.
PictureMask Shrunk(const PictureMask& mask, int factor) {
  PictureMask small{(mask.width + factor - 1) / factor, (mask.height + factor - 1) / factor, {}};
  std::vector<int> count(static_cast<std::size_t>(small.width) * small.height, 0);
  for (int row = 0; row < mask.height; ++row) {
    for (int col = 0; col < mask.width; ++col)
      count[static_cast<std::size_t>(row / factor) * small.width + col / factor] +=
          mask.ink[static_cast<std::size_t>(row) * mask.width + col] != 0;
  }
  small.ink.resize(count.size());
  for (int row = 0; row < small.height; ++row) {
    const int high = std::min(factor, mask.height - row * factor);
    for (int col = 0; col < small.width; ++col) {
      const int wide = std::min(factor, mask.width - col * factor);
      const std::size_t at = static_cast<std::size_t>(row) * small.width + col;
      small.ink[at] = 2 * count[at] >= high * wide;
    }
  }
  return small;
}

// ---- Tracing ------------------------------------------------------------------------

struct ParamFree {
  void operator()(potrace_param_t* param) const { potrace_param_free(param); }
};
struct StateFree {
  void operator()(potrace_state_t* state) const { potrace_state_free(state); }
};

DPoint Bezier(potrace_dpoint_t p0, potrace_dpoint_t p1, potrace_dpoint_t p2, potrace_dpoint_t p3,
              double t) {
  const double s = 1.0 - t;
  const double a = s * s * s, b = 3 * s * s * t, c = 3 * s * t * t, d = t * t * t;
  return {a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y};
}

// The closed curve as points, each Bézier segment cut into as many chords as keep within
// kFlatness of it (Wang's bound on uniform steps).
std::vector<DPoint> Flattened(const potrace_curve_t& curve) {
  std::vector<DPoint> ring;
  potrace_dpoint_t from = curve.c[curve.n - 1][2];
  for (int k = 0; k < curve.n; ++k) {
    const potrace_dpoint_t* c = curve.c[k];
    if (curve.tag[k] == POTRACE_CORNER) {
      ring.push_back({c[1].x, c[1].y});
      ring.push_back({c[2].x, c[2].y});
    } else {
      const double bend = std::max(std::hypot(from.x - 2 * c[0].x + c[1].x,  //
                                              from.y - 2 * c[0].y + c[1].y),
                                   std::hypot(c[0].x - 2 * c[1].x + c[2].x,  //
                                              c[0].y - 2 * c[1].y + c[2].y));
      const int chords =
          std::clamp(static_cast<int>(std::ceil(std::sqrt(0.75 * bend / kFlatness))), 1, 64);
      for (int i = 1; i <= chords; ++i)
        ring.push_back(Bezier(from, c[0], c[1], c[2], static_cast<double>(i) / chords));
    }
    from = c[2];
  }
  return ring;
}

// The outer boundary of the mask's largest shape as potrace traces it, y up from the
// mask's lower left corner; empty where potrace finds no shape of kMinShapePixels.
std::vector<DPoint> LargestShape(const PictureMask& mask) {
  constexpr int kBits = 8 * sizeof(potrace_word);
  const int dy = (mask.width + kBits - 1) / kBits;
  std::vector<potrace_word> words(static_cast<std::size_t>(dy) * mask.height, 0);
  for (int row = 0; row < mask.height; ++row) {
    potrace_word* line = words.data() + static_cast<std::size_t>(mask.height - 1 - row) * dy;
    for (int col = 0; col < mask.width; ++col) {
      if (mask.ink[static_cast<std::size_t>(row) * mask.width + col])
        line[col / kBits] |= potrace_word{1} << (kBits - 1 - col % kBits);
    }
  }
  const potrace_bitmap_t bitmap{mask.width, mask.height, dy, words.data()};
  const std::unique_ptr<potrace_param_t, ParamFree> param(potrace_param_default());
  if (!param)
    throw std::bad_alloc();
  // potrace fails only for want of memory.
  const std::unique_ptr<potrace_state_t, StateFree> state(potrace_trace(param.get(), &bitmap));
  if (!state || state->status != POTRACE_STATUS_OK)
    throw std::bad_alloc();
  const potrace_path_t* largest = nullptr;
  for (const potrace_path_t* path = state->plist; path; path = path->next) {
    if (path->sign == '+' && (!largest || path->area > largest->area))
      largest = path;
  }
  if (!largest || largest->area < kMinShapePixels)
    return {};
  return Flattened(largest->curve);
}

// ---- A simple polygon ---------------------------------------------------------------

// Whether the outline turns straight back at v, or does not move from v to b.
bool Folds(DPoint a, DPoint v, DPoint b) {
  return v == b ||
         (Cross(a, v, b) == 0.0 && (v.x - a.x) * (b.x - v.x) + (v.y - a.y) * (b.y - v.y) <= 0.0);
}

// The ring without repeated points and without the tips of spikes, across the seam too.
std::vector<DPoint> Tidied(const std::vector<DPoint>& ring) {
  std::vector<DPoint> kept;
  for (const DPoint& p : ring) {
    kept.push_back(p);
    while (kept.size() >= 2) {
      const std::size_t n = kept.size();
      if (kept[n - 2] == kept[n - 1]) {
        kept.pop_back();
      } else if (n >= 3 && Folds(kept[n - 3], kept[n - 2], kept[n - 1])) {
        kept[n - 2] = kept[n - 1];
        kept.pop_back();
      } else {
        break;
      }
    }
  }
  while (kept.size() >= 3) {
    const std::size_t n = kept.size();
    if (Folds(kept[n - 2], kept[n - 1], kept[0]))
      kept.pop_back();
    else if (Folds(kept[n - 1], kept[0], kept[1]))
      kept.erase(kept.begin());
    else
      break;
  }
  return kept;
}

// Two sides i < j, not next to each other, that meet; found by sweeping across x.
std::optional<std::pair<std::size_t, std::size_t>> Crossing(const std::vector<DPoint>& ring) {
  const std::size_t n = ring.size();
  const auto side = [&](std::size_t i) { return Segment{ring[i], ring[(i + 1) % n]}; };
  const auto left = [&](std::size_t i) { return std::min(ring[i].x, ring[(i + 1) % n].x); };
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return left(a) < left(b); });
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t a = order[k];
    const double right = std::max(ring[a].x, ring[(a + 1) % n].x);
    for (std::size_t l = k + 1; l < n && left(order[l]) <= right; ++l) {
      const auto [i, j] = std::minmax(a, order[l]);
      if (j == i + 1 || (i == 0 && j == n - 1))
        continue;
      if (SegmentsIntersect(side(i), side(j)))
        return std::pair{i, j};
    }
  }
  return std::nullopt;
}

// A point where the sides s and t meet.
DPoint Meeting(const Segment& s, const Segment& t) {
  const double den = Cross({0, 0}, {s.b.x - s.a.x, s.b.y - s.a.y}, {t.b.x - t.a.x, t.b.y - t.a.y});
  if (den != 0.0) {
    const double along = std::clamp(Cross(s.a, t.a, t.b) / -den, 0.0, 1.0);
    return {s.a.x + along * (s.b.x - s.a.x), s.a.y + along * (s.b.y - s.a.y)};
  }
  // Parallel sides meet where one's end lies on the other.
  const auto within = [](DPoint p, const Segment& u) {
    return std::min(u.a.x, u.b.x) <= p.x && p.x <= std::max(u.a.x, u.b.x) &&
           std::min(u.a.y, u.b.y) <= p.y && p.y <= std::max(u.a.y, u.b.y);
  };
  return within(t.a, s) ? t.a : within(t.b, s) ? t.b : s.a;
}

// The ring made simple: where two sides meet, it is cut there into two loops and the
// larger is kept, until no sides meet. potrace's smoothing can cross an outline over
// itself where a shape narrows to a pixel; what is cut off there hangs by that pixel.
std::vector<DPoint> Simple(std::vector<DPoint> ring) {
  for (;;) {
    ring = Tidied(ring);
    const auto crossing = ring.size() >= 3 ? Crossing(ring) : std::nullopt;
    if (!crossing)
      return ring;
    const auto [i, j] = *crossing;
    const DPoint at = Meeting({ring[i], ring[i + 1]}, {ring[j], ring[(j + 1) % ring.size()]});
    std::vector<DPoint> inner{at}, outer{at};
    inner.insert(inner.end(), ring.begin() + i + 1, ring.begin() + j + 1);
    outer.insert(outer.end(), ring.begin() + j + 1, ring.end());
    outer.insert(outer.end(), ring.begin(), ring.begin() + i + 1);
    inner = Tidied(inner);
    outer = Tidied(outer);
    const auto size = [](const std::vector<DPoint>& loop) {
      return loop.size() < 3 ? 0.0 : std::abs(TwiceArea(loop));
    };
    ring = size(inner) > size(outer) ? std::move(inner) : std::move(outer);
  }
}

// ---- Fewer vertices -----------------------------------------------------------------

// A simple polygon as a ring of links, from which vertices are taken out one by one.
class Ring {
 public:
  explicit Ring(const std::vector<DPoint>& points)
      : m_points(points), m_prev(points.size()), m_next(points.size()), m_size(points.size()) {
    for (std::size_t i = 0; i < m_size; ++i) {
      m_prev[i] = (i + m_size - 1) % m_size;
      m_next[i] = (i + 1) % m_size;
    }
  }

  std::size_t size() const { return m_size; }
  // Vertices keep the index they had in the points given.
  std::size_t capacity() const { return m_points.size(); }
  std::size_t first() const { return m_first; }
  std::size_t prev(std::size_t v) const { return m_prev[v]; }
  std::size_t next(std::size_t v) const { return m_next[v]; }
  DPoint at(std::size_t v) const { return m_points[v]; }
  bool alive(std::size_t v) const { return m_prev[v] != kGone; }
  // Twice the area of the triangle that taking v out cuts off or adds.
  double Bite(std::size_t v) const {
    return std::abs(Cross(m_points[m_prev[v]], m_points[v], m_points[m_next[v]]));
  }
  // How far v lies from the side that would replace its two.
  double Stray(std::size_t v) const {
    const DPoint a = m_points[m_prev[v]], b = m_points[m_next[v]];
    return Bite(v) / std::hypot(b.x - a.x, b.y - a.y);
  }

  // Whether the polygon stays simple without v: no other vertex lies in the closed
  // triangle of v and its neighbours. A side that crossed the new side without a vertex
  // in the triangle would have to leave it across one of v's sides.
  bool CanTake(std::size_t v) const {
    if (m_size <= 3)
      return false;
    const DPoint a = m_points[m_prev[v]], p = m_points[v], b = m_points[m_next[v]];
    const double loX = std::min({a.x, p.x, b.x}), hiX = std::max({a.x, p.x, b.x});
    const double loY = std::min({a.y, p.y, b.y}), hiY = std::max({a.y, p.y, b.y});
    for (std::size_t u = m_next[m_next[v]]; u != m_prev[v]; u = m_next[u]) {
      const DPoint q = m_points[u];
      if (q.x < loX || q.x > hiX || q.y < loY || q.y > hiY)
        continue;
      const double d1 = Cross(a, p, q), d2 = Cross(p, b, q), d3 = Cross(b, a, q);
      if ((d1 >= 0 && d2 >= 0 && d3 >= 0) || (d1 <= 0 && d2 <= 0 && d3 <= 0))
        return false;
    }
    return true;
  }

  void Take(std::size_t v) {
    m_next[m_prev[v]] = m_next[v];
    m_prev[m_next[v]] = m_prev[v];
    if (m_first == v)
      m_first = m_next[v];
    m_prev[v] = kGone;
    --m_size;
  }

  std::vector<DPoint> Points() const {
    std::vector<DPoint> points;
    std::size_t v = m_first;
    do {
      points.push_back(m_points[v]);
      v = m_next[v];
    } while (v != m_first);
    return points;
  }

 private:
  static constexpr std::size_t kGone = static_cast<std::size_t>(-1);
  std::vector<DPoint> m_points;
  std::vector<std::size_t> m_prev, m_next;
  std::size_t m_size;
  std::size_t m_first = 0;
};

// Visvalingam's reduction: takes out the vertex that matters least, while one matters
// less than the limits above or there are more than most vertices, skipping any whose
// going would make the polygon cross itself. Such a vertex is tried again once its
// neighbours change, or in a further round while vertices still go.
void Reduce(Ring& ring, double longer, std::size_t most) {
  const double bite = 2 * (kSmallDetail * longer) * (kSmallDetail * longer);
  const double stray = kStraight * longer;
  // Under 1 for a vertex within both limits.
  const auto weight = [&](std::size_t v) {
    return std::min(ring.Bite(v) / bite, ring.Stray(v) / stray);
  };
  using Entry = std::tuple<double, std::size_t, unsigned>;  // weight, vertex, version
  std::vector<unsigned> version(ring.capacity(), 0);
  for (bool took = true; took;) {
    took = false;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
    std::size_t v = ring.first();
    do {
      queue.emplace(weight(v), v, version[v]);
      v = ring.next(v);
    } while (v != ring.first());
    while (!queue.empty()) {
      const auto [least, u, seen] = queue.top();
      queue.pop();
      if (!ring.alive(u) || seen != version[u])
        continue;
      if (ring.size() <= 3 || (ring.size() <= most && least >= 1.0))
        return;
      if (!ring.CanTake(u))
        continue;
      const std::size_t a = ring.prev(u), b = ring.next(u);
      ring.Take(u);
      took = true;
      for (const std::size_t w : {a, b})
        queue.emplace(weight(w), w, ++version[w]);
    }
  }
}

// Takes out an end of each side much shorter than the mean where the outline moves by no
// more than look, the end that moves it less first.
void DropShortSides(Ring& ring, double look) {
  for (bool took = true; took && ring.size() > 3;) {
    took = false;
    double perimeter = 0.0;
    std::size_t v = ring.first();
    do {
      const DPoint a = ring.at(v), b = ring.at(ring.next(v));
      perimeter += std::hypot(b.x - a.x, b.y - a.y);
      v = ring.next(v);
    } while (v != ring.first());
    const double shortest = kShortSide * perimeter / static_cast<double>(ring.size());
    do {
      const std::size_t w = ring.next(v);
      const DPoint a = ring.at(v), b = ring.at(w);
      if (std::hypot(b.x - a.x, b.y - a.y) < shortest) {
        for (const std::size_t end :
             ring.Bite(v) <= ring.Bite(w) ? std::array{v, w} : std::array{w, v}) {
          if (ring.Stray(end) <= look && ring.CanTake(end)) {
            ring.Take(end);
            took = true;
            break;
          }
        }
      }
      v = w;
    } while (!took && v != ring.first());
  }
}

}  // namespace

PictureMask MaskFromRgba(int width, int height, std::span<const std::uint8_t> rgba) {
  if (width <= 0 || height <= 0)
    return {};
  const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  if (rgba.size() / 4 < pixels)
    return {};
  PictureMask mask{width, height, std::vector<std::uint8_t>(pixels, 0)};
  std::size_t opaque = 0;
  for (std::size_t i = 0; i < pixels; ++i)
    opaque += rgba[4 * i + 3] >= 128;
  // A picture transparent all over shows nothing, and gives no ink here.
  if (opaque < pixels) {
    for (std::size_t i = 0; i < pixels; ++i)
      mask.ink[i] = rgba[4 * i + 3] >= 128;
    return mask;
  }
  std::array<double, 256> histogram{};
  for (std::size_t i = 0; i < pixels; ++i)
    ++histogram[Luminance(&rgba[4 * i])];
  const auto [threshold, contrast] = OtsuThreshold(histogram);
  if (contrast < kMinContrast)
    return mask;
  for (std::size_t i = 0; i < pixels; ++i)
    mask.ink[i] = Luminance(&rgba[4 * i]) <= threshold;
  return mask;
}

PictureTrace TraceMask(const PictureMask& mask) {
  if (mask.width <= 0 || mask.height <= 0 ||
      mask.ink.size() != static_cast<std::size_t>(mask.width) * mask.height)
    return {PictureRefusal::kEmpty, {}};
  const auto ink = std::count_if(mask.ink.begin(), mask.ink.end(), [](auto i) { return i != 0; });
  if (ink == 0 || static_cast<std::size_t>(ink) == mask.ink.size())
    return {PictureRefusal::kOneColour, {}};

  int factor = (std::max(mask.width, mask.height) + kMaxTraceSide - 1) / kMaxTraceSide;
  std::vector<DPoint> ring;
  for (;; factor *= 2) {
    ring = factor == 1 ? LargestShape(mask) : LargestShape(Shrunk(mask, factor));
    if (ring.size() <= kMaxRingPoints)
      break;
  }
  // Back to the given mask's pixels. A shrunk mask's last row and column may stand for
  // fewer pixels than the others, so its size is stretched to the mask's, not multiplied.
  const double wide = static_cast<double>(mask.width) / ((mask.width + factor - 1) / factor);
  const double high = static_cast<double>(mask.height) / ((mask.height + factor - 1) / factor);
  for (DPoint& p : ring)
    p = {p.x * wide, p.y * high};
  ring = Simple(std::move(ring));
  if (ring.size() < 3)
    return {PictureRefusal::kTooThin, {}};
  const double longer = LongerSide(ring);
  Ring reduced(ring);
  Reduce(reduced, longer, ShapeOutline::kMaxVertices);
  DropShortSides(reduced, kLook * longer);
  // Each step kept the polygon simple; this makes sure of it in the very test of crossing
  // sides that the fuzz target applies, whatever rounding did.
  std::vector<DPoint> outline = Simple(reduced.Points());
  if (outline.size() < 3 || outline.size() > ShapeOutline::kMaxVertices)
    return {PictureRefusal::kTooThin, {}};
  double perimeter = 0.0;
  for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++)
    perimeter += std::hypot(outline[i].x - outline[j].x, outline[i].y - outline[j].y);
  const double area = TwiceArea(outline) / 2;
  if (2 * std::abs(area) / perimeter < kMinWidth * LongerSide(outline))
    return {PictureRefusal::kTooThin, {}};
  if (area < 0)
    std::reverse(outline.begin(), outline.end());
  return {PictureRefusal::kNone, std::move(outline)};
}

const char* PictureRefusalWording(PictureRefusal refusal) {
  switch (refusal) {
    case PictureRefusal::kNone:
      return "";
    case PictureRefusal::kEmpty:
      return WENDREL_TRANSLATABLE("PictureTrace", "it is empty or cannot be read");
    case PictureRefusal::kOneColour:
      return WENDREL_TRANSLATABLE(
          "PictureTrace", "it is all one colour, with no shape to tell from the background");
    case PictureRefusal::kTooThin:
      return WENDREL_TRANSLATABLE("PictureTrace",
                                  "its largest shape is too small or too thin to cut into pieces");
  }
  return "";
}

}  // namespace wendrel

#include "generator/figure_seeds.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "generator/random.h"
#include "geometry/predicates.h"

namespace wendrel {

namespace {

// Candidates drawn for each seed: more spread the seeds better and cost more.
constexpr int kCandidates = 24;
// Draws allowed per candidate before a figure that fills little of its box gives up.
constexpr int kDrawsPerCandidate = 64;
// Keeps the automatic sequence apart from the puzzle sequence of the same number.
constexpr std::uint32_t kSequenceSalt = 0x5EEDF16Eu;

double SquaredDistanceToSide(DPoint p, DPoint a, DPoint b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return SquaredDistance(p, DPoint{a.x + t * dx, a.y + t * dy});
}

double SquaredDistanceToOutline(const ShapeOutline& outline, DPoint p) {
  double best = std::numeric_limits<double>::max();
  for (int i = 0; i < outline.vertexCount; ++i) {
    const DPoint& a = outline.vertices[i];
    const DPoint& b = outline.vertices[(i + 1) % outline.vertexCount];
    best = std::min(best, SquaredDistanceToSide(p, a, b));
  }
  return best;
}

// A fraction in [0, 1) of 30 random bits.
double Fraction(RandomSequence& random) {
  const int high = random.Next();
  const int low = random.Next();
  return (high * 32768.0 + low) / 1073741824.0;
}

}  // namespace

std::vector<DPoint> PlaceSeeds(const ShapeOutline& outline, int count, std::int32_t number) {
  RandomSequence random(static_cast<std::uint32_t>(number) ^ kSequenceSalt);
  // Candidates lie on whole units, so that they are the same on every build: the products
  // below are exact, where arithmetic in wider registers (x87) could part from the rest in
  // the last bit.
  const OutlineBounds box = outline.ComputeBounds();
  const double left = std::floor(box.minX), bottom = std::floor(box.minY);
  const double width = std::ceil(box.maxX) - left, height = std::ceil(box.maxY) - bottom;
  std::vector<DPoint> seeds;
  for (int s = 0; s < count; ++s) {
    DPoint best{};
    double bestScore = -1.0;
    for (int c = 0, draws = 0; c < kCandidates && draws < kCandidates * kDrawsPerCandidate;
         ++draws) {
      const DPoint p{left + std::floor(Fraction(random) * width),
                     bottom + std::floor(Fraction(random) * height)};
      if (!outline.Contains(p.x, p.y))
        continue;
      ++c;
      // A seed near a side grows a sliver; one near another seed, half a piece.
      double score = SquaredDistanceToOutline(outline, p) * 4.0;
      for (const DPoint& seed : seeds)
        score = std::min(score, SquaredDistance(p, seed));
      if (score > bestScore) {
        bestScore = score;
        best = p;
      }
    }
    if (bestScore < 0.0)
      break;  // no point of the outline was drawn: the generator refuses the cut
    seeds.push_back(best);
  }
  return seeds;
}

ShapeOutline OutlineToCut(const Figure& figure, int pieces, std::int32_t number) {
  ShapeOutline outline = OutlineOf(figure);
  const bool own = !figure.seeds.empty() && pieces == static_cast<int>(figure.seeds.size());
  const std::vector<DPoint> seeds =
      own ? figure.seeds
          : PlaceSeeds(outline, std::clamp(pieces, 1, ShapeOutline::kMaxSeeds), number);
  for (const DPoint& seed : seeds)
    outline.seeds[outline.seedCount++] = seed;
  return outline;
}

}  // namespace wendrel

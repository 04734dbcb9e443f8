#include "io/picture_trace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "geometry/predicates.h"

namespace wendrel {
namespace {

using Ink = std::function<bool(double x, double y)>;

// A mask inked where the pixel's centre is, in y-up coordinates as the outline has them.
PictureMask Drawn(int width, int height, const Ink& ink) {
  PictureMask mask{width, height, {}};
  for (int row = 0; row < height; ++row) {
    for (int col = 0; col < width; ++col)
      mask.ink.push_back(ink(col + 0.5, height - row - 0.5));
  }
  return mask;
}

Ink Disc(double x, double y, double r) {
  return [=](double px, double py) { return std::hypot(px - x, py - y) <= r; };
}

double Area(const std::vector<DPoint>& v) {
  double sum = 0.0;
  for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++)
    sum += v[j].x * v[i].y - v[i].x * v[j].y;
  return sum / 2;
}

// What every outline must be: 3 to 200 vertices, counter-clockwise, within the picture,
// no side of zero length, no side folding back on the one before, no two others meeting.
void ExpectGoodOutline(const std::vector<DPoint>& v, int width, int height) {
  const std::size_t n = v.size();
  ASSERT_GE(n, 3u);
  ASSERT_LE(n, 200u);
  EXPECT_GT(Area(v), 0.0);
  for (std::size_t i = 0; i < n; ++i) {
    const DPoint a = v[i], b = v[(i + 1) % n], c = v[(i + 2) % n];
    EXPECT_TRUE(a.x >= -1 && a.x <= width + 1 && a.y >= -1 && a.y <= height + 1) << i;
    EXPECT_NE(a, b) << i;
    const double cross = (b.x - a.x) * (c.y - b.y) - (b.y - a.y) * (c.x - b.x);
    EXPECT_FALSE(cross == 0 && (b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y) <= 0) << i;
    for (std::size_t j = i + 2; j < n; ++j) {
      if (!(i == 0 && j == n - 1) && SegmentsIntersect({a, b}, {v[j], v[(j + 1) % n]}))
        FAIL() << "sides " << i << " and " << j << " meet";
    }
  }
}

// Inside the convex polygon of corners given counter-clockwise.
Ink Polygon(std::vector<DPoint> corners) {
  return [=](double x, double y) {
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
      const DPoint a = corners[j], b = corners[i];
      if ((b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x) <= 0)
        return false;
    }
    return true;
  };
}

// A drawing, what its outline must be like: the area within 4%, the middle of its bounds
// within 6 pixels (a pixel of the large mask as traced), and the most vertices.
struct Traced {
  std::string name;
  PictureMask mask;
  double area;
  DPoint middle;
  std::size_t most;
};

TEST(PictureTrace, TracesTheLargestShapeWithItsHolesFilled) {
  const Ink ring = [](double x, double y) {
    return std::hypot(x - 50, y - 50) <= 40 && std::hypot(x - 50, y - 50) > 25;
  };
  // The smaller blob, higher up, is the one potrace comes to first.
  const Ink twoBlobs = [](double x, double y) {
    return Disc(30, 35, 25)(x, y) || Disc(80, 55, 15)(x, y);
  };
  // 120 teeth on a wheel, more than 200 vertices can follow: the teeth go to a saw's, and
  // the area stays that of the wheel.
  const Ink cog = [](double x, double y) {
    const double r = std::hypot(x - 250, y - 250), turn = std::atan2(y - 250, x - 250);
    return r < 200 + (std::sin(120 * turn) > 0 ? 10 : -10);
  };
  // Straight sides at a slant, whose pixel steps must not stay as vertices; and a corner
  // cut by four pixels, whose sliver of a side goes.
  const Ink slanted = Polygon({{20, 20}, {380, 60}, {150, 300}});
  const Ink cut = [](double x, double y) {
    return x > 10 && x < 210 && y > 10 && y < 110 && x - y < 196;
  };
  const double disc = std::numbers::pi * 40 * 40;
  const std::vector<Traced> cases = {
      {"disc", Drawn(100, 100, Disc(50, 50, 40)), disc, {50, 50}, 60},
      {"ring", Drawn(100, 100, ring), disc, {50, 50}, 60},
      {"two blobs", Drawn(110, 80, twoBlobs), std::numbers::pi * 25 * 25, {30, 35}, 60},
      {"cog", Drawn(500, 500, cog), std::numbers::pi * 200 * 200, {250, 250}, 200},
      {"triangle", Drawn(400, 320, slanted), (360 * 280 - 40 * 130) / 2, {200, 160}, 3},
      {"cut corner", Drawn(220, 120, cut), 200 * 100 - 8, {110, 60}, 5},
      // Traced at a sixth of the size, given back in the mask's own pixels; it touches
      // the top, which must not move up with the partial last block.
      {"large", Drawn(3000, 997, Disc(2000, 597, 400)), 100 * disc, {2000, 597}, 60},
  };
  for (const Traced& c : cases) {
    SCOPED_TRACE(c.name);
    const PictureTrace trace = TraceMask(c.mask);
    ASSERT_TRUE(trace.ok());
    EXPECT_EQ(PictureRefusalWording(trace.refusal), std::string());
    ExpectGoodOutline(trace.outline, c.mask.width, c.mask.height);
    EXPECT_LE(trace.outline.size(), c.most);
    EXPECT_NEAR(Area(trace.outline), c.area, 0.04 * c.area);
    const auto [left, right] = std::minmax_element(trace.outline.begin(), trace.outline.end(),
                                                   [](DPoint p, DPoint q) { return p.x < q.x; });
    const auto [bottom, top] = std::minmax_element(trace.outline.begin(), trace.outline.end(),
                                                   [](DPoint p, DPoint q) { return p.y < q.y; });
    EXPECT_NEAR((left->x + right->x) / 2, c.middle.x, 6.0);
    EXPECT_NEAR((bottom->y + top->y) / 2, c.middle.y, 6.0);
  }
}

// A spiral band 18 pixels wide with a gap of 2, of more turns than 200 vertices can
// follow: taking out vertices must not carry the outline across the gap, and where the
// gap is bridged, the coils on either side still stay apart.
TEST(PictureTrace, ASpiralTooFineForTheVerticesKeepsItsCoilsApart) {
  constexpr double kPitch = 20, kGap = 2;
  const auto coil = [](double x, double y) {
    const double turns = std::hypot(x - 150, y - 150) / kPitch -
                         std::atan2(y - 150, x - 150) / (2 * std::numbers::pi);
    return (turns - std::floor(turns)) * kPitch;
  };
  const PictureTrace trace = TraceMask(Drawn(300, 300, [&](double x, double y) {
    return std::hypot(x - 150, y - 150) < 140 && coil(x, y) > kGap;
  }));
  ASSERT_TRUE(trace.ok());
  ExpectGoodOutline(trace.outline, 300, 300);
  int outside = 0, points = 0;
  for (double turn = 1; turn < 6; turn += 0.01, ++points) {
    const double r = kPitch * turn + kGap / 2, angle = 2 * std::numbers::pi * turn;
    outside += !PointInPolygon(trace.outline.data(), static_cast<int>(trace.outline.size()),
                               {150 + r * std::cos(angle), 150 + r * std::sin(angle)});
  }
  EXPECT_GT(outside, points / 4);
}

TEST(PictureTrace, RefusesWhatHasNoShapeToCut) {
  const Ink none = [](double, double) { return false; };
  const Ink all = [](double, double) { return true; };
  const Ink line = [](double x, double y) { return std::abs(y - 32.5) < 0.5 && x > 2 && x < 62; };
  // A frame two pixels wide, open at the top, so that it holds nothing but its sides.
  const Ink frame = [](double x, double y) {
    const double out = std::max(std::abs(x - 50), std::abs(y - 50));
    return out < 45 && out > 43 && !(y > 90 && x > 45 && x < 55);
  };
  const std::vector<std::pair<PictureMask, PictureRefusal>> cases = {
      {PictureMask{0, 5, {}}, PictureRefusal::kEmpty},
      {PictureMask{4, 4, {1, 0, 1}}, PictureRefusal::kEmpty},
      {Drawn(64, 64, none), PictureRefusal::kOneColour},
      {Drawn(64, 64, all), PictureRefusal::kOneColour},
      {Drawn(64, 64, line), PictureRefusal::kTooThin},
      {Drawn(100, 100, frame), PictureRefusal::kTooThin},
      {Drawn(64, 64, Disc(20, 20, 2)), PictureRefusal::kTooThin},
  };
  for (const auto& [mask, refusal] : cases) {
    const PictureTrace trace = TraceMask(mask);
    EXPECT_EQ(trace.refusal, refusal) << static_cast<int>(refusal);
    EXPECT_TRUE(trace.outline.empty());
    EXPECT_NE(PictureRefusalWording(trace.refusal), std::string());
  }
}

// Random unions of discs and bars, some touching at a pixel's corner, some with narrow
// necks, some with a hundred teeth: each gives a good outline or a refusal for thinness.
TEST(PictureTrace, AnyDrawingGivesAGoodOutlineOrIsTooThin) {
  std::mt19937 random(20240611);
  int traced = 0;
  for (int round = 0; round < 150; ++round) {
    const int side = std::uniform_int_distribution(8, 160)(random);
    std::uniform_real_distribution<double> at(0, side), size(0.5, side / 3.0);
    std::vector<std::array<double, 4>> parts(std::uniform_int_distribution(1, 12)(random));
    for (auto& part : parts)
      part = {at(random), at(random), size(random), size(random) / 4};
    const bool teeth = round % 5 == 0;
    const PictureTrace trace = TraceMask(Drawn(side, side, [&](double x, double y) {
      if (teeth &&
          std::hypot(x - side / 2.0, y - side / 2.0) <
              side * (0.35 + 0.1 * std::sin(100 * std::atan2(y - side / 2.0, x - side / 2.0))))
        return true;
      for (const auto& [px, py, r, half] : parts) {
        if (Disc(px, py, r)(x, y) || (std::abs(x - px) < r && std::abs(y - py) < half))
          return true;
      }
      return false;
    }));
    SCOPED_TRACE(round);
    if (trace.ok()) {
      ++traced;
      ExpectGoodOutline(trace.outline, side, side);
    } else {
      EXPECT_EQ(trace.refusal, PictureRefusal::kTooThin);
    }
  }
  EXPECT_GT(traced, 100);
}

// RGBA pixels from a picture of width 8 and height 1, one character a pixel: '#' the
// shape's colour, '.' the background's, ' ' transparent.
std::vector<std::uint8_t> Pixels(const std::string& row, std::array<std::uint8_t, 4> shape,
                                 std::array<std::uint8_t, 4> background) {
  std::vector<std::uint8_t> rgba;
  for (char c : row) {
    const std::array<std::uint8_t, 4> pixel = c == '#'   ? shape
                                              : c == '.' ? background
                                                         : std::array<std::uint8_t, 4>{0, 0, 0, 0};
    rgba.insert(rgba.end(), pixel.begin(), pixel.end());
  }
  return rgba;
}

TEST(PictureMask, IsTheOpaquePixelsOfATransparentPictureElseTheDarkOnes) {
  struct Rule {
    std::string row;
    std::array<std::uint8_t, 4> shape, background;
    std::vector<std::uint8_t> ink;
  };
  const std::array<std::uint8_t, 4> white{255, 255, 255, 255}, black{0, 0, 0, 255},
      navy{20, 30, 90, 255}, paper{235, 225, 200, 255}, grey{128, 128, 128, 255},
      light{250, 250, 250, 255}, faint{255, 255, 255, 100}, half{255, 255, 255, 128};
  const std::vector<Rule> rules = {
      // On transparency even a white shape is the shape, and a faint one is not.
      {"  ##  # ", white, white, {0, 0, 1, 1, 0, 0, 1, 0}},
      {"  ##..  ", half, faint, {0, 0, 1, 1, 0, 0, 0, 0}},
      {"..##...#", navy, paper, {0, 0, 1, 1, 0, 0, 0, 1}},
      {"##.....#", black, grey, {1, 1, 0, 0, 0, 0, 0, 1}},
      // Dark takes the shape however little of the picture it is.
      {"#.......", black, white, {1, 0, 0, 0, 0, 0, 0, 0}},
      // Nothing to tell apart: blank, nearly blank, or transparent all over.
      {"........", black, white, {0, 0, 0, 0, 0, 0, 0, 0}},
      {"..#..#..", light, white, {0, 0, 0, 0, 0, 0, 0, 0}},
      {"        ", black, white, {0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const Rule& rule : rules) {
    SCOPED_TRACE(rule.row);
    const PictureMask mask = MaskFromRgba(8, 1, Pixels(rule.row, rule.shape, rule.background));
    EXPECT_EQ(mask.width, 8);
    EXPECT_EQ(mask.height, 1);
    EXPECT_EQ(mask.ink, rule.ink);
  }
  EXPECT_EQ(MaskFromRgba(8, 2, Pixels("########", black, white)).width, 0);
  EXPECT_EQ(MaskFromRgba(0, 1, {}).height, 0);
}

}  // namespace
}  // namespace wendrel

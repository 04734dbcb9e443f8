// Any small drawing into the tracer of a figure from a picture: it must neither crash,
// nor read out of bounds, nor hang, and what it gives must be a refusal or an outline the
// generator can cut. The first two bytes give the width and the height, 1 to 64; each
// further byte gives eight pixels of the rows, top row first, 1 for ink, and pixels past
// the end of the input are background.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "geometry/predicates.h"
#include "io/picture_trace.h"

namespace {

using wendrel::DPoint;

double Cross(DPoint o, DPoint a, DPoint b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// 3 to 200 vertices within the drawing, counter-clockwise, every side of some length,
// none turning straight back along the one before, and no two others meeting at all.
bool GoodOutline(const std::vector<DPoint>& v, int width, int height) {
  const std::size_t n = v.size();
  if (n < 3 || n > 200)
    return false;
  double twiceArea = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const DPoint a = v[i], b = v[(i + 1) % n], c = v[(i + 2) % n];
    if (!std::isfinite(a.x) || !std::isfinite(a.y) || a.x < -1 || a.x > width + 1 || a.y < -1 ||
        a.y > height + 1 || a == b)
      return false;
    if (Cross(a, b, c) == 0 && (b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y) <= 0)
      return false;
    for (std::size_t j = i + 2; j < n; ++j) {
      if (!(i == 0 && j == n - 1) && wendrel::SegmentsIntersect({a, b}, {v[j], v[(j + 1) % n]}))
        return false;
    }
    twiceArea += a.x * b.y - b.x * a.y;
  }
  return twiceArea > 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2)
    return 0;
  constexpr int kSide = 64;
  wendrel::PictureMask mask{data[0] % kSide + 1, data[1] % kSide + 1, {}};
  const std::size_t pixels = static_cast<std::size_t>(mask.width) * mask.height;
  for (std::size_t i = 0; i < pixels; ++i) {
    const std::size_t byte = 2 + i / 8;
    mask.ink.push_back(byte < size && (data[byte] >> (i % 8) & 1));
  }
  const wendrel::PictureTrace trace = wendrel::TraceMask(mask);
  if (trace.ok() ? !GoodOutline(trace.outline, mask.width, mask.height)
                 : !trace.outline.empty() || *wendrel::PictureRefusalWording(trace.refusal) == 0)
    std::abort();
  return 0;
}

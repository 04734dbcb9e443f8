#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "geometry/primitives.h"

namespace wendrel {

// A figure from any picture: the silhouette of the picture's largest shape, traced with
// potrace and made into an outline the generator can cut. Plain C++, so that the rule is
// tested and fuzzed without Qt; the program reads the picture (app/picture_image.h).

// A picture as ink and background, top row first: ink[row * width + column] is 1 where
// the shape is, 0 elsewhere.
struct PictureMask {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> ink;
};

// Why a picture gives no outline.
enum class PictureRefusal {
  kNone,       // it gave an outline
  kEmpty,      // no pixels: zero size, or the picture could not be read
  kOneColour,  // all ink or all background: no shape to tell from the background
  kTooThin,    // its largest shape is too small or too thin to cut into pieces
};

struct PictureTrace {
  PictureRefusal refusal = PictureRefusal::kNone;
  // With no refusal: 3 to 200 vertices, counter-clockwise, y up, in the mask's pixels
  // (the origin at its lower left corner); a simple polygon whose sides all have length.
  std::vector<DPoint> outline;

  bool ok() const { return refusal == PictureRefusal::kNone; }
};

// A mask whose longer side is over this is traced at a whole fraction of its size, so
// that tracing takes a fraction of a second whatever the picture: potrace needs some
// 0.2 s for 512 x 512 pixels of noise, and four times that at twice the side. A picture
// read at this size keeps detail enough for an outline of 200 vertices.
inline constexpr int kMaxTraceSide = 512;

// The shape of a picture of width x height pixels given as RGBA bytes (not premultiplied),
// top row first. Where the picture has real transparency, some pixels more than half
// transparent and some less, the shape is its opaque pixels; an opaque picture's shape is
// its dark pixels. A picture with nothing to tell apart gives a mask without ink; one of
// no size, or that rgba is too short for, gives the empty mask.
PictureMask MaskFromRgba(int width, int height, std::span<const std::uint8_t> rgba);

// The outline of the mask's largest shape, its holes filled, or why there is none.
PictureTrace TraceMask(const PictureMask& mask);

// The reason in English, to follow "Cannot make a figure from NAME: ", marked with
// WENDREL_TRANSLATABLE("PictureTrace", ...); the empty text for kNone.
const char* PictureRefusalWording(PictureRefusal refusal);

}  // namespace wendrel

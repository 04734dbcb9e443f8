#pragma once

#include "shapes/figure.h"

namespace wendrel {

// What makes an outline and its seeds unfit to cut. first and second name the vertices,
// sides (side i runs from vertex i to the next) or seeds at fault, or a count.
struct FigureFault {
  enum class Kind {
    kNone,
    kTooFewVertices,   // first: how many
    kTooManyVertices,  // first: how many
    kNotFinite,        // first: the vertex, or the seed when inSeeds
    kZeroSide,         // first: the side
    kSidesCross,       // first and second: the sides
    kAreaTooSmall,
    kTooFewSeeds,    // first: how many
    kTooManySeeds,   // first: how many
    kSeedOutside,    // first: the seed
    kSeedsTooClose,  // first and second: the seeds
  };
  Kind kind = Kind::kNone;
  int first = 0;
  int second = 0;
  bool inSeeds = false;

  bool ok() const { return kind == Kind::kNone; }
};

// The limits are relative to the longer side of the outline's bounding box, so a figure
// passes or fails alike at any scale: the area must be at least this share of that side
// squared, and seeds this share of it apart.
inline constexpr double kMinAreaShare = 0.03;
inline constexpr double kMinSeedSpacingShare = 1.0 / 30.0;
// The longer side of a figure's bounding box once it is scaled.
inline constexpr double kFigureSize = 600.0;

// The first fault of figure's outline and seeds, in the order of FigureFault::Kind: a
// simple polygon of 3 to 200 vertices in either orientation, with finite coordinates, no
// side of zero length and no two sides that cross or touch (neighbours only at their
// shared vertex, and not folding back over each other); and no seeds or 2 to 20, each
// inside the outline and apart from the others.
FigureFault CheckFigure(const Figure& figure);

// The figure scaled so that the longer side of its bounding box is kFigureSize, the box
// centred on the origin, turned counter-clockwise as the generator expects, and its long
// sides split, within 200 vertices. Its outline must have passed CheckFigure.
void Normalise(Figure& figure);

// The outline walked at even steps of about side, as many as fit its perimeter and at
// most 200: the mesh spaces its points by the mean side, and an outline of long sides
// beside short ones, as a traced picture gives, cuts badly. Corners between steps are cut.
std::vector<DPoint> EvenSides(const std::vector<DPoint>& outline, double side);

}  // namespace wendrel

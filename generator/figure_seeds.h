#pragma once

#include <cstdint>
#include <vector>

#include "shapes/figure.h"
#include "shapes/shape_outline.h"

namespace wendrel {

// count seeds spread over outline by best-candidate sampling: each seed is the candidate,
// of several drawn inside the outline, farthest from the seeds placed and from the
// outline's sides. The draws come from a sequence of their own, begun from number, so the
// puzzle's own sequence is left as a figure with these seeds given would find it.
std::vector<DPoint> PlaceSeeds(const ShapeOutline& outline, int count, std::int32_t number);

// The outline a puzzle of figure in pieces pieces is cut from: with the figure's own seeds
// when pieces is its own count, else with PlaceSeeds.
ShapeOutline OutlineToCut(const Figure& figure, int pieces, std::int32_t number);

}  // namespace wendrel

#include "shapes/shape_library.h"

namespace wendrel {

namespace {

// An oval pointed at its two ends on the x axis, its sides turning a little more sharply
// towards the flat top and bottom. Vertex k + 17 is vertex k negated; apart from vertices 0
// and 17, which sit 0.03 off the axis, the oval is also mirror-symmetric about both axes.
constexpr DPoint kVertices[] = {
    {350.52, -0.03},     // 0
    {323.61, 46.63},     // 1
    {291.59, 89.2},      // 2
    {254.97, 127.03},    // 3
    {214.62, 159.32},    // 4
    {171.01, 185.77},    // 5
    {124.64, 206.11},    // 6
    {76.01, 220.01},     // 7
    {25.69, 227.13},     // 8
    {-25.69, 227.13},    // 9
    {-76.01, 220.01},    // 10
    {-124.64, 206.11},   // 11
    {-171.01, 185.77},   // 12
    {-214.62, 159.32},   // 13
    {-254.97, 127.03},   // 14
    {-291.59, 89.2},     // 15
    {-323.61, 46.63},    // 16
    {-350.52, 0.03},     // 17
    {-323.61, -46.63},   // 18
    {-291.59, -89.2},    // 19
    {-254.97, -127.03},  // 20
    {-214.62, -159.32},  // 21
    {-171.01, -185.77},  // 22
    {-124.64, -206.11},  // 23
    {-76.01, -220.01},   // 24
    {-25.69, -227.13},   // 25
    {25.69, -227.13},    // 26
    {76.01, -220.01},    // 27
    {124.64, -206.11},   // 28
    {171.01, -185.77},   // 29
    {214.62, -159.32},   // 30
    {254.97, -127.03},   // 31
    {291.59, -89.2},     // 32
    {323.61, -46.63},    // 33
};

// The two upper seeds stand above the oval's shoulders, outside it: beyond the line through
// vertices 2 and 3, where no convex figure through the first vertices reaches.
constexpr DPoint kSeeds[] = {
    {250, 200},   // 0
    {-250, 200},  // 1
    {0, -200},    // 2
};

}  // namespace

void FillOval(ShapeOutline& out) {
  out.Append(kVertices, kSeeds);
}

}  // namespace wendrel

#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>

#include "geometry/primitives.h"
#include "shapes/shape_outline.h"

// Checks shared by the tests of the outlines: each returns an assertion result that names
// the offending vertex, side or seed.

namespace wendrel {

void PrintTo(const DPoint& p, std::ostream* os);

// An outline with the given vertices and seeds in use; every other entry in its reset state.
ShapeOutline MakeOutline(std::initializer_list<DPoint> vertices,
                         std::initializer_list<DPoint> seeds = {});

// The outline in a slot of a library built once for all tests.
const ShapeOutline& BuiltInOutline(int slot);

// Twice the signed area over the vertices in use; positive when they run counter-clockwise.
double DoubleSignedArea(const ShapeOutline& outline);

// No two sides that do not share a vertex touch, and no two vertices coincide.
::testing::AssertionResult IsSimple(const ShapeOutline& outline);

::testing::AssertionResult IsSimpleCounterClockwise(const ShapeOutline& outline);

::testing::AssertionResult AllSeedsInside(const ShapeOutline& outline);

::testing::AssertionResult HasBounds(const ShapeOutline& outline, const OutlineBounds& expected);

// How far the outline turns at vertex i, in degrees: positive to the left, negative to the
// right.
double TurnDegrees(const ShapeOutline& outline, int i);

// Does some vertex in use equal p exactly?
bool HasVertex(const ShapeOutline& outline, DPoint p);

}  // namespace wendrel

#pragma once

#include "geometry/primitives.h"

// Exact predicates in double precision. The direction of every comparison (strict or
// not) decides the borderline cases and is part of the behaviour; the expressions are
// evaluated in the order written, since puzzles are compared seed by seed.

namespace wendrel {

// (q.x - p.x)^2 + (q.y - p.y)^2
double SquaredDistance(DPoint p, DPoint q);

// The sum of the three points times the double nearest to one third (not divided by 3).
DPoint Centroid(DPoint a, DPoint b, DPoint c);

// Closed test: touching at an end point, or an end point on the other segment, counts.
bool SegmentsIntersect(const Segment& s, const Segment& t);

// Is the angle at s.a between s and the direction towards p smaller than the angle
// whose squared cosine is cos2Limit? A point behind s.a never is.
bool SharpAngleAtStart(const Segment& s, DPoint p, double cos2Limit);
// The same test at s.b.
bool SharpAngleAtEnd(const Segment& s, DPoint p, double cos2Limit);

// Where the side p-q crosses the horizontal line at height y. Sides are half-open in y
// (the lower end counts, the upper does not); sides less than 0.001 high cross at their
// middle. x is written only on a hit.
bool CrossingX(DPoint p, DPoint q, double y, double& x);

// Even-odd rule with a ray from p towards -x over the closed polygon v[0..n-1].
bool PointInPolygon(const DPoint* v, int n, DPoint p);

}  // namespace wendrel

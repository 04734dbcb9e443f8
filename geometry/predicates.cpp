#include "geometry/predicates.h"

namespace wendrel {

bool Triangle::ContainsCCW(DPoint p) const {
  const double e1 = (b.x - a.x) * (p.y - a.y) - (p.x - a.x) * (b.y - a.y);
  if (e1 < 0)
    return false;
  const double e2 = (c.x - b.x) * (p.y - b.y) - (p.x - b.x) * (c.y - b.y);
  if (e2 < 0)
    return false;
  const double e3 = (a.x - c.x) * (p.y - c.y) - (p.x - c.x) * (a.y - c.y);
  return e3 >= 0;
}

bool Triangle::ContainsCW(DPoint p) const {
  const double e1 = (b.x - a.x) * (p.y - a.y) - (p.x - a.x) * (b.y - a.y);
  if (e1 > 0)
    return false;
  const double e2 = (c.x - b.x) * (p.y - b.y) - (p.x - b.x) * (c.y - b.y);
  if (e2 > 0)
    return false;
  const double e3 = (a.x - c.x) * (p.y - c.y) - (p.x - c.x) * (a.y - c.y);
  return e3 <= 0;
}

double SquaredDistance(DPoint p, DPoint q) {
  return (q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y);
}

DPoint Centroid(DPoint a, DPoint b, DPoint c) {
  constexpr double kThird = 0.3333333333333333;
  return {(a.x + b.x + c.x) * kThird, (a.y + b.y + c.y) * kThird};
}

bool SegmentsIntersect(const Segment& s, const Segment& t) {
  const DPoint a = s.a, b = s.b, c = t.a, d = t.b;
  if (a.x < c.x && a.x < d.x && b.x < c.x && b.x < d.x)
    return false;
  if (a.x > c.x && a.x > d.x && b.x > c.x && b.x > d.x)
    return false;
  if (a.y < c.y && a.y < d.y && b.y < c.y && b.y < d.y)
    return false;
  if (a.y > c.y && a.y > d.y && b.y > c.y && b.y > d.y)
    return false;

  const double dx = b.x - a.x, dy = b.y - a.y;
  const double ex = c.x - d.x, ey = c.y - d.y;
  const double wx = c.x - a.x, wy = c.y - a.y;
  double den = dx * ey - dy * ex;
  double n1 = ey * wx - ex * wy;  // den times the parameter along s
  double n2 = dx * wy - dy * wx;  // den times the parameter along t
  if (den < 0) {
    den = -den;
    n1 = -n1;
    n2 = -n2;
  }
  return n1 >= 0 && n2 >= 0 && n1 <= den && n2 <= den;
}

namespace {

// The angle at vertex between the directions towards far and towards p.
bool SharpAngleAt(DPoint vertex, DPoint far, DPoint p, double cos2Limit) {
  const DPoint u{far.x - vertex.x, far.y - vertex.y};
  const DPoint w{p.x - vertex.x, p.y - vertex.y};
  const double dot = w.x * u.x + w.y * u.y;
  if (dot < 0)
    return false;
  return dot * dot > cos2Limit * (w.x * w.x + w.y * w.y) * (u.x * u.x + u.y * u.y);
}

}  // namespace

bool SharpAngleAtStart(const Segment& s, DPoint p, double cos2Limit) {
  return SharpAngleAt(s.a, s.b, p, cos2Limit);
}

bool SharpAngleAtEnd(const Segment& s, DPoint p, double cos2Limit) {
  return SharpAngleAt(s.b, s.a, p, cos2Limit);
}

bool CrossingX(DPoint p, DPoint q, double y, double& x) {
  DPoint lo = p, hi = q;
  if (p.y > q.y) {
    lo = q;
    hi = p;
  }
  if (!(lo.y <= y && y < hi.y))
    return false;
  if (hi.y - lo.y < 0.001) {
    x = (lo.x + hi.x) * 0.5;
  } else {
    x = ((hi.x - lo.x) * (y - lo.y)) / (hi.y - lo.y) + lo.x;
  }
  return true;
}

bool PointInPolygon(const DPoint* v, int n, DPoint p) {
  bool inside = false;
  if (n <= 0)
    return false;
  for (int i = 1; i <= n; ++i) {
    double x;
    if (CrossingX(v[i - 1], v[i % n], p.y, x) && x < p.x)
      inside = !inside;
  }
  return inside;
}

}  // namespace wendrel

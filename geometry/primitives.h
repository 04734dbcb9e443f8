#pragma once

// Plane value types of the model. Model units, x to the right, y upwards.

namespace wendrel {

struct DPoint {
  double x = 0.0;
  double y = 0.0;

  friend bool operator==(const DPoint&, const DPoint&) = default;
};

struct Segment {
  DPoint a;
  DPoint b;
};

// A triangle with the centroid it had when the generator made it. Placing a piece
// rewrites a, b and c only; the centroid stays the home centroid.
struct Triangle {
  // Values of an element that a container resets rather than fills; counts keep
  // such elements out of use, so they are never shown.
  DPoint a{111.11, 111.11};
  DPoint b{222.22, 222.22};
  DPoint c{333.33, 333.33};
  DPoint centroid{444.44, 555.55};

  void Reset() { *this = Triangle{}; }

  // Inside or on the boundary of a counter-clockwise triangle.
  bool ContainsCCW(DPoint p) const;
  // Inside or on the boundary of a clockwise (mirrored) triangle.
  bool ContainsCW(DPoint p) const;

  friend bool operator==(const Triangle&, const Triangle&) = default;
};

}  // namespace wendrel

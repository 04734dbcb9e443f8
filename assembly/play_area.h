#pragma once

namespace wendrel {

// A rectangle of the view's logical plane (one unit a pixel, y down) that the player can
// see and reach, its borders included. The view says what it shows; the model holds no
// window size.
struct PlayArea {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool operator==(const PlayArea&) const = default;
};

}  // namespace wendrel

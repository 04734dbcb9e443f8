#pragma once

#include "shapes/shape_outline.h"

namespace wendrel {

// Ten outline slots, filled once and read-only afterwards. Slots 0 to 3 hold the
// built-in figures (an oval, a heart, a cog wheel and the three-lobed figure that
// Generate cuts); slots 4 to 9 stay empty.
class ShapeLibrary {
 public:
  static constexpr int kSlotCount = 10;
  // The slot of the default figure, Three Hearts.
  static constexpr int kPuzzleSlot = 3;

  ShapeLibrary();
  const ShapeOutline& Slot(int i) const { return slots_[i]; }

 private:
  ShapeOutline slots_[kSlotCount];
};

// The built-in figures, each written into a reset outline.
void FillOval(ShapeOutline& out);        // slot 0
void FillHeart(ShapeOutline& out);       // slot 1
void FillCogWheel(ShapeOutline& out);    // slot 2
void FillThreeLobes(ShapeOutline& out);  // slot 3

}  // namespace wendrel

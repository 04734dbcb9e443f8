#include "shapes/shape_library.h"

namespace wendrel {

ShapeLibrary::ShapeLibrary() {
  for (ShapeOutline& slot : slots_)
    slot.Reset();
  FillOval(slots_[0]);
  FillHeart(slots_[1]);
  FillCogWheel(slots_[2]);
  FillThreeLobes(slots_[3]);
}

}  // namespace wendrel

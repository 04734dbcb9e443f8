#include "shapes/shape_catalogue.h"

#include <gtest/gtest.h>

#include <set>

#include "shapes/shape_library.h"

namespace wendrel {
namespace {

// Names read back to their shapes, each shape is cut from a slot of its own with one piece
// per seed point, and any other name is refused.
TEST(ShapeCatalogue, NamesEachShapeOnceAndRefusesAnyOtherName) {
  const ShapeLibrary library;
  std::set<int> slots;
  for (const ShapeInfo& info : kShapes) {
    SCOPED_TRACE(info.name);
    EXPECT_EQ(&InfoOf(info.shape), &info);
    EXPECT_EQ(ShapeNamed(info.name), info.shape);
    EXPECT_TRUE(slots.insert(info.slot).second) << "slot " << info.slot << " twice";
    EXPECT_EQ(library.Slot(info.slot).seedCount, info.pieces);
  }
  EXPECT_EQ(InfoOf(kDefaultShape).slot, ShapeLibrary::kPuzzleSlot);

  for (const char* name : {"", "Heart", "hearts", "cog_wheel", " oval", "--shape", "3"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(ShapeNamed(name), std::nullopt);
  }
}

}  // namespace
}  // namespace wendrel

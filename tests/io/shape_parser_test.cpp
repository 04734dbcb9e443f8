#include "io/shape_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace wendrel {
namespace {

// Each name of the catalogue is read back to its shape; any other name is refused with the
// list of names, naming what was typed, or the option when nothing was.
TEST(ParseShape, TakesEachNameOfTheCatalogueAndRefusesAnyOtherWithTheList) {
  std::string error;
  for (const ShapeInfo& info : kShapes)
    EXPECT_EQ(ParseShape("--shape", info.name, error), info.shape) << info.name;

  for (const char* name : {"", "Heart", "hearts", "cog_wheel", " oval", "--shape", "3"}) {
    SCOPED_TRACE(name);
    error.clear();
    EXPECT_EQ(ParseShape("--shape", name, error), std::nullopt);
    for (const ShapeInfo& info : kShapes)
      EXPECT_NE(error.find(info.name), std::string::npos) << error;
    EXPECT_NE(error.find(*name ? name : "--shape"), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace wendrel

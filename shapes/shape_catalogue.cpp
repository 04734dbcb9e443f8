#include "shapes/shape_catalogue.h"

namespace wendrel {

const ShapeInfo& InfoOf(Shape shape) {
  for (const ShapeInfo& info : kShapes) {
    if (info.shape == shape)
      return info;
  }
  return kShapes[0];
}

std::optional<Shape> ShapeNamed(std::string_view name) {
  for (const ShapeInfo& info : kShapes) {
    if (name == info.name)
      return info.shape;
  }
  return std::nullopt;
}

std::string ShapeNameList() {
  std::string list;
  for (const ShapeInfo& info : kShapes) {
    if (!list.empty())
      list += ", ";
    list += info.name;
  }
  return list;
}

}  // namespace wendrel

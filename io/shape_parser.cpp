#include "io/shape_parser.h"

namespace wendrel {

std::optional<Shape> ParseShape(std::string_view option, std::string_view text,
                                std::string& error) {
  const std::optional<Shape> shape = ShapeNamed(text);
  if (shape)
    return shape;
  if (text.empty())
    error = std::string(option) + " needs a shape: " + ShapeNameList();
  else
    error = "shape '" + std::string(text) + "' is not one of " + ShapeNameList();
  return std::nullopt;
}

}  // namespace wendrel

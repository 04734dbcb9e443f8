#include "io/shape_parser.h"

#include <charconv>

#include "shapes/figure.h"

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

std::optional<int> ParsePieces(std::string_view option, std::string_view text, std::string& error) {
  int pieces = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), pieces);
  if (ec == std::errc() && end == text.data() + text.size() && pieces >= Figure::kMinPieces &&
      pieces <= Figure::kMaxPieces)
    return pieces;
  error = std::string(option) + " needs a whole number of pieces from " +
          std::to_string(Figure::kMinPieces) + " to " + std::to_string(Figure::kMaxPieces) +
          (text.empty() ? std::string() : ", not '" + std::string(text) + "'");
  return std::nullopt;
}

}  // namespace wendrel

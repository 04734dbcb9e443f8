#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shapes/shape_catalogue.h"

namespace wendrel {

// Shape names as people type them, for every program that takes one on its command line:
// exactly a name of the catalogue. On a bad value error says why and lists the names,
// naming option when nothing was given.
std::optional<Shape> ParseShape(std::string_view option, std::string_view text, std::string& error);

// A piece count as people type it: a whole number from 3 to 20, in plain digits.
std::optional<int> ParsePieces(std::string_view option, std::string_view text, std::string& error);

}  // namespace wendrel

#pragma once

#include <span>
#include <string_view>

namespace wendrel {

// The box's figure files as the build found them, in their order: figure_box_texts.cpp
// is written by CMake from shapes/figures/.
struct BoxFigureText {
  std::string_view name;
  std::string_view text;
};

std::span<const BoxFigureText> BoxFigureTexts();

}  // namespace wendrel

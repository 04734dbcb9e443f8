#pragma once

#include <string_view>
#include <vector>

#include "shapes/figure.h"

namespace wendrel {

// The figures of the box, drawn for the game and built into it from their figure files,
// in order from easy to hard.
const std::vector<FigureRef>& BoxFigures();

// Every figure built into the program: the four built-in ones, in the order menus list
// them, then the box's.
const std::vector<FigureRef>& KnownFigures();

// The known figure of that command-line name, or none.
FigureRef KnownFigure(std::string_view name);

// Whether figure is a known figure as it stands, so that a file can name it rather than
// keep it.
bool IsKnown(const Figure& figure);

}  // namespace wendrel

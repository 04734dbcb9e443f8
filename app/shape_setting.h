#pragma once

#include <optional>

#include "shapes/shape_catalogue.h"

// The shape the player chose last, kept in the program's settings across runs.
std::optional<wendrel::Shape> SavedShape();
void SaveShape(wendrel::Shape shape);

#pragma once

#include <QString>

#include "shapes/shape_catalogue.h"

// What a player reads of a shape: its title, its item in the Shape menu and that item's
// status-bar prompt.
struct ShapeTexts {
  QString title;
  QString item;
  QString prompt;
};

ShapeTexts TextsOf(wendrel::Shape shape);

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

namespace wendrel {
struct Figure;
}

// A figure's title in the player's language: a built-in one's from the program's
// translations, any other's from the names its file gives.
QString FigureTitle(const wendrel::Figure& figure);

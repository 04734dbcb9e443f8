#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "geometry/primitives.h"
#include "shapes/shape_catalogue.h"
#include "shapes/shape_outline.h"

namespace wendrel {

// A figure that puzzles are cut from: a closed outline and, if it has them, its own seed
// points, one piece for each. The built-in figures are tables in the code; every other
// figure comes from a figure file, scaled and centred, counter-clockwise.
struct Figure {
  // Fewest and most pieces a player can ask for, and the count of a figure with no seeds
  // of its own.
  static constexpr int kMinPieces = 3;
  static constexpr int kMaxPieces = ShapeOutline::kMaxSeeds;
  static constexpr int kAutomaticPieces = 9;

  // The name on command lines, in settings, statistics and saved games: "fish".
  std::string name;
  // As a player reads it in English, and in other languages by their code ("de").
  std::string title;
  std::map<std::string, std::string> titles;
  std::vector<DPoint> outline;
  std::vector<DPoint> seeds;

  int OwnPieces() const {
    return seeds.empty() ? kAutomaticPieces : static_cast<int>(seeds.size());
  }
  // The title in language (a code such as "de" or "pt_BR"), else the English one.
  const std::string& TitleIn(const std::string& language) const;

  bool operator==(const Figure&) const = default;
};

using FigureRef = std::shared_ptr<const Figure>;

// A built-in figure, made once from its table.
const FigureRef& BuiltInFigure(Shape shape);
// The built-in shape whose figure this is, or none.
std::optional<Shape> BuiltInShapeOf(const Figure& figure);
// The figure's outline with no seeds, as the generator loads it.
ShapeOutline OutlineOf(const Figure& figure);

}  // namespace wendrel

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace wendrel {

// The figures a player can choose to cut a puzzle from. Three Hearts is the game's own
// figure and the default; the others are the library's other built-in outlines, which make
// easier puzzles of fewer pieces.
enum class Shape { kThreeHearts, kHeart, kCogWheel, kOval };

struct ShapeInfo {
  Shape shape;
  int slot;           // the library slot the outline lives in
  const char* name;   // on command lines, in settings and in saved games
  const char* title;  // what a player reads
  int pieces;         // one piece for each seed point of the outline
};

// In the order that menus list them.
inline constexpr std::array<ShapeInfo, 4> kShapes{{
    {Shape::kThreeHearts, 3, "three-hearts", "Three Hearts", 15},
    {Shape::kHeart, 1, "heart", "Heart", 9},
    {Shape::kCogWheel, 2, "cog-wheel", "Cog Wheel", 9},
    {Shape::kOval, 0, "oval", "Oval", 3},
}};

inline constexpr Shape kDefaultShape = Shape::kThreeHearts;

const ShapeInfo& InfoOf(Shape shape);
// The shape of that command-line name, or none.
std::optional<Shape> ShapeNamed(std::string_view name);
// Every name, comma-separated, for the message that refuses an unknown one.
std::string ShapeNameList();

}  // namespace wendrel

#pragma once

#include <compare>
#include <cstdint>
#include <string>

#include "shapes/figure.h"

namespace wendrel {

// A kind of puzzle, as the statistics count them: a figure by name, cut into so many
// pieces.
struct PuzzleKind {
  std::string figure;
  int pieces = 0;

  auto operator<=>(const PuzzleKind&) const = default;
};

// Which puzzle a table of groups belongs to: a figure, a piece count and a number, from
// which the pieces are cut again the same on every platform. A figure's own count cuts
// it with its own seeds; any other count, with seeds placed by the number.
struct PuzzleId {
  PuzzleId() : PuzzleId(kDefaultShape, 0) {}
  // pieces 0 is the figure's own count.
  PuzzleId(FigureRef figure, std::int32_t number, int pieces = 0)
      : figure(std::move(figure)), number(number), pieces(pieces) {
    if (this->pieces == 0)
      this->pieces = this->figure->OwnPieces();
  }
  PuzzleId(Shape shape, std::int32_t number, int pieces = 0)
      : PuzzleId(BuiltInFigure(shape), number, pieces) {}

  FigureRef figure;
  std::int32_t number = 0;
  int pieces = 0;

  PuzzleKind Kind() const { return PuzzleKind{figure->name, pieces}; }
  bool OwnSeeds() const { return pieces == static_cast<int>(figure->seeds.size()); }

  friend bool operator==(const PuzzleId& a, const PuzzleId& b) {
    return a.number == b.number && a.pieces == b.pieces &&
           (a.figure == b.figure || *a.figure == *b.figure);
  }
};

}  // namespace wendrel

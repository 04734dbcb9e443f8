#pragma once

// The sixteen piece colours, dark green through pure green towards white. Piece k is
// drawn in colour k; an index past the table (never made from the built-in outline)
// wraps round.

namespace wendrel {

struct Rgb {
  int r, g, b;
};

inline constexpr int kPieceColourCount = 16;

inline constexpr Rgb kPieceColours[kPieceColourCount] = {
    {0, 128, 0},     {0, 144, 0},     {0, 160, 0},     {0, 176, 0},
    {0, 192, 0},     {0, 208, 0},     {0, 224, 0},     {0, 240, 0},
    {0, 255, 0},     {80, 255, 80},   {113, 255, 113}, {138, 255, 138},
    {160, 255, 160}, {178, 255, 178}, {195, 255, 195}, {211, 255, 211},
};

inline constexpr int PieceColourIndex(int piece) {
  return ((piece % kPieceColourCount) + kPieceColourCount) % kPieceColourCount;
}

}  // namespace wendrel

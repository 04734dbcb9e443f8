#pragma once

#include "assembly/piece_set.h"

class QPainter;
class QPalette;

// Outlines group g on painter, in logical units, to show which group the keys act on:
// the group's outer sides (those no other triangle of the group shares) in a dashed
// line of the palette's highlight colour over a line of its highlighted-text colour,
// so that the cue shows on light and dark backgrounds and on every piece colour.
void DrawFocusCue(QPainter& painter, const wendrel::PieceSet& pieces, int g,
                  const QPalette& palette);

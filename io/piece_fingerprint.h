#pragma once

#include <string>

#include "assembly/piece_set.h"

namespace wendrel {

// Sixteen hex digits that tell the pieces of a cut puzzle apart: a 64-bit FNV-1a hash of
// each piece's home triangles (their numbers and the bit patterns of their corners) and
// of which pieces share a side. A saved game keeps the one of its puzzle, so that a program
// that would cut the same shape and number differently refuses the file instead of
// placing its groups on other pieces.
std::string PieceFingerprint(const PieceSet& pieces);

}  // namespace wendrel

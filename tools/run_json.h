#pragma once

#include <string>

#include "tools/puzzle_run.h"

namespace wendrel {

// Appends the run as one JSON object on one line (no line end): the seed, the shape
// unless it is the default, whether it succeeded, the mesh as the generator left it,
// and on success the pieces and the scattered groups. A failed run has empty regions,
// adjacent and groups.
void AppendRunJson(std::string& out, const PuzzleRun& run);

}  // namespace wendrel

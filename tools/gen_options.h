#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shapes/shape_catalogue.h"

namespace wendrel {

extern const std::string kGenUsage;

// What the command line asks for.
struct GenOptions {
  enum class Mode { kHelp, kSeed, kSeeds, kStats, kGame, kListFigures };

  Mode mode = Mode::kHelp;
  std::int32_t seed = 0;   // kSeed
  std::int32_t first = 0;  // kSeeds and kStats: seeds first <= seed < end
  std::int64_t end = 0;    // up to 2147483648, one past the last seed
  std::string svgPath;     // kSeed and kGame; empty when no picture is wanted
  std::string gamePath;    // kGame: the game file to show
  // The figure every run cuts: a known figure's name, else a figure file; and its pieces,
  // 0 for its own count.
  std::string figure = InfoOf(kDefaultShape).name;
  int pieces = 0;
};

struct ParsedArgs {
  GenOptions options;
  std::string error;  // empty when the arguments are good

  bool ok() const { return error.empty(); }
};

// The arguments after the program name.
ParsedArgs ParseGenArgs(const std::vector<std::string>& args);

}  // namespace wendrel

#include "tools/gen_options.h"

#include <optional>

#include "io/option_reader.h"
#include "io/seed_parser.h"
#include "io/shape_parser.h"

namespace wendrel {

const std::string kGenUsage =
    "usage: wendrel-gen --seed N [--svg FILE] [--figure NAME|FILE] [--pieces N]\n"
    "       wendrel-gen --seeds A B [--figure NAME|FILE] [--pieces N]\n"
    "       wendrel-gen --stats A B [--figure NAME|FILE] [--pieces N]\n"
    "       wendrel-gen --game GAME [--svg FILE]\n"
    "       wendrel-gen --list-figures\n"
    "       wendrel-gen --help\n"
    "Replays the puzzle that Generate cuts from seed N and prints it as one line of JSON.\n"
    "--svg also writes a picture of the solved puzzle to FILE. --seeds prints one line\n"
    "for each seed A <= seed < B, each as a freshly started program would make it;\n"
    "--stats summarises those seeds. Seeds are whole numbers from -2147483648 to\n"
    "2147483647; B may be 2147483648, so that the last seed can be listed.\n"
    "--figure picks the figure that the puzzles are cut from: a name that --list-figures\n"
    "prints, or a .wendrel-figure file; the default is " +
    std::string(InfoOf(kDefaultShape).name) +
    ". --shape NAME is the same for\n"
    "the built-in figures " +
    ShapeNameList() +
    ". --pieces cuts it into 3 to 20 pieces with seeds\n"
    "placed by the seed, rather than with the figure's own seeds.\n"
    "--game prints the puzzle of the saved game GAME with its groups where the game left\n"
    "them, and --svg draws them as they lie. A file that is no good game is refused.\n"
    "A value may also be joined to its option, as in --seed=N.\n";

namespace {

const char* const kNothingToDo =
    "nothing to do: give --seed, --seeds, --stats, --game, --list-figures or --help";

ParsedArgs Fail(std::string error) {
  return ParsedArgs{GenOptions{}, std::move(error)};
}

}  // namespace

ParsedArgs ParseGenArgs(const std::vector<std::string>& args) {
  if (args.empty())
    return Fail(kNothingToDo);
  for (const std::string& arg : args) {
    if (arg.empty())
      return Fail("empty argument");
  }
  if (args[0] == "--help" || args[0] == "--list-figures") {
    if (args.size() > 1)
      return Fail(args[0] + " takes no other arguments");
    ParsedArgs parsed;
    if (args[0] == "--list-figures")
      parsed.options.mode = GenOptions::Mode::kListFigures;
    return parsed;
  }

  GenOptions options;
  std::optional<GenOptions::Mode> mode;
  bool svgGiven = false;
  bool figureGiven = false;
  bool piecesGiven = false;
  bool gameGiven = false;
  std::string error;
  OptionReader reader(args);
  while (!reader.Done()) {
    const std::string& arg = reader.Take();
    if (reader.Is("--seed") || reader.Is("--seeds") || reader.Is("--stats")) {
      if (mode)
        return Fail("only one of --seed, --seeds and --stats may be given");
      if (reader.Is("--seed")) {
        mode = GenOptions::Mode::kSeed;
        const std::optional<std::int32_t> seed = ParseSeed("--seed", reader.Value(), error);
        if (!seed)
          return Fail(error);
        options.seed = *seed;
      } else {
        const char* const name = reader.Is("--seeds") ? "--seeds" : "--stats";
        mode = reader.Is("--seeds") ? GenOptions::Mode::kSeeds : GenOptions::Mode::kStats;
        const std::optional<std::int32_t> first = ParseSeed(name, reader.Value(), error);
        if (!first)
          return Fail(error);
        const std::optional<std::int64_t> end = ParseSeedRangeEnd(name, reader.Value(), error);
        if (!end)
          return Fail(error);
        if (*end <= *first) {
          return Fail("empty range: B (" + std::to_string(*end) + ") must be greater than A (" +
                      std::to_string(*first) + ")");
        }
        options.first = *first;
        options.end = *end;
      }
    } else if (reader.Is("--svg")) {
      if (svgGiven)
        return Fail("--svg given twice");
      const std::optional<std::string_view> path = reader.TextValue("a file name", error);
      if (!path)
        return Fail(error);
      svgGiven = true;
      options.svgPath = *path;
    } else if (reader.Is("--game")) {
      if (gameGiven)
        return Fail("--game given twice");
      const std::optional<std::string_view> path = reader.TextValue("a file name", error);
      if (!path)
        return Fail(error);
      gameGiven = true;
      options.gamePath = *path;
    } else if (reader.Is("--shape") || reader.Is("--figure")) {
      if (figureGiven)
        return Fail("give one --figure or --shape");
      figureGiven = true;
      if (reader.Is("--shape")) {
        const std::optional<Shape> shape = ParseShape("--shape", reader.Value(), error);
        if (!shape)
          return Fail(error);
        options.figure = InfoOf(*shape).name;
      } else {
        const std::optional<std::string_view> figure =
            reader.TextValue("a figure's name or file", error);
        if (!figure)
          return Fail(error);
        options.figure = *figure;
      }
    } else if (reader.Is("--pieces")) {
      if (piecesGiven)
        return Fail("--pieces given twice");
      piecesGiven = true;
      const std::optional<int> pieces = ParsePieces("--pieces", reader.Value(), error);
      if (!pieces)
        return Fail(error);
      options.pieces = *pieces;
    } else if (arg == "--help" || arg == "--list-figures") {
      return Fail(arg + " takes no other arguments");
    } else if (arg[0] == '-') {
      return Fail("unknown option '" + arg + "'");
    } else {
      return Fail("unexpected argument '" + arg + "'");
    }
  }
  if (gameGiven) {
    if (mode)
      return Fail("--game cannot be used with --seed, --seeds or --stats");
    if (figureGiven || piecesGiven)
      return Fail(
          "--figure, --shape and --pieces cannot be used with --game: the game names its puzzle");
    mode = GenOptions::Mode::kGame;
  }
  if (svgGiven && mode != GenOptions::Mode::kSeed && mode != GenOptions::Mode::kGame)
    return Fail("--svg needs --seed");
  if (!mode)
    return Fail(kNothingToDo);
  options.mode = *mode;
  return ParsedArgs{options, ""};
}

}  // namespace wendrel

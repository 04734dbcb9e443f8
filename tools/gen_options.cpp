#include "tools/gen_options.h"

#include <optional>

#include "generator/seed_parser.h"

namespace wendrel {

const char* const kGenUsage =
    "usage: wendrel-gen --seed N [--svg FILE]\n"
    "       wendrel-gen --seeds A B\n"
    "       wendrel-gen --stats A B\n"
    "       wendrel-gen --help\n"
    "Replays the puzzle that Generate cuts from seed N and prints it as one line of JSON.\n"
    "--svg also writes a picture of the solved puzzle to FILE. --seeds prints one line\n"
    "for each seed A <= seed < B, each as a freshly started program would make it;\n"
    "--stats summarises those seeds. Seeds are whole numbers from -2147483648 to\n"
    "2147483647; B may be 2147483648, so that the last seed can be listed.\n";

namespace {

class ArgReader {
 public:
  explicit ArgReader(const std::vector<std::string>& args) : args_(args) {}

  bool Done() const { return next_ >= args_.size(); }
  const std::string& Take() { return args_[next_++]; }

  // A missing value reads as an empty one, which the seed parser answers.
  std::string_view TakeValue() { return Done() ? std::string_view() : std::string_view(Take()); }

 private:
  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
};

ParsedArgs Fail(std::string error) {
  return ParsedArgs{GenOptions{}, std::move(error)};
}

}  // namespace

ParsedArgs ParseGenArgs(const std::vector<std::string>& args) {
  if (args.empty())
    return Fail("nothing to do: give --seed, --seeds, --stats or --help");
  for (const std::string& arg : args) {
    if (arg.empty())
      return Fail("empty argument");
  }
  if (args[0] == "--help") {
    if (args.size() > 1)
      return Fail("--help takes no other arguments");
    return ParsedArgs{};
  }

  GenOptions options;
  std::optional<GenOptions::Mode> mode;
  bool svgGiven = false;
  std::string error;
  ArgReader reader(args);
  while (!reader.Done()) {
    const std::string& arg = reader.Take();
    if (arg == "--seed" || arg == "--seeds" || arg == "--stats") {
      if (mode)
        return Fail("only one of --seed, --seeds and --stats may be given");
      if (arg == "--seed") {
        mode = GenOptions::Mode::kSeed;
        const std::optional<std::int32_t> seed = ParseSeed(arg, reader.TakeValue(), error);
        if (!seed)
          return Fail(error);
        options.seed = *seed;
      } else {
        mode = arg == "--seeds" ? GenOptions::Mode::kSeeds : GenOptions::Mode::kStats;
        const std::optional<std::int32_t> first = ParseSeed(arg, reader.TakeValue(), error);
        if (!first)
          return Fail(error);
        const std::optional<std::int64_t> end = ParseSeedRangeEnd(arg, reader.TakeValue(), error);
        if (!end)
          return Fail(error);
        if (*end <= *first) {
          return Fail("empty range: B (" + std::to_string(*end) + ") must be greater than A (" +
                      std::to_string(*first) + ")");
        }
        options.first = *first;
        options.end = *end;
      }
    } else if (arg == "--svg") {
      if (svgGiven)
        return Fail("--svg given twice");
      if (reader.Done())
        return Fail("--svg needs a file name");
      svgGiven = true;
      options.svgPath = reader.Take();
    } else if (arg == "--help") {
      return Fail("--help takes no other arguments");
    } else if (arg[0] == '-') {
      return Fail("unknown option '" + arg + "'");
    } else {
      return Fail("unexpected argument '" + arg + "'");
    }
  }
  if (!mode)
    return Fail("--svg needs --seed");
  if (svgGiven && *mode != GenOptions::Mode::kSeed)
    return Fail("--svg needs --seed");
  options.mode = *mode;
  return ParsedArgs{options, ""};
}

}  // namespace wendrel

#include "tools/gen_command.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <system_error>

#include "io/figure_box.h"
#include "io/figure_file.h"
#include "io/file_to_read.h"
#include "io/game_file.h"
#include "io/output_file.h"
#include "tools/gen_options.h"
#include "tools/puzzle_run.h"
#include "tools/puzzle_svg.h"
#include "tools/run_json.h"
#include "tools/run_stats.h"

namespace wendrel {

namespace {

void PrintRun(std::ostream& out, const PuzzleRun& run) {
  std::string line;
  AppendRunJson(line, run);
  line += '\n';
  out << line;
}

// Opens the picture's output when one is wanted. An unwritable picture is bad input,
// found before the run, so nothing is printed. Returns whether the run may go on.
bool OpenPicture(const GenOptions& options, OutputFile& picture, std::ostream& err) {
  if (options.svgPath.empty())
    return true;
  if (const std::error_code ec = picture.Open()) {
    err << "wendrel-gen: cannot write the picture to '" << options.svgPath << "': " << ec.message()
        << '\n'
        << kGenUsage;
    return false;
  }
  return true;
}

int CommitPicture(const GenOptions& options, OutputFile& picture, std::string_view svg,
                  std::ostream& err) {
  if (const std::error_code ec = picture.Commit(svg)) {
    err << "wendrel-gen: writing the picture to '" << options.svgPath
        << "' failed: " << ec.message() << '\n';
    return kExitNoPicture;
  }
  return kExitOk;
}

int RunSeed(const GenOptions& options, const FigureRef& figure, std::ostream& out,
            std::ostream& err) {
  // A FIFO named for the picture is waited for, as the shell's redirection waits.
  OutputFile picture(options.svgPath, OutputFile::Waiting::kAsTheShell);
  if (!OpenPicture(options, picture, err))
    return kExitBadInput;
  const PuzzleRun run(PuzzleId(figure, options.seed, options.pieces));
  // The picture is put in place before the JSON is printed: a reader of the JSON that
  // leaves early ends the program by SIGPIPE, as it ends other tools, and must find no
  // temporary file of the picture to leave behind.
  int status = kExitOk;
  if (!options.svgPath.empty() && !run.ok()) {
    err << "wendrel-gen: seed " << options.seed << " makes no puzzle; no picture written\n";
    status = kExitNoPicture;
  } else if (!options.svgPath.empty()) {
    status = CommitPicture(options, picture, PuzzleSvg(run.generator()), err);
  }
  PrintRun(out, run);
  return status;
}

int RunGame(const GenOptions& options, std::ostream& out, std::ostream& err) {
  OutputFile picture(options.svgPath, OutputFile::Waiting::kAsTheShell);
  if (!OpenPicture(options, picture, err))
    return kExitBadInput;
  // The same words as the game's own refusal.
  const auto refuse = [&](const std::string& reason) {
    err << "wendrel-gen: cannot open '" << options.gamePath << "': " << reason << '\n';
    return kExitBadGame;
  };
  std::string text;
  if (const std::error_code ec = ReadFileText(options.gamePath, kMaxGameFileBytes, text))
    return refuse(ec.message());
  const GameFileRead read = ReadGameFile(text);
  if (!read.ok())
    return refuse(GameFileReason(read));
  const PuzzleState& shown = read.game.states[read.game.current];
  const PuzzleId puzzle = read.game.segments[shown.segment].puzzle;
  // The reader has cut this puzzle already, so the run succeeds; it cuts it once more
  // for the generator's own records, which the printed run shows. The other puzzles of
  // the history are not cut at all.
  PuzzleRun run(puzzle);
  run.Place(shown.groups);
  // The picture first, for the reason RunSeed gives.
  const int status =
      options.svgPath.empty()
          ? kExitOk
          : CommitPicture(options, picture, PlacedPuzzleSvg(run.generator(), run.pieces()), err);
  PrintRun(out, run);
  return status;
}

void RunSeeds(const GenOptions& options, const FigureRef& figure, std::ostream& out) {
  // Once the output is lost, the rest of the range would be computed for no one.
  for (std::int64_t seed = options.first; seed < options.end && out; ++seed)
    PrintRun(out, PuzzleRun(PuzzleId(figure, static_cast<std::int32_t>(seed), options.pieces)));
}

void RunStats(const GenOptions& options, const FigureRef& figure, std::ostream& out) {
  SeedRangeStats stats;
  const auto start = std::chrono::steady_clock::now();
  for (std::int64_t seed = options.first; seed < options.end; ++seed)
    stats.Add(PuzzleRun(PuzzleId(figure, static_cast<std::int32_t>(seed), options.pieces)));
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  const PuzzleId kind(figure, 0, options.pieces);
  if (figure->name != InfoOf(kDefaultShape).name || !kind.OwnSeeds())
    out << figure->name << ", ";
  if (!kind.OwnSeeds())
    out << kind.pieces << " pieces, ";
  out << "seeds " << options.first << " <= seed < " << options.end << ": ";
  stats.Report(out, elapsed.count());
}

}  // namespace

int RunGenCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParsedArgs parsed = ParseGenArgs(args);
  if (!parsed.ok()) {
    err << "wendrel-gen: " << parsed.error << '\n' << kGenUsage;
    return kExitBadInput;
  }
  const GenOptions& options = parsed.options;
  FigureRef figure;
  if (options.mode == GenOptions::Mode::kSeed || options.mode == GenOptions::Mode::kSeeds ||
      options.mode == GenOptions::Mode::kStats) {
    figure = KnownFigure(options.figure);
    if (!figure) {
      FigureFileRead read = ReadFigureFileAt(options.figure);
      if (!read.ok()) {
        err << "wendrel-gen: cannot open figure '" << options.figure
            << "': " << FigureFileReason(read) << '\n';
        return kExitBadGame;
      }
      figure = std::make_shared<const Figure>(std::move(read.figure));
    }
  }
  switch (options.mode) {
    case GenOptions::Mode::kHelp:
      out << kGenUsage;
      break;
    case GenOptions::Mode::kListFigures:
      for (const FigureRef& known : KnownFigures())
        out << known->name << '\n';
      break;
    case GenOptions::Mode::kSeed:
      return RunSeed(options, figure, out, err);
    case GenOptions::Mode::kSeeds:
      RunSeeds(options, figure, out);
      break;
    case GenOptions::Mode::kStats:
      RunStats(options, figure, out);
      break;
    case GenOptions::Mode::kGame:
      return RunGame(options, out, err);
  }
  out.flush();
  return kExitOk;
}

}  // namespace wendrel

#include "tools/gen_command.h"

#include <chrono>
#include <cstdint>
#include <system_error>

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

int WritePicture(const GenOptions& options, const PuzzleRun& run, OutputFile& picture,
                 std::ostream& err) {
  if (!run.ok()) {
    err << "wendrel-gen: seed " << options.seed << " makes no puzzle; no picture written\n";
    return kExitNoPicture;
  }
  if (const std::error_code ec = picture.Commit(PuzzleSvg(run.generator()))) {
    err << "wendrel-gen: writing the picture to '" << options.svgPath
        << "' failed: " << ec.message() << '\n';
    return kExitNoPicture;
  }
  return kExitOk;
}

int RunSeed(const GenOptions& options, const ShapeLibrary& library, std::ostream& out,
            std::ostream& err) {
  // A FIFO named for the picture is waited for, as the shell's redirection waits.
  OutputFile picture(options.svgPath, OutputFile::Waiting::kAsTheShell);
  const bool wantPicture = !options.svgPath.empty();
  // An unwritable picture is bad input: found before the run, so nothing is printed.
  if (wantPicture) {
    if (const std::error_code ec = picture.Open()) {
      err << "wendrel-gen: cannot write the picture to '" << options.svgPath
          << "': " << ec.message() << '\n'
          << kGenUsage;
      return kExitBadInput;
    }
  }
  const PuzzleRun run(options.seed, library, options.shape);
  // The picture is put in place before the JSON is printed: a reader of the JSON that
  // leaves early ends the program by SIGPIPE, as it ends other tools, and must find no
  // temporary file of the picture to leave behind.
  const int status = wantPicture ? WritePicture(options, run, picture, err) : kExitOk;
  PrintRun(out, run);
  return status;
}

void RunSeeds(const GenOptions& options, const ShapeLibrary& library, std::ostream& out) {
  // Once the output is lost, the rest of the range would be computed for no one.
  for (std::int64_t seed = options.first; seed < options.end && out; ++seed) {
    PrintRun(out, PuzzleRun(static_cast<std::int32_t>(seed), library, options.shape));
  }
}

void RunStats(const GenOptions& options, const ShapeLibrary& library, std::ostream& out) {
  SeedRangeStats stats;
  const auto start = std::chrono::steady_clock::now();
  for (std::int64_t seed = options.first; seed < options.end; ++seed) {
    stats.Add(PuzzleRun(static_cast<std::int32_t>(seed), library, options.shape));
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  if (options.shape != kDefaultShape)
    out << InfoOf(options.shape).name << ", ";
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
  const ShapeLibrary library;
  switch (options.mode) {
    case GenOptions::Mode::kHelp:
      out << kGenUsage;
      break;
    case GenOptions::Mode::kSeed:
      return RunSeed(options, library, out, err);
    case GenOptions::Mode::kSeeds:
      RunSeeds(options, library, out);
      break;
    case GenOptions::Mode::kStats:
      RunStats(options, library, out);
      break;
  }
  out.flush();
  return kExitOk;
}

}  // namespace wendrel

// wendrel-gen as a player runs it: a separate process, its output and exit status.

#include "tools/gen_command.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "generator/figure_seeds.h"
#include "io/figure_box.h"
#include "tests/tools/gen_process.h"
#include "tests/tools/json_reader.h"
#include "tools/gen_options.h"
#include "tools/puzzle_run.h"
#include "tools/puzzle_svg.h"

namespace wendrel {
namespace {

using testing::ParseJson;
using testing::ProcessResult;
using testing::ReadFile;
using testing::RunGenProcess;
using testing::ScratchDir;
using Args = std::vector<std::string>;
namespace fs = std::filesystem;

constexpr std::int32_t kFailingSeed = 3752;

class GenCommandTest : public ::testing::Test {
 protected:
  ProcessResult Run(const Args& args) { return RunGenProcess(args, scratch_.path()); }
  fs::path InScratch(const char* name) const { return scratch_.path() / name; }

  ScratchDir scratch_;
};

// One line naming the problem, then the usage; nothing on standard output.
void ExpectBadInput(const ProcessResult& r, const std::string& problem) {
  EXPECT_EQ(r.status, kExitBadInput);
  EXPECT_EQ(r.out, "");
  const std::string usage = kGenUsage;
  ASSERT_GT(r.err.size(), usage.size());
  EXPECT_EQ(r.err.substr(r.err.size() - usage.size()), usage);
  const std::string first = r.err.substr(0, r.err.size() - usage.size());
  EXPECT_EQ(first.find('\n'), first.size() - 1) << first;
  EXPECT_EQ(first.rfind("wendrel-gen: ", 0), 0u) << first;
  EXPECT_NE(first.find(problem), std::string::npos) << first;
}

TEST_F(GenCommandTest, BadInputExitsWithStatusTwoNamingTheProblem) {
  ExpectBadInput(Run({}), "nothing to do");
  ExpectBadInput(Run({"--seed"}), "--seed needs a number");
  ExpectBadInput(Run({"--seed", "twelve"}), "'twelve' is not a whole number");
  ExpectBadInput(Run({"--seed", "2147483648"}), "out of range");
  ExpectBadInput(Run({"--seeds", "9", "3"}), "empty range");
  ExpectBadInput(Run({"--stats", "4", "4"}), "empty range");
  ExpectBadInput(Run({"--frobnicate"}), "unknown option '--frobnicate'");
  ExpectBadInput(Run({"--seed", ""}), "empty argument");
  ExpectBadInput(Run({"--seed", "3", "4"}), "unexpected argument '4'");
}

TEST_F(GenCommandTest, HelpPrintsTheUsageAndSucceeds) {
  const ProcessResult r = Run({"--help"});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.out, kGenUsage);
  EXPECT_EQ(r.err, "");
}

TEST_F(GenCommandTest, SeedPrintsOneJsonLine) {
  const ProcessResult r = Run({"--seed", "-7"});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.err, "");
  ASSERT_FALSE(r.out.empty());
  EXPECT_EQ(r.out.find('\n'), r.out.size() - 1);
  EXPECT_EQ(ParseJson(r.out)["seed"].AsInt(), -7);
}

TEST_F(GenCommandTest, FailingSeedStillPrintsItsRunAndSucceeds) {
  const ProcessResult r = Run({"--seed", std::to_string(kFailingSeed)});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_FALSE(ParseJson(r.out)["ok"].boolean);
}

// Each line of a range must be what a freshly started program prints for that seed
// alone; the range includes a failure, after which the next run must start clean.
TEST_F(GenCommandTest, RangeEqualsTheSingleRunsOneAfterAnother) {
  const ProcessResult range = Run({"--seeds", "3750", "3755"});
  ASSERT_EQ(range.status, kExitOk);
  std::string singles;
  for (int seed = 3750; seed < 3755; ++seed) {
    const ProcessResult one = Run({"--seed", std::to_string(seed)});
    ASSERT_EQ(one.status, kExitOk);
    singles += one.out;
  }
  EXPECT_EQ(range.out, singles);
  int lines = 0;
  for (const char c : range.out)
    lines += c == '\n';
  EXPECT_EQ(lines, 5);
}

// The end is exclusive and may lie one past the last seed, which is then listed too.
TEST_F(GenCommandTest, RangeReachesTheLastSeed) {
  const ProcessResult r = Run({"--seeds", "2147483646", "2147483648"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  const std::size_t firstEnd = r.out.find('\n');
  ASSERT_NE(firstEnd, std::string::npos);
  EXPECT_EQ(ParseJson(r.out.substr(0, firstEnd + 1))["seed"].AsInt(), 2147483646);
  EXPECT_EQ(r.out.substr(firstEnd + 1), Run({"--seed", "2147483647"}).out);

  const ProcessResult stats = Run({"--stats", "2147483647", "2147483648"});
  EXPECT_EQ(stats.status, kExitOk);
  EXPECT_NE(stats.out.find("seeds 2147483647 <= seed < 2147483648: 1 runs"), std::string::npos)
      << stats.out;
}

TEST_F(GenCommandTest, PictureIsWrittenForASuccessfulSeed) {
  const fs::path svg = InScratch("puzzle.svg");
  const ProcessResult r = Run({"--seed", "1", "--svg", svg.string()});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(ParseJson(r.out)["ok"].boolean);
  const std::string picture = ReadFile(svg);
  EXPECT_EQ(picture.rfind("<svg", 0), 0u);
  EXPECT_EQ(picture.substr(picture.size() - 7), "</svg>\n");
  // Only the finished picture is left.
  EXPECT_EQ(std::distance(fs::directory_iterator(scratch_.path()), fs::directory_iterator{}), 3);
  EXPECT_FALSE(fs::exists(InScratch("puzzle.svg.part")));
}

TEST_F(GenCommandTest, PictureReplacesAnOlderFileWhole) {
  const fs::path svg = InScratch("puzzle.svg");
  { std::ofstream(svg) << std::string(1 << 20, 'x'); }
  ASSERT_EQ(Run({"--seed", "2", "--svg", svg.string()}).status, kExitOk);
  const std::string picture = ReadFile(svg);
  EXPECT_EQ(picture.rfind("<svg", 0), 0u);
  EXPECT_EQ(picture.find('x' + std::string(20, 'x')), std::string::npos);
}

TEST_F(GenCommandTest, FailingSeedWritesNoPictureAndKeepsTheOldOne) {
  const fs::path svg = InScratch("puzzle.svg");
  { std::ofstream(svg) << "older picture"; }
  const ProcessResult r = Run({"--seed", std::to_string(kFailingSeed), "--svg", svg.string()});
  EXPECT_EQ(r.status, kExitNoPicture);
  EXPECT_NE(r.err.find("no picture written"), std::string::npos) << r.err;
  EXPECT_EQ(ReadFile(svg), "older picture");
  EXPECT_FALSE(fs::exists(InScratch("puzzle.svg.part")));

  const fs::path fresh = InScratch("never.svg");
  EXPECT_EQ(Run({"--seed", std::to_string(kFailingSeed), "--svg", fresh.string()}).status,
            kExitNoPicture);
  EXPECT_FALSE(fs::exists(fresh));
}

TEST_F(GenCommandTest, UnwritablePictureIsBadInputBeforeAnyRun) {
  ExpectBadInput(Run({"--seed", "1", "--svg", InScratch("no/such/dir/p.svg").string()}),
                 "cannot write the picture");
  ExpectBadInput(Run({"--seed", "1", "--svg", scratch_.path().string()}),
                 "cannot write the picture");
}

// Every mode cuts the shape asked for; an unknown one is bad input.
TEST_F(GenCommandTest, ShapeAppliesToEveryMode) {
  const fs::path svg = InScratch("oval.svg");
  const ProcessResult one = Run({"--seed", "4", "--shape", "oval", "--svg", svg.string()});
  ASSERT_EQ(one.status, kExitOk) << one.err;
  EXPECT_EQ(ParseJson(one.out)["shape"].text, "oval");
  EXPECT_EQ(ReadFile(svg), PuzzleSvg(PuzzleRun(4, ShapeLibrary(), Shape::kOval).generator()));
  EXPECT_EQ(Run({"--seeds", "3", "5", "--shape=oval"}).out,
            Run({"--seed=3", "--shape=oval"}).out + one.out);
  EXPECT_EQ(Run({"--stats", "4", "5", "--shape", "oval"})
                .out.rfind("oval, seeds 4 <= seed < 5: 1 runs", 0),
            0u);
  ExpectBadInput(Run({"--seed", "4", "--shape", "square"}), "shape 'square' is not one of");
}

TEST_F(GenCommandTest, StatsSummariseARange) {
  const ProcessResult r = Run({"--stats", "3750", "3756"});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.err, "");
  EXPECT_NE(r.out.find("seeds 3750 <= seed < 3756: 6 runs, 1 failed (seeds 3752)"),
            std::string::npos)
      << r.out;
  for (const char* row :
       {"interior nodes", "triangles", "inner edges", "unassigned triangles", "total time"}) {
    EXPECT_NE(r.out.find(row), std::string::npos) << row;
  }
}

}  // namespace
}  // namespace wendrel

namespace wendrel {
namespace {

// Any figure in any count: the line names it and lists the outline and seeds it was cut
// from, each number reading back as the very double; a refused file prints its reason.
TEST_F(GenCommandTest, AnyFigureListsWhatItWasCutFromAndARefusedFigureFileExitsOne) {
  std::string names;
  for (const FigureRef& figure : KnownFigures())
    names += figure->name + '\n';
  EXPECT_EQ(Run({"--list-figures"}).out, names);

  const ProcessResult cut = Run({"--figure", "cat", "--pieces", "12", "--seed", "7"});
  ASSERT_EQ(cut.status, kExitOk) << cut.err;
  const nlohmann::json line = nlohmann::json::parse(cut.out);
  EXPECT_EQ(line["figure"], "cat");
  EXPECT_EQ(line["pieces"], 12);
  const ShapeOutline from = OutlineToCut(*KnownFigure("cat"), 12, 7);
  const auto expectPoints = [](const nlohmann::json& points, const DPoint* want, int count) {
    ASSERT_EQ(points.size(), static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
      EXPECT_EQ(points[i][0].get<double>(), want[i].x) << i;
      EXPECT_EQ(points[i][1].get<double>(), want[i].y) << i;
    }
  };
  expectPoints(line["outline"], from.vertices, from.vertexCount);
  expectPoints(line["seeds"], from.seeds, from.seedCount);

  std::ofstream(InScratch("bad.wendrel-figure"))
      << R"({"format": "wendrel-figure", "formatVersion": 1, "name": "B", "outline": [[0, 0], [1, 1]]})";
  const ProcessResult refused =
      Run({"--figure", InScratch("bad.wendrel-figure").string(), "--seed", "1"});
  EXPECT_EQ(refused.status, kExitBadGame);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("outline has 2 vertices"), std::string::npos) << refused.err;
}

}  // namespace
}  // namespace wendrel

// wendrel-gen --game: a saved game printed and drawn as it stands, and a bad file refused
// with the game's own reason.

#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "io/game_file.h"
#include "tests/io/played_game.h"
#include "tests/tools/gen_process.h"
#include "tests/tools/json_reader.h"
#include "tools/gen_command.h"
#include "tools/gen_options.h"

namespace wendrel {
namespace {

using testing::ParseJson;
using testing::ReadFile;
using testing::ScratchDir;
using Args = std::vector<std::string>;
namespace fs = std::filesystem;

struct Result {
  int status;
  std::string out, err;
};

Result Gen(const Args& args) {
  std::ostringstream out, err;
  const int status = RunGenCommand(args, out, err);
  return Result{status, out.str(), err.str()};
}

// The corners of every polygon of the picture in the order drawn, as SVG has them.
std::vector<double> PolygonCorners(const std::string& svg) {
  std::vector<double> corners;
  for (std::size_t at = svg.find("points=\""); at != std::string::npos;
       at = svg.find("points=\"", at)) {
    const char* p = svg.data() + at + 8;
    for (int i = 0; i < 6; ++i) {
      double v = 0;
      p = std::from_chars(p, svg.data() + svg.size(), v).ptr + 1;  // past ',' or ' '
      corners.push_back(v);
    }
    at = p - svg.data();
  }
  return corners;
}

class GenGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(testing::PlayGame(game));
    std::ofstream(gameFile) << WriteGameFile(game.Save(testing::kLeftAt), game.Pieces());
  }
  void Write(const std::string& text) { std::ofstream(gameFile, std::ios::trunc) << text; }

  PuzzleGame game;
  ScratchDir scratch;
  const fs::path gameFile = scratch.path() / "game.wendrel";
  const fs::path picture = scratch.path() / "game.svg";
};

// The game as this program writes it, and as the first format's program wrote it.
TEST_F(GenGameTest, PrintsThePuzzleOnTheBoardWithItsGroupsWhereTheyLie) {
  const Result seed = Gen({"--seed", std::to_string(game.Number())});
  for (const std::string& file :
       {gameFile.string(), std::string(WENDREL_CORPUS_DIR) + "/played.wendrel"}) {
    const Result r = Gen({"--game", file});
    ASSERT_EQ(r.status, kExitOk) << file << ": " << r.err;
    // The puzzle as --seed prints it, up to the groups.
    const std::size_t groups = seed.out.find("\"groups\": ");
    EXPECT_EQ(r.out.substr(0, groups), seed.out.substr(0, groups)) << file;
    const testing::JsonValue json = ParseJson(r.out)["groups"];
    const PieceSet& board = game.Pieces();
    ASSERT_EQ(json.size(), static_cast<std::size_t>(board.GroupCount())) << file;
    for (int g = 0; g < board.GroupCount(); ++g) {
      const PieceGroup& group = board.Group(g);
      EXPECT_EQ(json[g]["pieces"].size(), static_cast<std::size_t>(group.count));
      EXPECT_EQ(json[g]["pieces"][0].AsInt(), group.pieces[0]);
      EXPECT_EQ(json[g]["position"][0].number, group.position.x) << file;
      EXPECT_EQ(json[g]["position"][1].number, group.position.y) << file;
      EXPECT_EQ(json[g]["rotation"].AsInt(), group.rotation);
      EXPECT_EQ(json[g]["flipped"].AsInt(), group.flipped);
    }
  }
}

TEST_F(GenGameTest, DrawsEveryTriangleWhereItsGroupLiesTheFrontGroupLast) {
  const Result r = Gen({"--game", gameFile.string(), "--svg", picture.string()});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  std::vector<double> expected;
  const PieceSet& board = game.Pieces();
  for (int g = board.GroupCount() - 1; g >= 0; --g) {
    board.ForEachTriangle(board.Group(g), [&](int t) {
      for (const DPoint p : {board.Placed(t).a, board.Placed(t).b, board.Placed(t).c})
        expected.insert(expected.end(), {p.x, 0.0 - p.y});
    });
  }
  EXPECT_EQ(PolygonCorners(ReadFile(picture)), expected);
}

TEST_F(GenGameTest, ABadFileIsRefusedWithTheGamesReasonAndNothingMade) {
  const std::string missing = (scratch.path() / "none.wendrel").string();
  const std::string texts[] = {"", "{\"format\": \"wendrel-game\", \"formatVersion\": 7}"};
  const std::string reasons[] = {"it is empty",
                                 "it was made by a newer version of Wendrel (format 7)"};
  for (int i = 0; i < 2; ++i) {
    Write(texts[i]);
    const Result r = Gen({"--game", gameFile.string(), "--svg", picture.string()});
    EXPECT_EQ(r.status, kExitBadGame);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "wendrel-gen: cannot open '" + gameFile.string() + "': " + reasons[i] + "\n");
    EXPECT_FALSE(fs::exists(picture));
  }
  const Result r = Gen({"--game", missing});
  EXPECT_EQ(r.status, kExitBadGame);
  EXPECT_EQ(r.err, "wendrel-gen: cannot open '" + missing + "': " +
                       std::make_error_code(std::errc::no_such_file_or_directory).message() + "\n");
}

TEST(GenGameOptions, TakeOneGameAndAPictureButNoSeedOrShape) {
  const ParsedArgs both = ParseGenArgs({"--svg=p.svg", "--game", "g.wendrel"});
  ASSERT_TRUE(both.ok()) << both.error;
  EXPECT_EQ(both.options.mode, GenOptions::Mode::kGame);
  EXPECT_EQ(both.options.gamePath, "g.wendrel");
  EXPECT_EQ(both.options.svgPath, "p.svg");
  const std::pair<Args, std::string> refused[] = {
      {{"--game"}, "--game needs a file name"},
      {{"--game", "a", "--game", "b"}, "--game given twice"},
      {{"--game", "a", "--seed", "1"}, "--game cannot be used with --seed, --seeds or --stats"},
      {{"--game", "a", "--shape", "oval"},
       "--figure, --shape and --pieces cannot be used with --game: the game names its puzzle"},
  };
  for (const auto& [args, error] : refused)
    EXPECT_EQ(ParseGenArgs(args).error, error);
}

}  // namespace
}  // namespace wendrel

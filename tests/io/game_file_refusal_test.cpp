// Each way a game file is refused: the kind, and the reason a player reads, which names
// the field at fault and what is wrong with it.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "io/game_file.h"
#include "tests/io/played_game.h"

namespace wendrel {
namespace {

using Json = nlohmann::ordered_json;
using Status = GameFileStatus;

struct Refusal {
  // The text of the good file with one fault.
  std::function<std::string(Json)> text;
  Status status;
  std::string reason;
};

std::function<std::string(Json)> Edit(std::function<void(Json&)> edit) {
  return [edit](Json file) {
    edit(file);
    return file.dump();
  };
}

// The good file's text with one value written as it stands, as a library would not.
std::function<std::string(Json)> Written(const std::string& key, const std::string& value) {
  return [=](const Json& file) {
    std::string text = file.dump();
    const std::size_t at = text.find("\"" + key + "\":") + key.size() + 3;
    return text.replace(at, text.find_first_of(",}", at) - at, value);
  };
}

void ExpectRefusals(const Json& good, const std::vector<Refusal>& refusals) {
  for (const Refusal& refusal : refusals) {
    const GameFileRead read = ReadGameFile(refusal.text(good));
    EXPECT_EQ(read.status, refusal.status) << refusal.reason;
    EXPECT_EQ(GameFileReason(read), refusal.reason);
    EXPECT_TRUE(read.game.states.empty()) << refusal.reason;
  }
}

class GameFileRefusalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(testing::PlayGame(game));
    good = Json::parse(WriteGameFile(game.Save(testing::kLeftAt), game.Pieces()));
    // White space may follow the game.
    ASSERT_TRUE(ReadGameFile(good.dump() + " \r\n\t").ok());
    // A piece that does not meet piece 0 in the solved puzzle.
    const PieceSet& pieces = game.Pieces();
    for (int q = 1; q < pieces.PieceCount() && apart == 0; ++q)
      apart = pieces.PiecesAdjacent(0, q) ? 0 : q;
    ASSERT_NE(apart, 0);
  }

  PuzzleGame game;
  Json good;
  int apart = 0;
};

TEST_F(GameFileRefusalTest, EachFaultHasItsReason) {
  ExpectRefusals(
      good,
      {
          {[](const Json& f) { return f.dump() + std::string("\0garbage{{{", 11); },
           Status::kNotAGame, "it is not a Wendrel game"},
          {[](const Json& f) { return f.dump() + "\n{}"; }, Status::kNotAGame,
           "it is not a Wendrel game"},
          {Edit([](Json& f) { f["format"] = "wendrel-save"; }), Status::kNotAGame,
           "it is not a Wendrel game"},
          {Edit([](Json& f) { f["formatVersion"] = 4; }), Status::kNewerFormat,
           "it was made by a newer version of Wendrel (format 4)"},
          {Written("formatVersion", "1e30"), Status::kNewerFormat,
           "it was made by a newer version of Wendrel (format 1e30)"},
          {Edit([](Json& f) { f["formatVersion"] = 0; }), Status::kDamaged,
           "it is damaged: formatVersion is out of range"},
          {Edit([](Json& f) { f["formatVersion"] = 1.5; }), Status::kDamaged,
           "it is damaged: formatVersion is not a whole number"},
          {Edit([](Json& f) { f.erase("program"); }), Status::kDamaged,
           "it is damaged: program is missing"},
          {Edit([](Json& f) { f["segments"][1][0] = "dodecahedron"; }), Status::kUnknownShape,
           "its shape 'dodecahedron' is unknown"},
          {Edit([](Json& f) {
             f["segments"][1][0] = std::string(39, 'x') + "\xc3\xa9" + std::string(20, 'y');
           }),
           Status::kUnknownShape, "its shape '" + std::string(39, 'x') + "...' is unknown"},
          {Edit([](Json& f) { f["fingerprint"] = "0123456789abcdef"; }), Status::kOtherPieces,
           "its pieces do not match the pieces this version cuts"},
          {Edit([](Json& f) { f["segments"][0][1] = 3752; }), Status::kDamaged,
           "it is damaged: segments[0].number makes no puzzle"},
          {Edit([](Json& f) { f["segments"][0][1] = 2147483648u; }), Status::kDamaged,
           "it is damaged: segments[0].number is out of range"},
          {Edit([](Json& f) { f["segments"][0][2] = 1.5; }), Status::kDamaged,
           "it is damaged: segments[0].playingMs is not a whole number"},
          {Edit([](Json& f) { f["segments"][1][2] = kMaxPlayingMs + 1; }), Status::kDamaged,
           "it is damaged: segments[1].playingMs is out of range"},
          {Edit([](Json& f) { f["segments"][0][3] = -1; }), Status::kDamaged,
           "it is damaged: segments[0].hints is out of range"},
          {Edit([](Json& f) { f["segments"][0][3] = std::int64_t{kMaxHints} + 1; }),
           Status::kDamaged, "it is damaged: segments[0].hints is out of range"},
          {Edit([](Json& f) { f["segments"][0][5] = 1; }), Status::kDamaged,
           "it is damaged: segments[0].clockStarted is not true or false"},
          {Edit([](Json& f) { f["segments"][0].erase(6); }), Status::kDamaged,
           "it is damaged: segments[0] is not [figure, number, playingMs, hints, "
           "solvedByProgram, clockStarted, solvedBefore, pieces]"},
          {Edit([](Json& f) { f["segments"][0][7] = 21; }), Status::kDamaged,
           "it is damaged: segments[0].pieces is out of range"},
          {Edit([](Json& f) {
             f["figures"] =
                 Json::array({{{"id", "mine"}, {"name", "Mine"}, {"outline", {{0, 0}, {1, 0}}}}});
           }),
           Status::kDamaged,
           "it is damaged: figures[0].outline does not make a figure that can be cut"},
          {Edit([](Json& f) { f["segments"] = Json::array(); }), Status::kDamaged,
           "it is damaged: segments is not a list of 1 to 1001 segments"},
          {Edit([](Json& f) { f["current"] = 8; }), Status::kDamaged,
           "it is damaged: current is out of range"},
          {Written("current", "18446744073709551616"), Status::kDamaged,
           "it is damaged: current is out of range"},
          {Edit([](Json& f) { f["states"][3]["segment"] = 2; }), Status::kDamaged,
           "it is damaged: states[3].segment is out of range"},
          {Edit([](Json& f) { f["states"] = Json::array(); }), Status::kDamaged,
           "it is damaged: states is not a list of 1 to 1001 states"},
          {Edit([](Json& f) { f["states"][3] = "turn"; }), Status::kDamaged,
           "it is damaged: states[3] is not an object"},
          {Edit([](Json& f) {
             f["states"][3]["groups"][0] = {1, 2};
           }),
           Status::kDamaged,
           "it is damaged: states[3].groups[0] is not [pieces, x, y, rotation, flipped]"},
          {Edit([](Json& f) { f["states"][5]["groups"][0][0] = Json::array(); }), Status::kDamaged,
           "it is damaged: states[5].groups[0].pieces is not a list of 1 to 20 pieces"},
          {Edit([](Json& f) { f["states"][5]["groups"][0][1] = 1e6; }), Status::kDamaged,
           "it is damaged: states[5].groups[0].x is out of range"},
          {Edit([](Json& f) { f["states"][5]["groups"][0][2] = "up"; }), Status::kDamaged,
           "it is damaged: states[5].groups[0].y is not a number"},
          {Edit([](Json& f) { f["states"][5]["groups"][0][3] = 12; }), Status::kDamaged,
           "it is damaged: states[5].groups[0].rotation is out of range"},
          {Edit([](Json& f) { f["states"][5]["groups"][0][3] = 18446744073709551616.0; }),
           Status::kDamaged, "it is damaged: states[5].groups[0].rotation is out of range"},
          {Edit([](Json& f) { f["states"][5]["groups"][0][4] = 2; }), Status::kDamaged,
           "it is damaged: states[5].groups[0].flipped is out of range"},
          {Edit([](Json& f) { f["states"][0]["groups"][1][0] = {40}; }), Status::kDamaged,
           "it is damaged: states[0].groups[1].pieces[0] is out of range"},
          {Edit([](Json& f) { f["states"][0]["groups"][1][0] = {0}; }), Status::kDamaged,
           "it is damaged: states[0].groups[1].pieces[0] repeats piece 0"},
          // The oval's table, though its puzzle is not cut.
          {Edit([](Json& f) { f["states"][6]["groups"][0][0] = {5}; }), Status::kDamaged,
           "it is damaged: states[6].groups[0].pieces[0] is not a piece of this puzzle"},
          {Edit([](Json& f) { f["states"][0]["groups"].erase(14); }), Status::kDamaged,
           "it is damaged: states[0].groups leave out piece 14"},
          {Edit([&](Json& f) {
             f["states"][0]["groups"][0][0] = {0, apart};
             f["states"][0]["groups"].erase(apart);
           }),
           Status::kDamaged,
           "it is damaged: states[0].groups[0].pieces do not all meet in the solved puzzle"},
      });
}

// Format 1's own fields, and the caps on its counters, which it shares with this format.
TEST(GameFileRefusal, TheFirstFormatHasItsOwnFaults) {
  std::ostringstream text;
  text << std::ifstream(std::string(WENDREL_CORPUS_DIR) + "/played.wendrel").rdbuf();
  ExpectRefusals(Json::parse(text.str()),
                 {
                     {Edit([](Json& f) { f["number"] = 1001; }), Status::kDamaged,
                      "it is damaged: number is not that of states[5]"},
                     {Edit([](Json& f) { f["solved"] = true; }), Status::kDamaged,
                      "it is damaged: solved does not match the groups on the board"},
                     {Edit([](Json& f) { f["playingMs"] = kMaxPlayingMs + 1; }), Status::kDamaged,
                      "it is damaged: playingMs is out of range"},
                     {Edit([](Json& f) { f["states"][6]["groups"][0][0] = {5}; }), Status::kDamaged,
                      "it is damaged: states[6].groups[0].pieces[0] is not a piece of this puzzle"},
                 });
}

TEST(GameFileRefusal, TextsOfOtherKindsAreNoGame) {
  const std::string texts[] = {
      "{\"format\": \"wendrel-game\", \"formatVersion\": 1",  // cut short
      "[\"wendrel-game\"]",
      "{\"name\": \"a drawing\", \"format\": 3}",
      std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
  };
  for (const std::string& text : texts) {
    const GameFileRead read = ReadGameFile(text);
    EXPECT_EQ(read.status, Status::kNotAGame) << text;
    EXPECT_EQ(GameFileReason(read), "it is not a Wendrel game");
  }
}

// Both halves of a reason in the player's language, each detail filled in once.
TEST(GameFileRefusal, TheReasonIsWordedInTheLanguageGiven) {
  GameFileRead read;
  read.status = Status::kDamaged;
  read.field = "states[0].groups[1].pieces[0]";
  read.fault = "repeats piece %1";
  read.detail = "%2";
  const auto german = [](const char* wording) -> std::string {
    const std::string english = wording;
    if (english == "it is damaged: %1 %2")
      return "beschädigt: %2 (%1)";
    return english == "repeats piece %1" ? "Teil %1 doppelt" : english;
  };
  EXPECT_EQ(GameFileReason(read, german),
            "beschädigt: Teil %2 doppelt (states[0].groups[1].pieces[0])");
}

}  // namespace
}  // namespace wendrel

// Each way a game file is refused: the kind, and the reason a player reads, which names
// the field at fault.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <string>
#include <vector>

#include "io/game_file.h"
#include "tests/io/played_game.h"

namespace wendrel {
namespace {

using Json = nlohmann::ordered_json;
using Status = GameFileStatus;

struct Refusal {
  std::function<void(Json&)> edit;
  Status status;
  std::string reason;
};

class GameFileRefusalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(testing::PlayGame(game));
    good = Json::parse(WriteGameFile(game.Save(), game.Pieces()));
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
  ASSERT_TRUE(ReadGameFile(good.dump()).ok());
  const std::vector<Refusal> refusals = {
      {[](Json& f) { f["format"] = "wendrel-save"; }, Status::kNotAGame,
       "it is not a Wendrel game"},
      {[](Json& f) { f["formatVersion"] = 2; }, Status::kNewerFormat,
       "it was made by a newer version of Wendrel (format 2)"},
      {[](Json& f) { f["formatVersion"] = 0; }, Status::kDamaged,
       "it is damaged: formatVersion is out of range"},
      {[](Json& f) { f.erase("program"); }, Status::kDamaged, "it is damaged: program is missing"},
      {[](Json& f) { f["shape"] = "star"; }, Status::kUnknownShape, "its shape 'star' is unknown"},
      {[](Json& f) {
         f["states"][6]["shape"] = std::string(39, 'x') + "\xc3\xa9" + std::string(20, 'y');
       },
       Status::kUnknownShape, "its shape '" + std::string(39, 'x') + "...' is unknown"},
      {[](Json& f) { f["number"] = 1001; }, Status::kDamaged,
       "it is damaged: number is not that of states[5]"},
      {[](Json& f) { f["number"] = 2147483648u; }, Status::kDamaged,
       "it is damaged: number is out of range"},
      {[](Json& f) { f["fingerprint"] = "0123456789abcdef"; }, Status::kOtherPieces,
       "its pieces do not match the pieces this version cuts"},
      {[](Json& f) { f["solved"] = true; }, Status::kDamaged,
       "it is damaged: solved does not match the groups on the board"},
      {[](Json& f) { f["playingMs"] = 1.5; }, Status::kDamaged,
       "it is damaged: playingMs is not a whole number"},
      {[](Json& f) { f["hints"] = -1; }, Status::kDamaged, "it is damaged: hints is out of range"},
      {[](Json& f) { f["clockStarted"] = 1; }, Status::kDamaged,
       "it is damaged: clockStarted is not true or false"},
      {[](Json& f) { f["current"] = 8; }, Status::kDamaged,
       "it is damaged: current is out of range"},
      {[](Json& f) { f["states"] = Json::array(); }, Status::kDamaged,
       "it is damaged: states is not a list of 1 to 1001 states"},
      {[](Json& f) { f["states"][3] = "turn"; }, Status::kDamaged,
       "it is damaged: states[3] is not an object"},
      {[](Json& f) {
         f["states"][3]["groups"][0] = {1, 2};
       },
       Status::kDamaged,
       "it is damaged: states[3].groups[0] is not [pieces, x, y, rotation, flipped]"},
      {[](Json& f) { f["states"][5]["groups"][0][0] = Json::array(); }, Status::kDamaged,
       "it is damaged: states[5].groups[0].pieces is not a list of 1 to 20 pieces"},
      {[](Json& f) { f["states"][5]["groups"][0][1] = 1e6; }, Status::kDamaged,
       "it is damaged: states[5].groups[0].x is out of range"},
      {[](Json& f) { f["states"][5]["groups"][0][2] = "up"; }, Status::kDamaged,
       "it is damaged: states[5].groups[0].y is not a number"},
      {[](Json& f) { f["states"][5]["groups"][0][3] = 12; }, Status::kDamaged,
       "it is damaged: states[5].groups[0].rotation is out of range"},
      {[](Json& f) { f["states"][5]["groups"][0][4] = 2; }, Status::kDamaged,
       "it is damaged: states[5].groups[0].flipped is out of range"},
      {[](Json& f) { f["states"][0]["groups"][1][0] = {40}; }, Status::kDamaged,
       "it is damaged: states[0].groups[1].pieces[0] is out of range"},
      {[](Json& f) { f["states"][0]["groups"][1][0] = {0}; }, Status::kDamaged,
       "it is damaged: states[0].groups[1].pieces[0] repeats piece 0"},
      {[](Json& f) { f["states"][6]["groups"][0][0] = {5}; }, Status::kDamaged,
       "it is damaged: states[6].groups[0].pieces[0] is not a piece of this puzzle"},
      {[](Json& f) { f["states"][0]["groups"].erase(14); }, Status::kDamaged,
       "it is damaged: states[0].groups leave out piece 14"},
      {[&](Json& f) {
         f["states"][0]["groups"][0][0] = {0, apart};
         f["states"][0]["groups"].erase(apart);
       },
       Status::kDamaged,
       "it is damaged: states[0].groups[0].pieces do not all meet in the solved puzzle"},
      // A seed whose cut fails.
      {[](Json& f) { f["states"][6]["shape"] = "three-hearts", f["states"][6]["number"] = 3752; },
       Status::kDamaged, "it is damaged: states[6].number makes no puzzle"},
  };
  for (const Refusal& refusal : refusals) {
    Json file = good;
    refusal.edit(file);
    const GameFileRead read = ReadGameFile(file.dump());
    EXPECT_EQ(read.status, refusal.status) << refusal.reason;
    EXPECT_EQ(GameFileReason(read), refusal.reason);
    EXPECT_TRUE(read.game.states.empty()) << refusal.reason;
  }
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

}  // namespace
}  // namespace wendrel

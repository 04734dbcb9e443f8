#include "io/game_file.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "assembly/generate_puzzle.h"
#include "io/piece_fingerprint.h"
#include "tests/io/played_game.h"

namespace wendrel {
namespace {

using testing::kLeftAt;
using testing::kPlayedArea;
using testing::PlayGame;
using Json = nlohmann::ordered_json;

std::string Corpus(const std::string& name) {
  std::ostringstream text;
  text << std::ifstream(std::string(WENDREL_CORPUS_DIR) + "/" + name).rdbuf();
  return text.str();
}

TEST(GameFile, AGameComesBackWholeInAFreshProgram) {
  PuzzleGame played;
  ASSERT_NO_FATAL_FAILURE(PlayGame(played));
  const SavedGame saved = played.Save(kLeftAt);
  const std::string text = WriteGameFile(saved, played.Pieces());

  const GameFileRead read = ReadGameFile(text);
  ASSERT_TRUE(read.ok()) << GameFileReason(read);
  EXPECT_EQ(read.game.segments, saved.segments);
  EXPECT_EQ(read.game.current, saved.current);
  // Pivots are not written: the board's tables get theirs back to the bit on reading.
  for (std::size_t i = 0; i <= saved.current; ++i)
    EXPECT_TRUE(SameGroups(read.game.states[i].groups, saved.states[i].groups)) << i;
  EXPECT_EQ(WriteGameFile(read.game, played.Pieces()), text);

  PuzzleGame fresh;
  ASSERT_TRUE(fresh.Restore(read.game, kPlayedArea, kLeftAt));
  EXPECT_TRUE(SameGroups(fresh.Pieces().Groups(), played.Pieces().Groups()));
  EXPECT_EQ(WriteGameFile(fresh.Save(kLeftAt), fresh.Pieces()), text);
  // The redo steps lead on to the other puzzle, as they did, with its own progress.
  for (PuzzleGame* game : {&fresh, &played}) {
    ASSERT_EQ(game->Redo(kPlayedArea, kLeftAt), PuzzleGame::Step::kDone);
    ASSERT_EQ(game->Redo(kPlayedArea, kLeftAt), PuzzleGame::Step::kDone);
  }
  EXPECT_EQ(fresh.Id(), played.Id());
  EXPECT_TRUE(SameGroups(fresh.Pieces().Groups(), played.Pieces().Groups()));
  EXPECT_EQ(fresh.PlayingMs(kLeftAt), played.PlayingMs(kLeftAt));
}

TEST(GameFile, NoGameIsTheEmptyFileWhichOpensAsNothing) {
  PuzzleGame none;
  EXPECT_EQ(WriteGameFile(none.Save(0), none.Pieces()), "");
  const GameFileRead read = ReadGameFile("");
  EXPECT_EQ(read.status, GameFileStatus::kEmpty);
  EXPECT_TRUE(read.game.states.empty());
}

TEST(GameFile, ATextOverTheLimitIsRefusedUnread) {
  PuzzleGame played;
  ASSERT_NO_FATAL_FAILURE(PlayGame(played));
  std::string text = WriteGameFile(played.Save(kLeftAt), played.Pieces());
  text.resize(kMaxGameFileBytes, ' ');
  EXPECT_TRUE(ReadGameFile(text).ok());
  text += ' ';
  const GameFileRead read = ReadGameFile(text);
  EXPECT_EQ(read.status, GameFileStatus::kTooLarge);
  EXPECT_EQ(GameFileReason(read), "it is over 1 MB, too large for a Wendrel game");
}

// The longest history the game keeps, each state of another puzzle, with the most groups
// at positions whose shortest exact form is as long as a double's gets and the longest
// numbers: the file stays well under the limit and every value comes back to the bit.
TEST(GameFile, AFullHistoryOfDifferentPuzzlesFitsWellUnderTheLimit) {
  PuzzleGame game;
  ASSERT_TRUE(game.Generate(PuzzleId{Shape::kThreeHearts, 1000}, PieceSet::kSurfaceArea, 0));
  const SavedGame one = game.Save(0);
  SavedGame full;
  for (std::size_t i = 0; i <= GroupHistory::kMaxSteps; ++i) {
    const PuzzleProgress most{kMaxPlayingMs, kMaxHints, true, true, true};
    full.segments.push_back(PuzzleSegment{{Shape::kThreeHearts, -2147483647 + int(i)}, most});
    full.states.push_back(PuzzleState{i, one.states[0].groups});
    GroupTable& table = full.states.back().groups;
    for (int g = 0; g < table.count; ++g)
      table.groups[g].position = DPoint{-1.0 / (3e5 + g), -99999.0 - 1.0 / (7.0 + i)};
  }
  full.current = full.states.size() - 1;
  full.segments.back().puzzle = one.segments[0].puzzle;
  const std::string text = WriteGameFile(full, game.Pieces());
  EXPECT_LT(text.size(), kMaxGameFileBytes * 9 / 10);
  const GameFileRead read = ReadGameFile(text);
  ASSERT_TRUE(read.ok()) << GameFileReason(read);
  EXPECT_EQ(read.game.segments, full.segments);
  EXPECT_EQ(WriteGameFile(read.game, game.Pieces()), text);
}

// Format 1 kept the progress of the board's puzzle alone: its states share one segment
// with that progress, and each other puzzle has a segment of its own with none.
TEST(GameFile, GamesOfTheFirstFormatOpenWithTheProgressOnTheBoardsPuzzle) {
  const auto puzzleOf = [](const Json& names) {
    return PuzzleId{*ShapeNamed(names["shape"].get<std::string>()), names["number"].get<int>()};
  };
  for (const char* name : {"played.wendrel", "oval.wendrel", "heart-solved.wendrel"}) {
    const std::string text = Corpus(name);
    const GameFileRead read = ReadGameFile(text);
    ASSERT_TRUE(read.ok()) << name << ": " << GameFileReason(read);
    const Json file = Json::parse(text);
    const PuzzleId board = puzzleOf(file);
    const PuzzleProgress progress{file["playingMs"].get<std::int64_t>(), file["hints"].get<int>(),
                                  file["solvedByProgram"].get<bool>(),
                                  file["clockStarted"].get<bool>(),
                                  file["solvedBefore"].get<bool>()};
    ASSERT_EQ(read.game.states.size(), file["states"].size()) << name;
    std::vector<bool> seen(read.game.segments.size());
    for (std::size_t i = 0; i < read.game.states.size(); ++i) {
      const PuzzleSegment& segment = read.game.segments.at(read.game.states[i].segment);
      const Json& state = file["states"][i];
      EXPECT_EQ(segment.puzzle, puzzleOf(state)) << name << " state " << i;
      EXPECT_EQ(segment.progress, segment.puzzle == board ? progress : PuzzleProgress{}) << name;
      seen[read.game.states[i].segment] = true;
    }
    // One segment for each puzzle.
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), static_cast<long>(seen.size())) << name;
    const std::size_t current = file["current"].get<std::size_t>();
    EXPECT_EQ(read.game.segments[read.game.states[current].segment].puzzle, board) << name;
  }
}

// Games of this format saved by its first program, kept in the fuzz corpus: a change that
// would refuse them needs a new format version.
TEST(GameFile, GamesSavedBeforeStillOpen) {
  for (const char* name : {"oval-restarted.wendrel", "heart-between-ovals.wendrel"}) {
    const GameFileRead read = ReadGameFile(Corpus(name));
    EXPECT_TRUE(read.ok()) << name << ": " << GameFileReason(read);
  }
}

// Only the board's puzzle is cut on reading: a table of another puzzle that cannot be
// cut opens, and the record refuses the step that would show it.
TEST(GameFile, AnotherPuzzleIsCutOnlyWhenUndoOrRedoReachesIt) {
  PuzzleGame played;
  ASSERT_NO_FATAL_FAILURE(PlayGame(played));
  Json file = Json::parse(WriteGameFile(played.Save(kLeftAt), played.Pieces()));
  file["segments"][1][0] = "three-hearts";
  file["segments"][1][1] = 3752;  // a number whose cut fails
  file["segments"][1][7] = 15;
  file["states"][6]["groups"] = file["states"][7]["groups"] = file["states"][0]["groups"];
  const GameFileRead read = ReadGameFile(file.dump());
  ASSERT_TRUE(read.ok()) << GameFileReason(read);
  PuzzleGame game;
  ASSERT_TRUE(game.Restore(read.game, kPlayedArea, kLeftAt));
  ASSERT_EQ(game.Redo(kPlayedArea, kLeftAt), PuzzleGame::Step::kRefused);
  EXPECT_EQ(game.Id(), (PuzzleId{Shape::kThreeHearts, 1000}));
  EXPECT_TRUE(SameGroups(game.Pieces().Groups(), played.Pieces().Groups()));
}

TEST(PieceFingerprint, TellsCutsApartAndIsTheSameForTheSameCut) {
  const ShapeLibrary library;
  PuzzleGenerator generator;
  PieceSet pieces;
  std::string prints[3];
  const PuzzleId ids[3] = {{Shape::kThreeHearts, 1}, {Shape::kThreeHearts, 2}, {Shape::kHeart, 1}};
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(GeneratePuzzle(ids[i], generator, pieces));
    prints[i] = PieceFingerprint(pieces);
  }
  EXPECT_NE(prints[0], prints[1]);
  EXPECT_NE(prints[0], prints[2]);
  ASSERT_TRUE(GeneratePuzzle(ids[0], generator, pieces));
  EXPECT_EQ(PieceFingerprint(pieces), prints[0]);
}

}  // namespace
}  // namespace wendrel

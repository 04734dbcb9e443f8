#include "io/game_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "assembly/generate_puzzle.h"
#include "io/piece_fingerprint.h"
#include "tests/io/played_game.h"

namespace wendrel {
namespace {

using testing::kPlayedArea;
using testing::PlayGame;

void ExpectSameGame(const SavedGame& a, const SavedGame& b) {
  ASSERT_EQ(a.states.size(), b.states.size());
  for (std::size_t i = 0; i < a.states.size(); ++i) {
    EXPECT_EQ(a.states[i].puzzle, b.states[i].puzzle) << "state " << i;
    // Pivots and positions to the bit.
    EXPECT_TRUE(SameGroups(a.states[i].groups, b.states[i].groups)) << "state " << i;
  }
  EXPECT_EQ(a.current, b.current);
  EXPECT_EQ(a.progress.playingMs, b.progress.playingMs);
  EXPECT_EQ(a.progress.hints, b.progress.hints);
  EXPECT_EQ(a.progress.solvedByProgram, b.progress.solvedByProgram);
  EXPECT_EQ(a.progress.started, b.progress.started);
  EXPECT_EQ(a.progress.solvedBefore, b.progress.solvedBefore);
}

TEST(GameFile, AGameComesBackWholeInAFreshProgram) {
  PuzzleGame played;
  ASSERT_NO_FATAL_FAILURE(PlayGame(played));
  const SavedGame saved = played.Save();
  const std::string text = WriteGameFile(saved, played.Pieces());

  const GameFileRead read = ReadGameFile(text);
  ASSERT_TRUE(read.ok()) << GameFileReason(read);
  ExpectSameGame(read.game, saved);

  PuzzleGame fresh;
  ASSERT_TRUE(fresh.Restore(read.game, kPlayedArea));
  EXPECT_TRUE(SameGroups(fresh.Pieces().Groups(), played.Pieces().Groups()));
  ExpectSameGame(fresh.Save(), saved);
  EXPECT_EQ(WriteGameFile(fresh.Save(), fresh.Pieces()), text);
  // The redo steps lead on to the other puzzle, as they did.
  ASSERT_TRUE(fresh.Redo(kPlayedArea) && fresh.Redo(kPlayedArea));
  ASSERT_TRUE(played.Redo(kPlayedArea) && played.Redo(kPlayedArea));
  EXPECT_EQ(fresh.Id(), played.Id());
  EXPECT_TRUE(SameGroups(fresh.Pieces().Groups(), played.Pieces().Groups()));
}

TEST(GameFile, NoGameIsTheEmptyFileWhichOpensAsNothing) {
  PuzzleGame none;
  EXPECT_EQ(WriteGameFile(none.Save(), none.Pieces()), "");
  const GameFileRead read = ReadGameFile("");
  EXPECT_EQ(read.status, GameFileStatus::kEmpty);
  EXPECT_TRUE(read.game.states.empty());
}

TEST(GameFile, ATextOverTheLimitIsRefusedUnread) {
  PuzzleGame played;
  ASSERT_NO_FATAL_FAILURE(PlayGame(played));
  std::string text = WriteGameFile(played.Save(), played.Pieces());
  text.resize(kMaxGameFileBytes, ' ');
  EXPECT_TRUE(ReadGameFile(text).ok());
  text += ' ';
  const GameFileRead read = ReadGameFile(text);
  EXPECT_EQ(read.status, GameFileStatus::kTooLarge);
  EXPECT_EQ(GameFileReason(read), "it is over 1 MB, too large for a Wendrel game");
}

// The longest history the game keeps, of the most groups, at positions whose shortest
// exact form is as long as a double's gets: the file stays under the limit and every
// position comes back to the bit.
TEST(GameFile, AFullHistoryFitsUnderTheLimit) {
  PuzzleGame game;
  ASSERT_TRUE(game.Generate(Shape::kThreeHearts, 1000));
  SavedGame full = game.Save();
  full.states.resize(GroupHistory::kMaxSteps + 1, full.states[0]);
  for (std::size_t i = 0; i < full.states.size(); ++i) {
    GroupTable& table = full.states[i].groups;
    for (int g = 0; g < table.count; ++g)
      table.groups[g].position = DPoint{-1.0 / (3e5 + g), -99999.0 - 1.0 / (7.0 + i)};
  }
  full.current = full.states.size() - 1;
  const std::string text = WriteGameFile(full, game.Pieces());
  EXPECT_LT(text.size(), kMaxGameFileBytes);
  const GameFileRead read = ReadGameFile(text);
  ASSERT_TRUE(read.ok()) << GameFileReason(read);
  ExpectSameGame(read.game, full);
}

// Games saved by this format's first program, kept in the fuzz corpus: a change that
// would refuse them needs a new format version.
TEST(GameFile, GamesSavedBeforeStillOpen) {
  for (const char* name : {"played.wendrel", "oval.wendrel", "heart-solved.wendrel"}) {
    std::ostringstream text;
    text << std::ifstream(std::string(WENDREL_CORPUS_DIR) + "/" + name).rdbuf();
    const GameFileRead read = ReadGameFile(text.str());
    EXPECT_TRUE(read.ok()) << name << ": " << GameFileReason(read);
  }
}

TEST(PieceFingerprint, TellsCutsApartAndIsTheSameForTheSameCut) {
  const ShapeLibrary library;
  PuzzleGenerator generator;
  PieceSet pieces;
  std::string prints[3];
  const PuzzleId ids[3] = {{Shape::kThreeHearts, 1}, {Shape::kThreeHearts, 2}, {Shape::kHeart, 1}};
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(GeneratePuzzle(ids[i].number, library, generator, pieces, ids[i].shape));
    prints[i] = PieceFingerprint(pieces);
  }
  EXPECT_NE(prints[0], prints[1]);
  EXPECT_NE(prints[0], prints[2]);
  ASSERT_TRUE(GeneratePuzzle(ids[0].number, library, generator, pieces, ids[0].shape));
  EXPECT_EQ(PieceFingerprint(pieces), prints[0]);
}

}  // namespace
}  // namespace wendrel

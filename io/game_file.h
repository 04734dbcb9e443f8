#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "assembly/piece_set.h"
#include "assembly/puzzle_game.h"

namespace wendrel {

// A saved game as a file: one line of UTF-8 JSON, like
//
//   {"format":"wendrel-game","formatVersion":1,"program":"2.0.0",
//    "shape":"three-hearts","number":1234,"fingerprint":"5f0e3c1a9b2d4e68","solved":false,
//    "playingMs":83000,"hints":1,"solvedByProgram":false,"clockStarted":true,
//    "solvedBefore":false,"current":1,
//    "states":[{"shape":"three-hearts","number":1234,"groups":[[[0],-320.0,180.0,5,1],...]},
//              ...]}
//
// shape, number and fingerprint (that of its pieces) name the puzzle on the board,
// whose groups are states[current]. The states are the undo history, oldest first. Each
// group, front to back, is [members, x, y, rotation, flipped]: arrays rather than objects
// keep a whole history of 1001 tables of 15 groups under the size limit. Positions are
// written in the shortest form that reads back as the same double; a group's pivot is not
// written, as it follows from its members.
inline constexpr std::string_view kGameFileExtension = ".wendrel";
inline constexpr int kGameFileFormat = 1;
// A longer text is refused unread.
inline constexpr std::size_t kMaxGameFileBytes = std::size_t{1} << 20;
// The bound on a group's position in model units, far beyond any window.
inline constexpr double kMaxGamePosition = 100000.0;

// The file of game. board holds the pieces of the puzzle on the board (the game
// record's), whose fingerprint the file keeps. A game with no state, as a record with no
// puzzle saves it, is the empty text, which opens as nothing.
std::string WriteGameFile(const SavedGame& game, const PieceSet& board);

enum class GameFileStatus {
  kGame,          // a game, checked against the puzzles this program cuts
  kEmpty,         // the empty text: nothing to open, which changes nothing
  kTooLarge,      // over kMaxGameFileBytes
  kNotAGame,      // not JSON, or JSON without the format name
  kNewerFormat,   // a format version beyond kGameFileFormat
  kUnknownShape,  // a shape name this program does not know
  kOtherPieces,   // the fingerprint differs from the pieces this program cuts
  kDamaged,       // some field is missing, of the wrong kind or out of range
};

struct GameFileRead {
  GameFileStatus status = GameFileStatus::kGame;
  // kGame only: tables that were checked, with their pivots computed, for Restore.
  SavedGame game;
  // kDamaged and kUnknownShape: where, as "states[2].groups[3].rotation".
  std::string field;
  // kDamaged: what is wrong, as "is out of range"; kUnknownShape: the name;
  // kNewerFormat: the format version.
  std::string detail;

  bool ok() const { return status == GameFileStatus::kGame; }
};

// Reads and checks a game file's text. Every puzzle of the history is cut again from its
// shape and number, the one on the board must match its fingerprint, and every table
// must hold each piece of its puzzle in exactly one group, each group joined by the
// sides of the solved puzzle, turned 0 to 11, mirrored or not, within kMaxGamePosition.
GameFileRead ReadGameFile(std::string_view text);

// Why a file cannot be opened, to follow its name ("Cannot open NAME: ") in a message:
// "it is not a Wendrel game", "it is damaged: states[0].number is missing". Empty for a
// good game.
std::string GameFileReason(const GameFileRead& read);

// The same reason as its English wording, with %1 and %2 where the details go, and the
// details: the game shows the wording in the player's language (lupdate finds it under the
// context "GameFile") and fills in the details itself.
struct GameFileReasonParts {
  const char* wording = "";
  std::vector<std::string> details;
};
GameFileReasonParts GameFileReasonWording(const GameFileRead& read);

}  // namespace wendrel

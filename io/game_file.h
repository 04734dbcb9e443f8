#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "assembly/piece_set.h"
#include "assembly/puzzle_game.h"

namespace wendrel {

// A saved game as a file: one line of UTF-8 JSON, like
//
//   {"format":"wendrel-game","formatVersion":3,"program":"2.0.0",
//    "fingerprint":"5f0e3c1a9b2d4e68","current":1,"figures":[{"id":"my-fish",...}],
//    "segments":[["three-hearts",1234,83000,1,false,true,false,15],...],
//    "states":[{"segment":0,"groups":[[[0],-320.0,180.0,5,1],...]},...]}
//
// segments lists each cut of a puzzle in the history once, as [figure, number, playingMs,
// hints, solvedByProgram, clockStarted, solvedBefore, pieces]. A figure that this program
// does not know as it stands (a player's own) is kept in figures, as KeptFigureJson writes
// it, so that the game opens where its file was never seen. The states are the undo
// history, oldest first, each naming its segment by index; the board shows
// states[current], and fingerprint is that of its puzzle's pieces. Each group, front to
// back, is [members, x, y, rotation, flipped]. Arrays rather than objects keep a history of
// 1001 tables of 15 groups, each of another puzzle, under the size limit. Positions are
// written in the shortest form that reads back as the same double; a group's pivot is not
// written, as it follows from its members.
//
// Format 2 had no figures and no pieces: its segments name a built-in shape, cut with its
// own seeds.
//
// Format 1 kept the progress of the board's puzzle alone, at the top level beside its
// shape, number and whether it was solved, and named the puzzle in each state:
//
//   {"format":"wendrel-game","formatVersion":1,"program":"2.0.0","shape":"three-hearts",
//    "number":1234,"fingerprint":"5f0e3c1a9b2d4e68","solved":false,"playingMs":83000,
//    "hints":1,"solvedByProgram":false,"clockStarted":true,"solvedBefore":false,
//    "current":1,"states":[{"shape":"three-hearts","number":1234,"groups":[...]},...]}
//
// It opens with one segment for the board's puzzle, which has that progress, and one with
// no progress for each other puzzle of its history.
inline constexpr std::string_view kGameFileExtension = ".wendrel";
inline constexpr int kGameFileFormat = 3;
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
  kNotAGame,      // not one JSON value alone (white space aside), or without the format name
  kNewerFormat,   // a format version beyond kGameFileFormat
  kUnknownShape,  // a shape name this program does not know
  kOtherPieces,   // the fingerprint differs from the pieces this program cuts
  kDamaged,       // some field is missing, of the wrong kind or out of range
};

struct GameFileRead {
  GameFileStatus status = GameFileStatus::kGame;
  // kGame only: the game for PuzzleGame::Restore. The tables of the board's puzzle are
  // checked against its pieces and have their pivots; the others are checked for what
  // needs no cut of their puzzle, and the record checks the rest when undo or redo reaches
  // them. It brings the board's puzzle as the reader cut it, so that Restore need not cut
  // it again.
  SavedGame game;
  // kDamaged and kUnknownShape: where, as "states[2].groups[3].rotation".
  std::string field;
  // kDamaged: what is wrong, as its English wording with %1 where the detail goes
  // ("repeats piece %1"), marked for translation under the context "GameFile".
  const char* fault = "";
  // kDamaged: what fills in the fault's %1, if it has one; kUnknownShape: the name;
  // kNewerFormat: the format version as the file writes it.
  std::string detail;

  bool ok() const { return status == GameFileStatus::kGame; }
};

// Reads and checks a game file's text, of this format or format 1. The puzzle on the board
// is cut again from its shape and number and must match the fingerprint; every table of
// that puzzle must hold each of its pieces in exactly one group, each group joined by the
// sides of the solved puzzle. The tables of other puzzles are checked without a cut: each
// of their shape's pieces in exactly one group. Every group must be turned 0 to 11,
// mirrored or not, and lie within kMaxGamePosition, and every number within the range
// that the game record keeps, so that no counter can overflow.
GameFileRead ReadGameFile(std::string_view text);

// Puts an English wording of a reason, marked with WENDREL_TRANSLATABLE("GameFile", ...),
// in the player's language: the game passes QCoreApplication::translate.
using GameFileTranslation = std::function<std::string(const char* wording)>;

// Why a file cannot be opened, to follow its name ("Cannot open NAME: ") in a message:
// "it is not a Wendrel game", "it is damaged: states[0].groups leave out piece 4", in the
// language that translate gives, English without it. Empty for a good game.
std::string GameFileReason(const GameFileRead& read, const GameFileTranslation& translate = {});

}  // namespace wendrel

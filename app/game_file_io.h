#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "assembly/puzzle_game.h"
#include "io/output_file.h"

// Game files on disk, as the document and the remembered game read and write them: the
// game file's text through the one output writer, and never a wait on a file that cannot
// be read or written at once.
class GameFileIo {
  Q_DECLARE_TR_FUNCTIONS(GameFileIo)

 public:
  // What reading a file gave.
  struct Read {
    enum class Outcome { kGame, kEmpty, kFailed };
    Outcome outcome = Outcome::kFailed;
    wendrel::SavedGame game;  // kGame
    QString reason;           // kFailed: why, as a player reads it
  };

  // A game file's text: made when called, on any thread, from a copy of the game taken
  // when the function was made, so that the window need not wait for it.
  using Text = std::function<std::string()>;

  static Read ReadFrom(const QString& path);
  // The text of the game, or with no puzzle on the board the empty text.
  static Text TextOf(const wendrel::PuzzleGame& game);
  // Writes the game. Returns why it failed, or nothing.
  static std::optional<QString> WriteTo(const QString& path, const wendrel::PuzzleGame& game);
  // Writes the text, on any thread. Returns why it failed, or nothing.
  static std::optional<QString> WriteTo(
      const QString& path, const std::string& text,
      wendrel::OutputFile::Writing writing = wendrel::OutputFile::Writing::kAsTheShell);
};

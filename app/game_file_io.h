#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

#include "assembly/puzzle_game.h"

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

  static Read ReadFrom(const QString& path);
  // Writes the game, or with no puzzle on the board the empty file. Returns why it
  // failed, or nothing.
  static std::optional<QString> WriteTo(const QString& path, const wendrel::PuzzleGame& game);
};

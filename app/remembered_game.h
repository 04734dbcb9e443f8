#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

#include "assembly/puzzle_game.h"

// The game kept in the program's data folder while "Remember Game on Exit" is on, so that
// closing the window loses nothing. It is written through the one output writer, which
// replaces the file only once the new one is whole: a program killed mid-write leaves the
// old game or the new one.
class RememberedGame {
  Q_DECLARE_TR_FUNCTIONS(RememberedGame)

 public:
  // The file in the data folder; the folder is made on the first write.
  static QString Path();

  // Writes the game; returns why it failed, or nothing.
  static std::optional<QString> Write(const wendrel::PuzzleGame& game);
  // The remembered game, if there is one that can be played. One that cannot be read is
  // set aside under another name, and note says so for the message pane.
  static std::optional<wendrel::SavedGame> Read(QString& note);
};

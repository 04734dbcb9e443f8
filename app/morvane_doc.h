#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

#include "app/game_file_io.h"
#include "assembly/puzzle_game.h"

class QWidget;
class UserServices;

// The program's one document: the game file. It keeps the name of the file the game was
// last opened from or saved to, so that Save writes there again; Save As, and Save the
// first time, ask for a name. The title never shows the name, and closing never asks to
// save.
class CMorvaneDoc {
  Q_DECLARE_TR_FUNCTIONS(CMorvaneDoc)

 public:
  explicit CMorvaneDoc(UserServices& services);

  // Forgets the file name, so that the next Save asks; true, so that New always succeeds.
  bool OnNewDocument();
  // Reads the game in path into game. An empty file holds no game and changes nothing.
  // A file that cannot be read, or holds no game this program can play, is reported in
  // one box owned by owner (none before the main window is shown) that names the file
  // and the reason.
  GameFileIo::Read::Outcome OnOpenDocument(const QString& path, QWidget* owner,
                                           wendrel::SavedGame& game);
  // Save and Save As: the game on the board, or with no puzzle the empty file.
  void OnFileSave(QWidget* owner, const wendrel::PuzzleGame& game);
  void OnFileSaveAs(QWidget* owner, const wendrel::PuzzleGame& game);
  // Writes the game to path; a failure is reported and false returned.
  bool OnSaveDocument(const QString& path, QWidget* owner, const wendrel::PuzzleGame& game);

  // The name filter of the file dialogs, and the extension a name without one gets.
  static QString FileFilter();
  static constexpr char kExtension[] = "wendrel";

 private:
  void ReportFileError(QWidget* owner, const QString& text);

  UserServices& m_services;
  QString m_strPathName;
};

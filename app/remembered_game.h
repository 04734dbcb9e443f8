#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <memory>
#include <optional>

#include "app/game_file_io.h"
#include "assembly/puzzle_game.h"

class QLockFile;
class QWidget;
class UserServices;

// The games kept in the program's data folder while "Remember Game on Exit" is on, so that
// closing a window loses nothing: one file for each copy of the program that runs.
//
// A copy claims its file with a lock that goes with the copy, ended or killed. At start-up
// it takes up the newest remembered game that no running copy has claimed, and claims its
// file; a copy that takes up none claims the first name that holds no game, from
// remembered.wendrel through remembered-2.wendrel on. So each copy writes only its own
// file, and a game comes back in one window only.
//
// A file is only ever replaced whole, never written in place, so that a kill during the
// write leaves the old game or the new one; a folder that takes no new file refuses the
// game. After a gesture the text is made and written on a thread of its own from a copy of
// the game, one write at a time, the newest waiting for its turn; the write at close is
// done before the window goes.
class RememberedGame : public QObject {
  Q_OBJECT

 public:
  explicit RememberedGame(UserServices& services);
  ~RememberedGame() override;

  // The folder that holds the remembered games.
  static QString Folder();
  // This copy's file; empty while it has claimed none.
  QString Path() const { return m_path; }

  // The newest remembered game that no other copy has claimed, if it can be played; its
  // file is now this copy's. One that cannot be read is set aside under a name of its own,
  // a box owned by owner says so, and the next newest is tried.
  std::optional<wendrel::SavedGame> TakeUp(QWidget* owner);
  // The option was turned on: claims a file, or says in a box why no game can be kept.
  void Begin(QWidget* owner);
  // After a gesture: writes the game in the background; Failed tells of a failure.
  void Remember(GameFileIo::Text text);
  // At close: writes the game once the writes under way are done; a box tells of a failure.
  void RememberNow(GameFileIo::Text text, QWidget* owner);
  // The option was turned off: this copy's game is forgotten and its file let go.
  void Forget();

 signals:
  // For the message pane: a write after a gesture failed.
  void Failed(const QString& message);

 private:
  struct Write {
    QString path;
    GameFileIo::Text text;
  };

  // Claims the first name that holds no game; false when the folder takes no lock.
  bool ClaimFree();
  QString Refusal() const;
  void StartNext();
  // Waits for the write under way and makes the one waiting.
  void Finish();
  static std::optional<QString> Run(const Write& write);
  // Renames an unreadable file out of the way, never over another; the new name, or empty.
  static QString SetAside(const QString& path);

  UserServices& m_services;
  QString m_path;
  std::unique_ptr<QLockFile> m_lock;
  std::optional<Write> m_waiting;
  bool m_busy = false;
  // Last, so that it is gone, every write done, before the claim is let go.
  QThreadPool m_writer;
};

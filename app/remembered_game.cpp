#include "app/remembered_game.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/game_file_io.h"

QString RememberedGame::Path() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
         QStringLiteral("/remembered.wendrel");
}

std::optional<QString> RememberedGame::Write(const wendrel::PuzzleGame& game) {
  QDir().mkpath(QFileInfo(Path()).path());
  return GameFileIo::WriteTo(Path(), game);
}

std::optional<wendrel::SavedGame> RememberedGame::Read(QString& note) {
  if (!QFileInfo::exists(Path()))
    return std::nullopt;
  GameFileIo::Read read = GameFileIo::ReadFrom(Path());
  if (read.outcome == GameFileIo::Read::Outcome::kGame)
    return std::move(read.game);
  if (read.outcome == GameFileIo::Read::Outcome::kFailed) {
    // Kept for a look, out of the way of the next write.
    const QString aside =
        Path() + QStringLiteral(".unreadable-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QFile::rename(Path(), aside);
    note = tr("The remembered game could not be read (%1); it was kept as %2")
               .arg(read.reason, QDir::toNativeSeparators(aside));
  }
  return std::nullopt;
}

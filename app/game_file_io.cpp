#include "app/game_file_io.h"

#include <QFile>
#include <filesystem>
#include <string>
#include <system_error>

#include "io/file_to_read.h"
#include "io/game_file.h"
#include "io/output_file.h"

GameFileIo::Read GameFileIo::ReadFrom(const QString& path) {
  Read read;
  // Checked before it is opened: a FIFO or a device could keep the window waiting for a
  // writer that never comes.
  if (const std::error_code unfit =
          wendrel::CheckFileToRead(std::filesystem::path(path.toStdU16String()))) {
    read.reason = QString::fromLocal8Bit(unfit.message());
    return read;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    read.reason = file.errorString();
    return read;
  }
  // One byte past the limit is enough to tell a file that is too large.
  const QByteArray text = file.read(wendrel::kMaxGameFileBytes + 1);
  if (file.error() != QFileDevice::NoError) {
    read.reason = file.errorString();
    return read;
  }
  wendrel::GameFileRead result = wendrel::ReadGameFile(
      std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
  if (result.status == wendrel::GameFileStatus::kEmpty) {
    read.outcome = Read::Outcome::kEmpty;
  } else if (result.ok()) {
    read.outcome = Read::Outcome::kGame;
    read.game = std::move(result.game);
  } else {
    read.reason = QString::fromStdString(wendrel::GameFileReason(result));
  }
  return read;
}

std::optional<QString> GameFileIo::WriteTo(const QString& path, const wendrel::PuzzleGame& game) {
  // With no puzzle the saved game has no state, which is the empty file.
  const std::string text = wendrel::WriteGameFile(game.Save(), game.Pieces());
  // The shared writer: a file is replaced only once written whole, so that a failed save
  // leaves it as it was.
  wendrel::OutputFile file(std::filesystem::path(path.toStdU16String()));
  std::error_code ec = file.Open();
  if (!ec)
    ec = file.Commit(text);
  if (!ec)
    return std::nullopt;
  return QString::fromLocal8Bit(ec.message());
}

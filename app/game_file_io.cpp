#include "app/game_file_io.h"

#include <QCoreApplication>
#include <QFile>
#include <filesystem>
#include <string>
#include <system_error>

#include "io/file_to_read.h"
#include "io/game_file.h"
#include "io/output_file.h"
#include "view/file_error_text.h"
#include "view/morvane_view.h"

namespace {

// The game file's reason in the player's language: io fills in the details, each part
// translated.
QString Reason(const wendrel::GameFileRead& result) {
  return QString::fromStdString(wendrel::GameFileReason(result, [](const char* wording) {
    return QCoreApplication::translate("GameFile", wording).toStdString();
  }));
}

}  // namespace

GameFileIo::Read GameFileIo::ReadFrom(const QString& path) {
  Read read;
  // Checked before it is opened: a FIFO or a device could keep the window waiting for a
  // writer that never comes.
  if (const std::error_code unfit =
          wendrel::CheckFileToRead(std::filesystem::path(path.toStdU16String()))) {
    read.reason = FileErrorText(unfit);
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
    read.reason = Reason(result);
  }
  return read;
}

GameFileIo::Text GameFileIo::TextOf(const wendrel::PuzzleGame& game) {
  // With no puzzle the saved game has no state, which is the empty file.
  return [saved = game.Save(CMorvaneView::Now()), board = game.Pieces()] {
    return wendrel::WriteGameFile(saved, board);
  };
}

std::optional<QString> GameFileIo::WriteTo(const QString& path, const wendrel::PuzzleGame& game) {
  return WriteTo(path, TextOf(game)());
}

std::optional<QString> GameFileIo::WriteTo(const QString& path, const std::string& text,
                                           wendrel::OutputFile::Writing writing) {
  // The shared writer: a file is replaced only once written whole, so that a failed save
  // leaves it as it was.
  wendrel::OutputFile file(std::filesystem::path(path.toStdU16String()),
                           wendrel::OutputFile::Waiting::kNever, writing);
  std::error_code ec = file.Open();
  if (!ec)
    ec = file.Commit(text);
  if (!ec)
    return std::nullopt;
  return FileErrorText(ec);
}

#include "tools/pending_file.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace wendrel {

PendingFile::PendingFile(std::string path) : path_(std::move(path)), tempPath_(path_ + ".part") {}

PendingFile::~PendingFile() {
  Discard();
}

bool PendingFile::Open() {
  std::error_code ec;
  // Renaming over a directory would fail only at the end; refuse it before any work.
  if (std::filesystem::is_directory(path_, ec))
    return false;
  stream_.open(tempPath_, std::ios::binary | std::ios::trunc);
  ownsTemp_ = stream_.is_open();
  return ownsTemp_;
}

bool PendingFile::Commit(std::string_view text) {
  if (!ownsTemp_)
    return false;
  stream_.write(text.data(), static_cast<std::streamsize>(text.size()));
  stream_.close();
  if (stream_.fail()) {
    Discard();
    return false;
  }
  std::error_code ec;
  std::filesystem::rename(tempPath_, path_, ec);
  if (ec) {
    Discard();
    return false;
  }
  ownsTemp_ = false;
  return true;
}

void PendingFile::Discard() {
  if (stream_.is_open())
    stream_.close();
  if (!ownsTemp_)
    return;
  std::error_code ec;
  std::filesystem::remove(tempPath_, ec);
  ownsTemp_ = false;
}

}  // namespace wendrel

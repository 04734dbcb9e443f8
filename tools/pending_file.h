#pragma once

#include <fstream>
#include <string>
#include <string_view>

namespace wendrel {

// A file that appears under its name complete or not at all: the text goes to a
// temporary file beside it, which is renamed over the name only when every byte is
// written. A pending file that is never committed leaves nothing behind.
class PendingFile {
 public:
  explicit PendingFile(std::string path);
  ~PendingFile();
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // Creates the temporary file; false when the name or its directory cannot take it.
  bool Open();
  // Writes the text and puts the file in place; false, with nothing left behind, on
  // any failure.
  bool Commit(std::string_view text);

 private:
  void Discard();

  std::string path_;
  std::string tempPath_;
  std::ofstream stream_;
  bool ownsTemp_ = false;  // the temporary file is ours to remove
};

}  // namespace wendrel

#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

namespace wendrel {

// A named output, written whole, without ever putting a plain file where something else
// stood:
// - a regular file, or a name not yet taken, is replaced whole: the text goes to a
//   temporary file beside it, which takes the old file's permissions and is renamed over
//   the name only once every byte is written, so a failure leaves the old file as it was;
// - a symbolic link is followed, and its final target is written in that way; the link
//   stays;
// - anything else but a directory (a FIFO, a device, a socket) is opened and written
//   straight through: renaming over it would replace the FIFO or the device itself.
// An output that is never committed leaves no temporary file behind.
class OutputFile {
 public:
  explicit OutputFile(std::filesystem::path path);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Makes the output ready to take the text, so that a name that cannot take it (a
  // directory, a missing folder, a link loop) is found before any work is done. A FIFO is
  // opened here, which waits for its reader as the shell's redirection does.
  std::error_code Open();
  // Writes the text and puts it in place; on failure the reason, with nothing replaced
  // and nothing left behind.
  std::error_code Commit(std::string_view text);

 private:
  // The temporary file beside the target; a replacement takes the old file's permissions.
  std::error_code OpenTemporary(std::optional<std::filesystem::perms> oldPermissions);
  void Discard();

  std::filesystem::path path_;
  std::filesystem::path target_;     // path_ with its symbolic links followed
  std::filesystem::path temporary_;  // empty when writing straight through
  int fd_ = -1;
};

}  // namespace wendrel

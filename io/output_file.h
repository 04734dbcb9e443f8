#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace wendrel {

// A named output, written whole where it can be, and only where a shell's redirection
// could write it, without ever putting a plain file where something else stood:
// - a regular file that the user may not write is refused, as the redirection refuses it;
// - a name not yet taken, or a regular file, is replaced whole: the text goes to a
//   temporary file beside it, which takes the old file's owner, group and permissions and
//   is renamed over the name only once every byte is written, so a failure leaves the old
//   file as it was;
// - a regular file that such a replacement could not match is written in place, as the
//   redirection writes it: one with other hard links (the rename would break it off from
//   them), one in a folder that the user may not write, and one whose owner or group the
//   user may not give a new file;
// - a symbolic link is followed, and its final target is written in one of these ways; the
//   link stays;
// - anything else but a directory (a FIFO, a device, a socket) is opened and written
//   straight through: renaming over it would replace the FIFO or the device itself.
// An output that is never committed leaves no temporary file behind. A FIFO whose reader
// leaves fails the write with a broken pipe; it never ends the program by SIGPIPE.
//
// A program killed while writing cannot take its temporary file away. Such files carry
// the name of their target and the number of the process that made them, in a form that
// only this writer gives; the next replacement of the same target removes those whose
// process has ended, and leaves those of a writer still running.
class OutputFile {
 public:
  // Whether the output may wait for what takes it: a FIFO's reader, a busy device. A
  // command-line tool waits as the shell's redirection does; the game never freezes its
  // window on a file, and refuses at once a FIFO that no program reads.
  enum class Waiting { kNever, kAsTheShell };
  // Where a file cannot be replaced whole. A file the user names is written as the
  // shell's redirection writes it, in place if need be. A program's own file, which a
  // kill during the write must never leave half written, is replaced whole or refused:
  // other names of it keep the old text, a folder that takes no new file or an owner that
  // a new file cannot have refuses the write with that reason, and anything but a regular
  // file refuses it as FileError::kNotARegularFile.
  enum class Writing { kAsTheShell, kWholeOnly };

  explicit OutputFile(std::filesystem::path path, Waiting waiting = Waiting::kNever,
                      Writing writing = Writing::kAsTheShell);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Makes the output ready to take the text, so that a name that cannot take it (a
  // directory, a missing folder, a link loop, a file the user may not write) is found
  // before any work is done. Opening again starts afresh.
  std::error_code Open();
  // Writes the text and puts it in place; on failure the reason, with nothing replaced
  // and nothing left behind. A file written in place may be left partly written.
  std::error_code Commit(std::string_view text);

 private:
  enum class Way { kReplace, kInPlace, kThrough };

  std::error_code OpenRegular();
  // The temporary file beside the target; a replacement of the file open at oldFd takes
  // its owner, group and permissions.
  std::error_code OpenTemporary(int oldFd);
  std::error_code OpenThrough(bool fifo);
  void Discard();

  std::filesystem::path path_;
  Waiting waiting_;
  Writing writing_;
  std::filesystem::path target_;     // path_ with its symbolic links followed
  std::filesystem::path temporary_;  // set while replacing
  Way way_ = Way::kReplace;
  int fd_ = -1;
};

}  // namespace wendrel

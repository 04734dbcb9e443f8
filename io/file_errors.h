#pragma once

#include <system_error>
#include <type_traits>

namespace wendrel {

// Why a file cannot be read or written, where the system has no words for it: the game
// never waits on a file, and refuses at once what would make it wait.
enum class FileError {
  kNoReader = 1,     // a FIFO that no program is reading
  kReaderStalled,    // a FIFO or device whose reader has taken nothing for a while
  kNotARegularFile,  // a FIFO, a device or a socket given as a file to read
};

std::error_code make_error_code(FileError error);

}  // namespace wendrel

template <>
struct std::is_error_code_enum<wendrel::FileError> : std::true_type {};

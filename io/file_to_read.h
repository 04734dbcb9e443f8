#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <system_error>

namespace wendrel {

// Whether path names a regular file (its symbolic links followed), checked before the file
// is opened: opening a FIFO for reading waits until some program writes to it, and a
// device may never end, so the game refuses both with a reason instead of hanging.
std::error_code CheckFileToRead(const std::filesystem::path& path);

// The text of the file at path, checked as above, read no further than one byte past most:
// enough for a reader to refuse a longer one.
std::error_code ReadFileText(const std::filesystem::path& path, std::size_t most,
                             std::string& text);

}  // namespace wendrel

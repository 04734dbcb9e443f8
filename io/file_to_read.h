#pragma once

#include <filesystem>
#include <system_error>

namespace wendrel {

// Whether path names a regular file (its symbolic links followed), checked before the file
// is opened: opening a FIFO for reading waits until some program writes to it, and a
// device may never end, so the game refuses both with a reason instead of hanging.
std::error_code CheckFileToRead(const std::filesystem::path& path);

}  // namespace wendrel

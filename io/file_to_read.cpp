#include "io/file_to_read.h"

#include "io/file_errors.h"

namespace wendrel {

std::error_code CheckFileToRead(const std::filesystem::path& path) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (ec)
    return ec;
  if (std::filesystem::is_directory(status))
    return std::make_error_code(std::errc::is_a_directory);
  if (!std::filesystem::is_regular_file(status))
    return FileError::kNotARegularFile;
  return {};
}

}  // namespace wendrel

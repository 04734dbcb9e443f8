#include "io/file_to_read.h"

#include <cerrno>
#include <cstdio>

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

std::error_code ReadFileText(const std::filesystem::path& path, std::size_t most,
                             std::string& text) {
  if (const std::error_code unfit = CheckFileToRead(path))
    return unfit;
  std::FILE* const file = std::fopen(path.string().c_str(), "rb");
  if (!file)
    return std::error_code(errno, std::generic_category());
  text.resize(most + 1);
  text.resize(std::fread(text.data(), 1, text.size(), file));
  const std::error_code ec =
      std::ferror(file) ? std::error_code(errno, std::generic_category()) : std::error_code();
  std::fclose(file);
  return ec;
}

}  // namespace wendrel

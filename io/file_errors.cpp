#include "io/file_errors.h"

#include <string>

#include "io/translatable.h"

namespace wendrel {

namespace {

class FileErrorCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "wendrel file"; }
  std::string message(int code) const override {
    switch (static_cast<FileError>(code)) {
      case FileError::kNoReader:
        return WENDREL_TRANSLATABLE("FileError", "No program is reading from it");
      case FileError::kReaderStalled:
        return WENDREL_TRANSLATABLE("FileError", "What reads from it has stopped taking anything");
      case FileError::kNotARegularFile:
        return WENDREL_TRANSLATABLE("FileError", "Not a regular file");
    }
    return WENDREL_TRANSLATABLE("FileError", "Unknown file error");
  }
};

}  // namespace

std::error_code make_error_code(FileError error) {
  static const FileErrorCategory category;
  return {static_cast<int>(error), category};
}

}  // namespace wendrel

#include "tools/checked_output.h"

#include <cerrno>

namespace wendrel {

CheckedOutput::CheckedOutput(std::FILE* file) : file_(file), stream_(this) {}

int CheckedOutput::overflow(int c) {
  if (traits_type::eq_int_type(c, traits_type::eof()))
    return traits_type::not_eof(c);
  errno = 0;
  if (std::fputc(c, file_) == EOF) {
    Fail();
    return traits_type::eof();
  }
  return c;
}

std::streamsize CheckedOutput::xsputn(const char* text, std::streamsize size) {
  errno = 0;
  const std::size_t written = std::fwrite(text, 1, static_cast<std::size_t>(size), file_);
  if (written < static_cast<std::size_t>(size))
    Fail();
  return static_cast<std::streamsize>(written);
}

int CheckedOutput::sync() {
  errno = 0;
  if (std::fflush(file_) != 0) {
    Fail();
    return -1;
  }
  return 0;
}

std::error_code CheckedOutput::Close() {
  stream_.flush();
  errno = 0;
  if (std::fclose(file_) != 0)
    Fail();
  return error_;
}

void CheckedOutput::Fail() {
  if (error_)
    return;
  // The C library sets errno on a failed write; a stream already in error may fail
  // without a new reason.
  error_ = errno != 0 ? std::error_code(errno, std::generic_category())
                      : std::make_error_code(std::errc::io_error);
}

}  // namespace wendrel

#include "io/checked_output.h"

#include <cerrno>

#ifdef _WIN32
#include <stdlib.h>
#include <winerror.h>
#endif

namespace wendrel {

namespace {

// Forgets the reasons of earlier failures, so that a failure is told by its own.
void ClearErrors() {
  errno = 0;
#ifdef _WIN32
  _doserrno = 0;
#endif
}

// Why the last C library call failed.
std::error_code LastError() {
#ifdef _WIN32
  // Windows' C library calls a pipe closed by its reader an invalid argument; the system's
  // own code tells it apart (Wine gives the last of these).
  if (_doserrno == ERROR_BROKEN_PIPE || _doserrno == ERROR_NO_DATA ||
      _doserrno == ERROR_PIPE_NOT_CONNECTED)
    return std::make_error_code(std::errc::broken_pipe);
#endif
  // A stream already in error may fail without a new reason.
  return errno != 0 ? std::error_code(errno, std::generic_category())
                    : std::make_error_code(std::errc::io_error);
}

}  // namespace

CheckedOutput::CheckedOutput(std::FILE* file) : file_(file), stream_(this) {}

int CheckedOutput::overflow(int c) {
  if (traits_type::eq_int_type(c, traits_type::eof()))
    return traits_type::not_eof(c);
  ClearErrors();
  if (std::fputc(c, file_) == EOF) {
    Fail();
    return traits_type::eof();
  }
  return c;
}

std::streamsize CheckedOutput::xsputn(const char* text, std::streamsize size) {
  ClearErrors();
  const std::size_t written = std::fwrite(text, 1, static_cast<std::size_t>(size), file_);
  if (written < static_cast<std::size_t>(size))
    Fail();
  return static_cast<std::streamsize>(written);
}

int CheckedOutput::sync() {
  ClearErrors();
  if (std::fflush(file_) != 0) {
    Fail();
    return -1;
  }
  return 0;
}

std::error_code CheckedOutput::Close() {
  stream_.flush();
  ClearErrors();
  if (std::fclose(file_) != 0)
    Fail();
  return error_;
}

void CheckedOutput::Fail() {
  if (!error_)
    error_ = LastError();
}

}  // namespace wendrel

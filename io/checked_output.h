#pragma once

#include <cstdio>
#include <ostream>
#include <streambuf>
#include <system_error>

namespace wendrel {

// An output stream onto a C stream (the standard output) that keeps the reason of its
// first failed write, so that a program can say why its output was lost instead of
// reporting success. The last flush and the close are checked as well.
class CheckedOutput : private std::streambuf {
 public:
  explicit CheckedOutput(std::FILE* file);
  CheckedOutput(const CheckedOutput&) = delete;
  CheckedOutput& operator=(const CheckedOutput&) = delete;

  std::ostream& stream() { return stream_; }
  // Flushes and closes the C stream; the first failure of any write, or none.
  std::error_code Close();

 private:
  int overflow(int c) override;
  std::streamsize xsputn(const char* text, std::streamsize size) override;
  int sync() override;
  void Fail();

  std::FILE* file_;
  std::error_code error_;
  std::ostream stream_;
};

}  // namespace wendrel

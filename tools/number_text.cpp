#include "tools/number_text.h"

#include <charconv>

namespace wendrel {

namespace {

// Enough for any double in shortest form ("-2.2250738585072014e-308") and any int64.
constexpr int kNumberBuffer = 32;

}  // namespace

void AppendDouble(std::string& out, double v) {
  char buffer[kNumberBuffer];
  const std::to_chars_result r = std::to_chars(buffer, buffer + kNumberBuffer, v);
  out.append(buffer, r.ptr);
}

void AppendInt(std::string& out, std::int64_t v) {
  char buffer[kNumberBuffer];
  const std::to_chars_result r = std::to_chars(buffer, buffer + kNumberBuffer, v);
  out.append(buffer, r.ptr);
}

}  // namespace wendrel

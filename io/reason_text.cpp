#include "io/reason_text.h"

namespace wendrel {

std::string Shown(const std::string& text) {
  constexpr std::size_t kLongest = 40;
  if (text.size() <= kLongest)
    return text;
  std::size_t end = kLongest;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80)
    --end;
  return text.substr(0, end) + "...";
}

std::string Filled(const std::string& wording, const std::vector<std::string>& details) {
  std::string text;
  for (std::size_t i = 0; i < wording.size(); ++i) {
    const char next = i + 1 < wording.size() ? wording[i + 1] : '\0';
    if (wording[i] == '%' && next >= '1' && static_cast<std::size_t>(next - '1') < details.size()) {
      text += details[static_cast<std::size_t>(next - '1')];
      ++i;
    } else {
      text += wording[i];
    }
  }
  return text;
}

}  // namespace wendrel

#include <string>

#include "io/game_file.h"

namespace wendrel {

namespace {

// A name or number from the file as a message shows it: a file may hold a name of any
// length, and a message box has room for a short one. The cut never splits a UTF-8
// sequence.
std::string Shown(const std::string& text) {
  constexpr std::size_t kLongest = 40;
  if (text.size() <= kLongest)
    return text;
  std::size_t end = kLongest;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80)
    --end;
  return text.substr(0, end) + "...";
}

}  // namespace

std::string GameFileReason(const GameFileRead& read) {
  switch (read.status) {
    case GameFileStatus::kGame:
      return {};
    case GameFileStatus::kEmpty:
      return "it is empty";
    case GameFileStatus::kTooLarge:
      return "it is over 1 MB, too large for a Wendrel game";
    case GameFileStatus::kNotAGame:
      return "it is not a Wendrel game";
    case GameFileStatus::kNewerFormat:
      return "it was made by a newer version of Wendrel (format " + Shown(read.detail) + ")";
    case GameFileStatus::kUnknownShape:
      return "its shape '" + Shown(read.detail) + "' is unknown";
    case GameFileStatus::kOtherPieces:
      return "its pieces do not match the pieces this version cuts";
    case GameFileStatus::kDamaged:
      return "it is damaged: " + read.field + ' ' + read.detail;
  }
  return {};
}

}  // namespace wendrel

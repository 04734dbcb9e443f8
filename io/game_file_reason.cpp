#include <string>

#include "io/game_file.h"
#include "io/translatable.h"

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

GameFileReasonParts GameFileReasonWording(const GameFileRead& read) {
  switch (read.status) {
    case GameFileStatus::kGame:
      return {};
    case GameFileStatus::kEmpty:
      return {WENDREL_TRANSLATABLE("GameFile", "it is empty"), {}};
    case GameFileStatus::kTooLarge:
      return {WENDREL_TRANSLATABLE("GameFile", "it is over 1 MB, too large for a Wendrel game"),
              {}};
    case GameFileStatus::kNotAGame:
      return {WENDREL_TRANSLATABLE("GameFile", "it is not a Wendrel game"), {}};
    case GameFileStatus::kNewerFormat:
      return {
          WENDREL_TRANSLATABLE("GameFile", "it was made by a newer version of Wendrel (format %1)"),
          {Shown(read.detail)}};
    case GameFileStatus::kUnknownShape:
      return {WENDREL_TRANSLATABLE("GameFile", "its shape '%1' is unknown"), {Shown(read.detail)}};
    case GameFileStatus::kOtherPieces:
      return {
          WENDREL_TRANSLATABLE("GameFile", "its pieces do not match the pieces this version cuts"),
          {}};
    case GameFileStatus::kDamaged:
      return {WENDREL_TRANSLATABLE("GameFile", "it is damaged: %1 %2"), {read.field, read.detail}};
  }
  return {};
}

std::string GameFileReason(const GameFileRead& read) {
  const GameFileReasonParts parts = GameFileReasonWording(read);
  // In one pass, so that a detail from the file that holds "%2" stays as it is.
  std::string reason;
  for (const char* c = parts.wording; *c != '\0'; ++c) {
    const std::size_t slot = static_cast<std::size_t>(c[1] - '1');
    if (c[0] == '%' && c[1] >= '1' && slot < parts.details.size()) {
      reason += parts.details[slot];
      ++c;
    } else {
      reason += *c;
    }
  }
  return reason;
}

}  // namespace wendrel

#include <string>
#include <vector>

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

// Fills in %1 and %2 of a wording in one pass, so that a detail from the file that holds
// "%2" stays as it is.
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

}  // namespace

std::string GameFileReason(const GameFileRead& read, const GameFileTranslation& translate) {
  const auto words = [&](const char* wording, const std::vector<std::string>& details) {
    return Filled(translate ? translate(wording) : std::string(wording), details);
  };
  switch (read.status) {
    case GameFileStatus::kGame:
      return {};
    case GameFileStatus::kEmpty:
      return words(WENDREL_TRANSLATABLE("GameFile", "it is empty"), {});
    case GameFileStatus::kTooLarge:
      return words(
          WENDREL_TRANSLATABLE("GameFile", "it is over 1 MB, too large for a Wendrel game"), {});
    case GameFileStatus::kNotAGame:
      return words(WENDREL_TRANSLATABLE("GameFile", "it is not a Wendrel game"), {});
    case GameFileStatus::kNewerFormat:
      return words(
          WENDREL_TRANSLATABLE("GameFile", "it was made by a newer version of Wendrel (format %1)"),
          {Shown(read.detail)});
    case GameFileStatus::kUnknownShape:
      return words(WENDREL_TRANSLATABLE("GameFile", "its shape '%1' is unknown"),
                   {Shown(read.detail)});
    case GameFileStatus::kOtherPieces:
      return words(
          WENDREL_TRANSLATABLE("GameFile", "its pieces do not match the pieces this version cuts"),
          {});
    case GameFileStatus::kDamaged:
      return words(WENDREL_TRANSLATABLE("GameFile", "it is damaged: %1 %2"),
                   {read.field, words(read.fault, {read.detail})});
  }
  return {};
}

}  // namespace wendrel

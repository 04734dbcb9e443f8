#include <string>
#include <vector>

#include "io/game_file.h"
#include "io/reason_text.h"
#include "io/translatable.h"

namespace wendrel {

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

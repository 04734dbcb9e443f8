#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "io/game_file.h"

namespace wendrel {

// The first fault found in a game file. The reader throws it from wherever the fault lies
// and catches it once; each level that it passes on the way out puts its own name in
// front of the field, so that the field reads from the top, as "states[2].groups[3].x".
// Its fault and detail are those of GameFileRead.
struct GameFileFault {
  GameFileStatus status = GameFileStatus::kDamaged;
  std::string field;
  const char* fault = "";
  std::string detail;
};

inline GameFileFault Damaged(std::string field, const char* fault, std::string detail = {}) {
  return GameFileFault{GameFileStatus::kDamaged, std::move(field), fault, std::move(detail)};
}

// Runs part() on element index of the array name, naming it in any fault thrown.
template <typename Part>
auto Within(std::string_view name, std::size_t index, Part part) -> decltype(part()) {
  try {
    return part();
  } catch (GameFileFault& fault) {
    std::string prefix = std::string(name) + '[' + std::to_string(index) + ']';
    fault.field = fault.field.empty() ? prefix : prefix + '.' + fault.field;
    throw;
  }
}

}  // namespace wendrel

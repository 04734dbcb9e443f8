#include <nlohmann/json.hpp>

#include "io/game_file.h"
#include "io/piece_fingerprint.h"
#include "io/version.h"

namespace wendrel {

namespace {

// Members in the order written, so that the file opens with what it is.
using Json = nlohmann::ordered_json;

Json GroupsJson(const GroupTable& table) {
  Json groups = Json::array();
  for (int g = 0; g < table.count; ++g) {
    const PieceGroup& group = table.groups[g];
    groups.push_back({Json(std::vector<int>(group.pieces, group.pieces + group.count)),
                      group.position.x, group.position.y, group.rotation, group.flipped});
  }
  return groups;
}

}  // namespace

std::string WriteGameFile(const SavedGame& game, const PieceSet& board) {
  if (game.states.empty())
    return {};
  const PuzzleState& shown = game.states[game.current];
  Json states = Json::array();
  for (const PuzzleState& state : game.states) {
    states.push_back({{"shape", InfoOf(state.puzzle.shape).name},
                      {"number", state.puzzle.number},
                      {"groups", GroupsJson(state.groups)}});
  }
  const Json file = {
      {"format", "wendrel-game"},
      {"formatVersion", kGameFileFormat},
      {"program", WENDREL_VERSION},
      {"shape", InfoOf(shown.puzzle.shape).name},
      {"number", shown.puzzle.number},
      {"fingerprint", PieceFingerprint(board)},
      {"solved", shown.groups.count == 1},
      {"playingMs", game.progress.playingMs},
      {"hints", game.progress.hints},
      {"solvedByProgram", game.progress.solvedByProgram},
      {"clockStarted", game.progress.started},
      {"solvedBefore", game.progress.solvedBefore},
      {"current", game.current},
      {"states", std::move(states)},
  };
  return file.dump() + '\n';
}

}  // namespace wendrel

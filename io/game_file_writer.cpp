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

std::string WriteGameFile(const SavedGame& game, const PieceSet& pieces) {
  if (game.states.empty())
    return {};
  const PuzzleState& shown = game.states[game.current];
  const PuzzleSegment& board = game.segments[shown.segment];
  Json states = Json::array();
  for (const PuzzleState& state : game.states) {
    const PuzzleId& puzzle = game.segments[state.segment].puzzle;
    states.push_back({{"shape", InfoOf(puzzle.shape).name},
                      {"number", puzzle.number},
                      {"groups", GroupsJson(state.groups)}});
  }
  const Json file = {
      {"format", "wendrel-game"},
      {"formatVersion", kGameFileFormat},
      {"program", WENDREL_VERSION},
      {"shape", InfoOf(board.puzzle.shape).name},
      {"number", board.puzzle.number},
      {"fingerprint", PieceFingerprint(pieces)},
      {"solved", shown.groups.count == 1},
      {"playingMs", board.progress.playingMs},
      {"hints", board.progress.hints},
      {"solvedByProgram", board.progress.solvedByProgram},
      {"clockStarted", board.progress.started},
      {"solvedBefore", board.progress.solvedBefore},
      {"current", game.current},
      {"states", std::move(states)},
  };
  return file.dump() + '\n';
}

}  // namespace wendrel

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "assembly/generate_puzzle.h"
#include "generator/puzzle_generator.h"
#include "io/game_file.h"
#include "io/game_file_fault.h"
#include "io/group_table_check.h"
#include "io/piece_fingerprint.h"

namespace wendrel {

namespace {

using Json = nlohmann::json;

// A file as written, each value of the right kind and in its range; whether its tables
// fit their puzzles is checked after.
struct DecodedFile {
  SavedGame game;
  PuzzleId board;
  std::string fingerprint;
  bool solved = false;
};

std::string ListOf(std::size_t most, const char* what) {
  return "is not a list of 1 to " + std::to_string(most) + ' ' + what;
}

const Json& Member(const Json& object, const char* key) {
  const auto it = object.find(key);
  if (it == object.end())
    throw Damaged(key, "is missing");
  return *it;
}

std::int64_t WholeNumber(const Json& value, const char* field, std::int64_t least,
                         std::int64_t most) {
  if (!value.is_number_integer())
    throw Damaged(field, "is not a whole number");
  // JSON's non-negative integers may lie beyond int64.
  if (value.is_number_unsigned() && value.get<std::uint64_t>() > static_cast<std::uint64_t>(most))
    throw Damaged(field, "is out of range");
  const std::int64_t number = value.get<std::int64_t>();
  if (number < least || number > most)
    throw Damaged(field, "is out of range");
  return number;
}

std::int32_t PuzzleNumber(const Json& value, const char* field) {
  return static_cast<std::int32_t>(WholeNumber(value, field,
                                               std::numeric_limits<std::int32_t>::min(),
                                               std::numeric_limits<std::int32_t>::max()));
}

bool Flag(const Json& value, const char* field) {
  if (!value.is_boolean())
    throw Damaged(field, "is not true or false");
  return value.get<bool>();
}

const std::string& Text(const Json& value, const char* field) {
  if (!value.is_string())
    throw Damaged(field, "is not text");
  return value.get_ref<const std::string&>();
}

Shape ShapeOf(const Json& value, const char* field) {
  const std::string& name = Text(value, field);
  const std::optional<Shape> shape = ShapeNamed(name);
  if (!shape)
    throw GameFileFault{GameFileStatus::kUnknownShape, field, name};
  return *shape;
}

double Coordinate(const Json& value, const char* field) {
  if (!value.is_number())
    throw Damaged(field, "is not a number");
  const double x = value.get<double>();
  if (!std::isfinite(x) || std::fabs(x) > kMaxGamePosition)
    throw Damaged(field, "is out of range");
  return x;
}

PieceGroup ReadGroup(const Json& value) {
  if (!value.is_array() || value.size() != 5)
    throw Damaged("", "is not [pieces, x, y, rotation, flipped]");
  const Json& members = value[0];
  if (!members.is_array() || members.empty() || members.size() > PieceGroup::kMaxPieces)
    throw Damaged("pieces", ListOf(PieceGroup::kMaxPieces, "pieces"));
  PieceGroup group;
  for (std::size_t j = 0; j < members.size(); ++j) {
    group.AddPiece(Within("pieces", j, [&] {
      return static_cast<int>(WholeNumber(members[j], "", 0, PieceRegion::kMaxRegions - 1));
    }));
  }
  group.position = DPoint{Coordinate(value[1], "x"), Coordinate(value[2], "y")};
  group.rotation = static_cast<int>(WholeNumber(value[3], "rotation", 0, 11));
  group.flipped = static_cast<int>(WholeNumber(value[4], "flipped", 0, 1));
  return group;
}

std::pair<PuzzleId, PuzzleState> ReadState(const Json& value) {
  if (!value.is_object())
    throw Damaged("", "is not an object");
  std::pair<PuzzleId, PuzzleState> state;
  state.first.shape = ShapeOf(Member(value, "shape"), "shape");
  state.first.number = PuzzleNumber(Member(value, "number"), "number");
  const Json& groups = Member(value, "groups");
  if (!groups.is_array() || groups.empty() || groups.size() > GroupTable::kMaxGroups)
    throw Damaged("groups", ListOf(GroupTable::kMaxGroups, "groups"));
  for (std::size_t g = 0; g < groups.size(); ++g)
    state.second.groups.groups[g] = Within("groups", g, [&] { return ReadGroup(groups[g]); });
  state.second.groups.count = static_cast<int>(groups.size());
  return state;
}

DecodedFile Decode(const Json& file) {
  // A newer format may have changed anything else, so its version is read first.
  const Json& version = Member(file, "formatVersion");
  if (version.is_number_unsigned() && version.get<std::uint64_t>() > kGameFileFormat)
    throw GameFileFault{GameFileStatus::kNewerFormat, "formatVersion", version.dump()};
  WholeNumber(version, "formatVersion", kGameFileFormat, kGameFileFormat);
  Text(Member(file, "program"), "program");

  DecodedFile decoded;
  decoded.board.shape = ShapeOf(Member(file, "shape"), "shape");
  decoded.board.number = PuzzleNumber(Member(file, "number"), "number");
  decoded.fingerprint = Text(Member(file, "fingerprint"), "fingerprint");
  decoded.solved = Flag(Member(file, "solved"), "solved");
  PuzzleProgress progress;
  progress.playingMs = WholeNumber(Member(file, "playingMs"), "playingMs", 0,
                                   std::numeric_limits<std::int64_t>::max());
  progress.hints = static_cast<int>(
      WholeNumber(Member(file, "hints"), "hints", 0, std::numeric_limits<int>::max()));
  progress.solvedByProgram = Flag(Member(file, "solvedByProgram"), "solvedByProgram");
  progress.started = Flag(Member(file, "clockStarted"), "clockStarted");
  progress.solvedBefore = Flag(Member(file, "solvedBefore"), "solvedBefore");

  const Json& states = Member(file, "states");
  if (!states.is_array() || states.empty() || states.size() > GroupHistory::kMaxSteps + 1)
    throw Damaged("states", ListOf(GroupHistory::kMaxSteps + 1, "states"));
  std::vector<PuzzleState>& read = decoded.game.states;
  read.reserve(states.size());
  std::vector<PuzzleSegment>& segments = decoded.game.segments;
  for (std::size_t i = 0; i < states.size(); ++i) {
    auto [puzzle, state] = Within("states", i, [&] { return ReadState(states[i]); });
    const auto at = std::find_if(segments.begin(), segments.end(),
                                 [&](const PuzzleSegment& s) { return s.puzzle == puzzle; });
    state.segment = static_cast<std::size_t>(at - segments.begin());
    if (at == segments.end())
      segments.push_back(PuzzleSegment{puzzle, {}});
    read.push_back(std::move(state));
  }
  const std::size_t current = static_cast<std::size_t>(WholeNumber(
      Member(file, "current"), "current", 0, static_cast<std::int64_t>(read.size()) - 1));
  decoded.game.current = current;

  const std::string shown = "is not that of states[" + std::to_string(current) + ']';
  PuzzleSegment& board = segments[read[current].segment];
  if (decoded.board.shape != board.puzzle.shape)
    throw Damaged("shape", shown);
  if (decoded.board.number != board.puzzle.number)
    throw Damaged("number", shown);
  board.progress = progress;
  return decoded;
}

// What cutting a puzzle again takes; large, so made only for a file that decoded.
struct Cutter {
  ShapeLibrary library;
  PuzzleGenerator generator;
  PieceSet pieces;
};

// Cuts every puzzle of the history once, the one on the board first, and checks the
// tables of each against its pieces.
void Check(DecodedFile& decoded) {
  std::vector<PuzzleState>& states = decoded.game.states;
  const auto puzzleOf = [&](const PuzzleState& s) { return decoded.game.segments[s.segment].puzzle; };
  std::vector<PuzzleId> puzzles{decoded.board};
  for (const PuzzleState& state : states) {
    if (std::find(puzzles.begin(), puzzles.end(), puzzleOf(state)) == puzzles.end())
      puzzles.push_back(puzzleOf(state));
  }
  const auto cutter = std::make_unique<Cutter>();
  for (const PuzzleId& puzzle : puzzles) {
    if (!GeneratePuzzle(puzzle.number, cutter->library, cutter->generator, cutter->pieces,
                        puzzle.shape)) {
      const auto first = std::find_if(states.begin(), states.end(),
                                      [&](const PuzzleState& s) { return puzzleOf(s) == puzzle; });
      Within("states", static_cast<std::size_t>(first - states.begin()),
             [] { throw Damaged("number", "makes no puzzle"); });
    }
    if (puzzle == decoded.board && PieceFingerprint(cutter->pieces) != decoded.fingerprint)
      throw GameFileFault{GameFileStatus::kOtherPieces, "fingerprint", decoded.fingerprint};
    for (std::size_t i = 0; i < states.size(); ++i) {
      if (puzzleOf(states[i]) == puzzle)
        Within("states", i, [&] { CheckGroupTable(states[i].groups, cutter->pieces); });
    }
  }
  if (decoded.solved != (states[decoded.game.current].groups.count == 1))
    throw Damaged("solved", "does not match the groups on the board");
}

}  // namespace

GameFileRead ReadGameFile(std::string_view text) {
  GameFileRead read;
  if (text.empty()) {
    read.status = GameFileStatus::kEmpty;
    return read;
  }
  if (text.size() > kMaxGameFileBytes) {
    read.status = GameFileStatus::kTooLarge;
    return read;
  }
  const Json file = Json::parse(text, nullptr, false);
  const auto format = file.is_object() ? file.find("format") : file.end();
  if (format == file.end() || *format != "wendrel-game") {
    read.status = GameFileStatus::kNotAGame;
    return read;
  }
  try {
    DecodedFile decoded = Decode(file);
    Check(decoded);
    read.game = std::move(decoded.game);
  } catch (GameFileFault& fault) {
    read.status = fault.status;
    read.field = std::move(fault.field);
    read.detail = std::move(fault.detail);
  }
  return read;
}

}  // namespace wendrel

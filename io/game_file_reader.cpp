#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "assembly/generate_puzzle.h"
#include "assembly/table_fit.h"
#include "generator/puzzle_generator.h"
#include "io/figure_box.h"
#include "io/figure_file.h"
#include "io/game_file.h"
#include "io/game_file_fault.h"
#include "io/json_document.h"
#include "io/piece_fingerprint.h"
#include "io/translatable.h"

namespace wendrel {

namespace {

using Value = JsonDocument::Value;

// What can be wrong with a field, as the player reads it after the field's name. The
// notes marked //: go to the translators.
constexpr const char* kMissing = WENDREL_TRANSLATABLE("GameFile", "is missing");
constexpr const char* kNotWhole = WENDREL_TRANSLATABLE("GameFile", "is not a whole number");
constexpr const char* kOutOfRange = WENDREL_TRANSLATABLE("GameFile", "is out of range");
constexpr const char* kNotNumber = WENDREL_TRANSLATABLE("GameFile", "is not a number");
constexpr const char* kNotFlag = WENDREL_TRANSLATABLE("GameFile", "is not true or false");
constexpr const char* kNotText = WENDREL_TRANSLATABLE("GameFile", "is not text");
constexpr const char* kNotObject = WENDREL_TRANSLATABLE("GameFile", "is not an object");
constexpr const char* kNotGroup =
    WENDREL_TRANSLATABLE("GameFile", "is not [pieces, x, y, rotation, flipped]");
constexpr const char* kNotSegment =
    WENDREL_TRANSLATABLE("GameFile",
                         "is not [shape, number, playingMs, hints, solvedByProgram, clockStarted, "
                         "solvedBefore]");
constexpr const char* kNotFigureSegment =
    WENDREL_TRANSLATABLE("GameFile",
                         "is not [figure, number, playingMs, hints, solvedByProgram, "
                         "clockStarted, solvedBefore, pieces]");
constexpr const char* kNotFigures = WENDREL_TRANSLATABLE("GameFile", "is not a list of figures");
constexpr const char* kNotAFigure =
    WENDREL_TRANSLATABLE("GameFile", "does not make a figure that can be cut");
constexpr const char* kNotPieces =
    WENDREL_TRANSLATABLE("GameFile", "is not a list of 1 to %1 pieces");
constexpr const char* kNotGroups =
    WENDREL_TRANSLATABLE("GameFile", "is not a list of 1 to %1 groups");
constexpr const char* kNotStates =
    WENDREL_TRANSLATABLE("GameFile", "is not a list of 1 to %1 states");
constexpr const char* kNotSegments =
    WENDREL_TRANSLATABLE("GameFile", "is not a list of 1 to %1 segments");
constexpr const char* kNoPuzzle = WENDREL_TRANSLATABLE("GameFile", "makes no puzzle");
//: After "shape" or "number", which must be those of the state on the board.
constexpr const char* kNotTheBoard = WENDREL_TRANSLATABLE("GameFile", "is not that of states[%1]");
constexpr const char* kNotTheBoardsSolve =
    WENDREL_TRANSLATABLE("GameFile", "does not match the groups on the board");
constexpr const char* kNotAPiece =
    WENDREL_TRANSLATABLE("GameFile", "is not a piece of this puzzle");
constexpr const char* kRepeatedPiece = WENDREL_TRANSLATABLE("GameFile", "repeats piece %1");
//: After a field of many groups, as "states[2].groups leave out piece 4".
constexpr const char* kMissingPiece = WENDREL_TRANSLATABLE("GameFile", "leave out piece %1");
//: After the pieces of a group, as "states[2].groups[0].pieces do not all meet...".
constexpr const char* kApart =
    WENDREL_TRANSLATABLE("GameFile", "do not all meet in the solved puzzle");

constexpr std::size_t kMaxStates = GroupHistory::kMaxSteps + 1;

// A file as written, each value of the right kind and in its range; whether its tables
// fit their puzzles is checked after.
struct DecodedFile {
  SavedGame game;
  std::string fingerprint;
  // The field that names the number of the board's puzzle, for a puzzle that cannot be cut.
  std::string boardNumber;
};

Value Member(Value object, const char* key) {
  const std::optional<Value> member = object.Find(key);
  if (!member)
    throw Damaged(key, kMissing);
  return *member;
}

// A list of 1 to most entries.
Value List(Value value, const char* field, std::size_t most, const char* fault) {
  if (!value.IsArray() || value.size() == 0 || value.size() > most)
    throw Damaged(field, fault, std::to_string(most));
  return value;
}

// least and most lie within ±2^53, where every whole number is a double.
std::int64_t WholeNumber(Value value, const char* field, std::int64_t least, std::int64_t most) {
  if (!value.IsNumber())
    throw Damaged(field, kNotWhole);
  if (const std::optional<std::int64_t> exact = value.Integer()) {
    if (*exact < least || *exact > most)
      throw Damaged(field, kOutOfRange);
    return *exact;
  }
  // With a fraction or an exponent, or beyond int64: judged by its value, so that 2^64 and
  // 1e30 are whole numbers out of range, and 2.5 is none.
  const double x = value.Number();
  if (x != std::trunc(x))
    throw Damaged(field, kNotWhole);
  if (!(x >= static_cast<double>(least) && x <= static_cast<double>(most)))
    throw Damaged(field, kOutOfRange);
  return static_cast<std::int64_t>(x);
}

std::int32_t PuzzleNumber(Value value, const char* field) {
  return static_cast<std::int32_t>(WholeNumber(value, field,
                                               std::numeric_limits<std::int32_t>::min(),
                                               std::numeric_limits<std::int32_t>::max()));
}

bool Flag(Value value, const char* field) {
  if (!value.IsBoolean())
    throw Damaged(field, kNotFlag);
  return value.kind() == JsonDocument::Kind::kTrue;
}

std::string_view Text(Value value, const char* field) {
  if (!value.IsString())
    throw Damaged(field, kNotText);
  return value.Text();
}

// The figures a file keeps, which it names before any that this program knows.
using KeptFigures = std::map<std::string, FigureRef, std::less<>>;

FigureRef FigureOf(Value value, const char* field, const KeptFigures& kept = {}) {
  const std::string_view name = Text(value, field);
  const auto found = kept.find(name);
  if (found != kept.end())
    return found->second;
  FigureRef known = KnownFigure(name);
  if (!known)
    throw GameFileFault{GameFileStatus::kUnknownShape, field, "", std::string(name)};
  return known;
}

KeptFigures ReadKeptFigures(Value file) {
  KeptFigures kept;
  const std::optional<Value> list = file.Find("figures");
  if (!list)
    return kept;
  if (!list->IsArray() || list->size() > kMaxStates)
    throw Damaged("figures", kNotFigures);
  Value value = list->First();
  for (std::size_t k = 0; k < list->size(); ++k, value = value.Next()) {
    FigureFileRead read = ReadKeptFigure(value);
    if (!read.ok()) {
      const std::string field = "figures[" + std::to_string(k) + "]";
      throw Damaged(read.field.empty() ? field : field + '.' + read.field, kNotAFigure);
    }
    std::string name = read.figure.name;
    kept[std::move(name)] = std::make_shared<const Figure>(std::move(read.figure));
  }
  return kept;
}

double Coordinate(Value value, const char* field) {
  if (!value.IsNumber())
    throw Damaged(field, kNotNumber);
  const double x = value.Number();
  if (!std::isfinite(x) || std::fabs(x) > kMaxGamePosition)
    throw Damaged(field, kOutOfRange);
  return x;
}

PieceGroup ReadGroup(Value value) {
  if (!value.IsArray() || value.size() != 5)
    throw Damaged("", kNotGroup);
  const Value members = List(value.First(), "pieces", PieceGroup::kMaxPieces, kNotPieces);
  PieceGroup group;
  Value member = members.First();
  for (std::size_t j = 0; j < members.size(); ++j, member = member.Next()) {
    group.AddPiece(Within("pieces", j, [&] {
      return static_cast<int>(WholeNumber(member, "", 0, PieceRegion::kMaxRegions - 1));
    }));
  }
  const Value x = members.Next(), y = x.Next(), rotation = y.Next(), flipped = rotation.Next();
  group.position = DPoint{Coordinate(x, "x"), Coordinate(y, "y")};
  group.rotation = static_cast<int>(WholeNumber(rotation, "rotation", 0, 11));
  group.flipped = static_cast<int>(WholeNumber(flipped, "flipped", 0, 1));
  return group;
}

void ReadGroups(Value value, GroupTable& table) {
  const Value groups = List(value, "groups", GroupTable::kMaxGroups, kNotGroups);
  Value group = groups.First();
  for (std::size_t g = 0; g < groups.size(); ++g, group = group.Next())
    table.groups[g] = Within("groups", g, [&] { return ReadGroup(group); });
  table.count = static_cast<int>(groups.size());
}

// Calls read(state) for each state of the file, naming it in any fault.
template <typename Read>
void ForEachState(Value file, Read read) {
  const Value states = List(Member(file, "states"), "states", kMaxStates, kNotStates);
  Value state = states.First();
  for (std::size_t i = 0; i < states.size(); ++i, state = state.Next()) {
    Within("states", i, [&] {
      if (!state.IsObject())
        throw Damaged("", kNotObject);
      read(state);
    });
  }
}

std::size_t Current(Value file, std::size_t states) {
  return static_cast<std::size_t>(
      WholeNumber(Member(file, "current"), "current", 0, static_cast<std::int64_t>(states) - 1));
}

PuzzleProgress Progress(Value playingMs, Value hints, Value solvedByProgram, Value clockStarted,
                        Value solvedBefore) {
  PuzzleProgress progress;
  progress.playingMs = WholeNumber(playingMs, "playingMs", 0, kMaxPlayingMs);
  progress.hints = static_cast<int>(WholeNumber(hints, "hints", 0, kMaxHints));
  progress.solvedByProgram = Flag(solvedByProgram, "solvedByProgram");
  progress.started = Flag(clockStarted, "clockStarted");
  progress.solvedBefore = Flag(solvedBefore, "solvedBefore");
  return progress;
}

// Format 2 names a built-in shape and cuts its own count; format 3 names any figure and
// adds the piece count.
PuzzleSegment ReadSegment(Value value, std::int64_t format, const KeptFigures& kept) {
  const std::size_t fields = format == 2 ? 7 : 8;
  if (!value.IsArray() || value.size() != fields)
    throw Damaged("", format == 2 ? kNotSegment : kNotFigureSegment);
  PuzzleSegment segment;
  const Value figure = value.First(), number = figure.Next(), playingMs = number.Next(),
              hints = playingMs.Next(), solvedByProgram = hints.Next(),
              clockStarted = solvedByProgram.Next(), solvedBefore = clockStarted.Next();
  const int pieces =
      format == 2
          ? 0
          : static_cast<int>(WholeNumber(solvedBefore.Next(), "pieces", 2, Figure::kMaxPieces));
  segment.puzzle =
      PuzzleId(format == 2 ? FigureOf(figure, "shape") : FigureOf(figure, "figure", kept),
               PuzzleNumber(number, "number"), pieces);
  segment.progress = Progress(playingMs, hints, solvedByProgram, clockStarted, solvedBefore);
  return segment;
}

DecodedFile DecodeSegments(Value file, std::int64_t format) {
  DecodedFile decoded;
  const KeptFigures kept = ReadKeptFigures(file);
  decoded.fingerprint = Text(Member(file, "fingerprint"), "fingerprint");
  std::vector<PuzzleSegment>& segments = decoded.game.segments;
  const Value list = List(Member(file, "segments"), "segments", kMaxStates, kNotSegments);
  segments.reserve(list.size());
  Value segment = list.First();
  for (std::size_t k = 0; k < list.size(); ++k, segment = segment.Next())
    segments.push_back(Within("segments", k, [&] { return ReadSegment(segment, format, kept); }));

  std::vector<PuzzleState>& states = decoded.game.states;
  states.reserve(List(Member(file, "states"), "states", kMaxStates, kNotStates).size());
  ForEachState(file, [&](Value state) {
    PuzzleState& read = states.emplace_back();
    read.segment = static_cast<std::size_t>(WholeNumber(
        Member(state, "segment"), "segment", 0, static_cast<std::int64_t>(segments.size()) - 1));
    ReadGroups(Member(state, "groups"), read.groups);
  });
  decoded.game.current = Current(file, states.size());
  decoded.boardNumber =
      "segments[" + std::to_string(states[decoded.game.current].segment) + "].number";
  return decoded;
}

// Format 1: each state names its puzzle, and the progress is the board's alone. Each
// puzzle becomes one segment, numbered as the history first shows it.
DecodedFile DecodeFormat1(Value file) {
  DecodedFile decoded;
  const PuzzleId board{FigureOf(Member(file, "shape"), "shape"),
                       PuzzleNumber(Member(file, "number"), "number")};
  decoded.fingerprint = Text(Member(file, "fingerprint"), "fingerprint");
  const bool solved = Flag(Member(file, "solved"), "solved");
  const PuzzleProgress progress =
      Progress(Member(file, "playingMs"), Member(file, "hints"), Member(file, "solvedByProgram"),
               Member(file, "clockStarted"), Member(file, "solvedBefore"));

  SavedGame& game = decoded.game;
  std::map<std::pair<std::string, std::int32_t>, std::size_t> segmentOf;
  game.states.reserve(List(Member(file, "states"), "states", kMaxStates, kNotStates).size());
  ForEachState(file, [&](Value state) {
    const PuzzleId puzzle{FigureOf(Member(state, "shape"), "shape"),
                          PuzzleNumber(Member(state, "number"), "number")};
    const auto [at, added] =
        segmentOf.emplace(std::pair(puzzle.figure->name, puzzle.number), game.segments.size());
    if (added)
      game.segments.push_back(PuzzleSegment{puzzle, puzzle == board ? progress : PuzzleProgress{}});
    PuzzleState& read = game.states.emplace_back();
    read.segment = at->second;
    ReadGroups(Member(state, "groups"), read.groups);
  });
  game.current = Current(file, game.states.size());

  const PuzzleState& shown = game.states[game.current];
  const PuzzleId& puzzle = game.segments[shown.segment].puzzle;
  if (board.figure != puzzle.figure)
    throw Damaged("shape", kNotTheBoard, std::to_string(game.current));
  if (board.number != puzzle.number)
    throw Damaged("number", kNotTheBoard, std::to_string(game.current));
  if (solved != (shown.groups.count == 1))
    throw Damaged("solved", kNotTheBoardsSolve);
  decoded.boardNumber = "number";
  return decoded;
}

DecodedFile Decode(Value file) {
  // A newer format may have changed anything else, so its version is read first; any whole
  // number beyond this program's is a newer format, however large.
  const Value version = Member(file, "formatVersion");
  if (version.IsNumber() && version.Number() > kGameFileFormat &&
      version.Number() == std::trunc(version.Number()))
    throw GameFileFault{GameFileStatus::kNewerFormat, "formatVersion", "",
                        std::string(version.Literal())};
  const std::int64_t format = WholeNumber(version, "formatVersion", 1, kGameFileFormat);
  Text(Member(file, "program"), "program");
  return format == 1 ? DecodeFormat1(file) : DecodeSegments(file, format);
}

[[noreturn]] void ThrowTableFault(const TableFault& fault) {
  switch (fault.kind) {
    case TableFault::Kind::kNotAPiece:
      throw Damaged(fault.field, kNotAPiece);
    case TableFault::Kind::kRepeatedPiece:
      throw Damaged(fault.field, kRepeatedPiece, std::to_string(fault.piece));
    case TableFault::Kind::kMissingPiece:
      throw Damaged(fault.field, kMissingPiece, std::to_string(fault.piece));
    case TableFault::Kind::kApart:
      break;
  }
  throw Damaged(fault.field, kApart);
}

// Cuts the puzzle on the board, matches it against the fingerprint and fits every table
// of that puzzle to its pieces, which gives them their pivots; the cut goes with the game,
// so that the record need not cut it again. The tables of other puzzles are checked only
// as far as their piece count tells: cutting each puzzle of a long history would
// take far longer than the rest of the reading, and the record cuts a puzzle when undo or
// redo reaches it.
void Check(DecodedFile& decoded) {
  SavedGame& game = decoded.game;
  const PuzzleId board = game.segments[game.states[game.current].segment].puzzle;
  // Large, so made only for a file that decoded.
  const auto generator = std::make_unique<PuzzleGenerator>();
  const auto cut = std::make_shared<CutPuzzle>();
  cut->puzzle = board;
  PieceSet& pieces = cut->pieces;
  if (!GeneratePuzzle(board, *generator, pieces))
    throw Damaged(decoded.boardNumber, kNoPuzzle);
  if (PieceFingerprint(pieces) != decoded.fingerprint)
    throw GameFileFault{GameFileStatus::kOtherPieces, "fingerprint", "", decoded.fingerprint};
  const GroupTable scattered = pieces.Groups();
  for (std::size_t i = 0; i < game.states.size(); ++i) {
    PuzzleState& state = game.states[i];
    const PuzzleId puzzle = game.segments[state.segment].puzzle;
    const std::optional<TableFault> fault = puzzle == board
                                                ? FitTable(state.groups, pieces)
                                                : MembershipFault(state.groups, puzzle.pieces);
    if (fault)
      Within("states", i, [&] { ThrowTableFault(*fault); });
  }
  // The fits left their own groups; the record takes the pieces as the scatter left them.
  pieces.Groups() = scattered;
  game.cut = cut;
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
  const std::optional<JsonDocument> document = JsonDocument::Parse(text);
  const std::optional<Value> format =
      document && document->Root().IsObject() ? document->Root().Find("format") : std::nullopt;
  if (!format || !format->IsString() || format->Text() != "wendrel-game") {
    read.status = GameFileStatus::kNotAGame;
    return read;
  }
  try {
    DecodedFile decoded = Decode(document->Root());
    Check(decoded);
    read.game = std::move(decoded.game);
  } catch (GameFileFault& fault) {
    read.status = fault.status;
    read.field = std::move(fault.field);
    read.fault = fault.fault;
    read.detail = std::move(fault.detail);
  }
  return read;
}

}  // namespace wendrel

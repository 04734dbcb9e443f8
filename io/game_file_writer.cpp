#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

#include <set>

#include "io/figure_box.h"
#include "io/figure_file.h"
#include "io/game_file.h"
#include "io/piece_fingerprint.h"
#include "io/version.h"

namespace wendrel {

namespace {

// The text written straight into one string, each part into room made for it beforehand: a
// whole history is tens of thousands of numbers, which a tree of JSON values would allocate
// one by one and a stream would format through its locale.
class Writer {
 public:
  explicit Writer(std::size_t expected) { m_text.resize(expected); }

  // Opens room for a part of at most most characters, written from At() on.
  Writer& Room(std::size_t most) {
    if (m_size + most > m_text.size())
      m_text.resize(std::max(2 * m_text.size(), m_size + most));
    m_at = m_text.data() + m_size;
    return *this;
  }
  // Closes the part.
  void Done() { m_size = static_cast<std::size_t>(m_at - m_text.data()); }

  Writer& operator<<(std::string_view raw) {
    std::memcpy(m_at, raw.data(), raw.size());
    m_at += raw.size();
    return *this;
  }
  Writer& operator<<(char raw) {
    *m_at++ = raw;
    return *this;
  }
  // Without this, a literal would take the bool's road, a standard conversion.
  Writer& operator<<(const char* raw) { return *this << std::string_view(raw); }
  Writer& operator<<(bool flag) { return *this << (flag ? "true" : "false"); }
  Writer& operator<<(int number) { return Append(number); }
  Writer& operator<<(std::int64_t number) { return Append(number); }
  Writer& operator<<(std::size_t number) { return Append(number); }
  // The shortest form that reads back as the same double, with a point, so that a
  // position reads as one.
  Writer& operator<<(double number) {
    char* const start = m_at;
    m_at = std::to_chars(m_at, m_at + kMostDouble, number).ptr;
    if (std::none_of(start, m_at, [](char c) { return c == '.' || c == 'e'; }))
      *this << ".0";
    return *this;
  }

  // Names from the program itself: figures, its version, a fingerprint, all plain ASCII
  // without quotes or backslashes.
  Writer& Quoted(std::string_view text) { return *this << '"' << text << '"'; }

  std::string Text() && {
    m_text.resize(m_size);
    return std::move(m_text);
  }

  // The longest forms of the values, ".0" included.
  static constexpr std::size_t kMostNumber = 20;
  static constexpr std::size_t kMostDouble = 26;

 private:
  template <typename Number>
  Writer& Append(Number number) {
    m_at = std::to_chars(m_at, m_at + kMostNumber, number).ptr;
    return *this;
  }

  std::string m_text;
  std::size_t m_size = 0;
  char* m_at = nullptr;
};

void WriteGroups(Writer& out, const GroupTable& table) {
  out.Room(1) << '[';
  out.Done();
  for (int g = 0; g < table.count; ++g) {
    const PieceGroup& group = table.groups[g];
    out.Room(8 + (Writer::kMostNumber + 1) * (group.count + 2) + 2 * (Writer::kMostDouble + 1));
    out << (g > 0 ? ",[[" : "[[");
    for (int j = 0; j < group.count; ++j)
      out << (j > 0 ? "," : "") << group.pieces[j];
    out << "]," << group.position.x << ',' << group.position.y << ',' << group.rotation << ','
        << group.flipped << ']';
    out.Done();
  }
  out.Room(1) << ']';
  out.Done();
}

// The figures of the history that this program does not know as they stand, each once, so
// that the game opens where their files were never seen.
void WriteKeptFigures(Writer& out, const SavedGame& game) {
  std::set<std::string_view> kept;
  for (const PuzzleSegment& segment : game.segments) {
    const Figure& figure = *segment.puzzle.figure;
    if (IsKnown(figure) || !kept.insert(figure.name).second)
      continue;
    const std::string json = KeptFigureJson(figure);
    out.Room(16 + json.size()) << (kept.size() == 1 ? R"(,"figures":[)" : ",") << json;
    out.Done();
  }
  if (!kept.empty()) {
    out.Room(1) << ']';
    out.Done();
  }
}

// Enough for most files, so that the text is seldom moved: a group takes some 60
// characters at most.
std::size_t ExpectedSize(const SavedGame& game) {
  std::size_t size = 256 + 80 * game.segments.size();
  for (const PuzzleState& state : game.states)
    size += 32 + 64 * static_cast<std::size_t>(state.groups.count);
  return size;
}

}  // namespace

std::string WriteGameFile(const SavedGame& game, const PieceSet& board) {
  if (game.states.empty())
    return {};
  Writer out(ExpectedSize(game));
  const std::string fingerprint = PieceFingerprint(board);
  out.Room(192 + std::strlen(WENDREL_VERSION) + fingerprint.size())
      << R"({"format":"wendrel-game","formatVersion":)" << kGameFileFormat << R"(,"program":)";
  out.Quoted(WENDREL_VERSION) << R"(,"fingerprint":)";
  out.Quoted(fingerprint) << R"(,"current":)" << game.current;
  out.Done();
  WriteKeptFigures(out, game);
  out.Room(16) << R"(,"segments":[)";
  out.Done();
  for (std::size_t k = 0; k < game.segments.size(); ++k) {
    const PuzzleSegment& segment = game.segments[k];
    const PuzzleProgress& progress = segment.progress;
    const std::string_view name = segment.puzzle.figure->name;
    out.Room(64 + name.size() + 4 * Writer::kMostNumber) << (k > 0 ? ",[" : "[");
    out.Quoted(name) << ',' << segment.puzzle.number << ',' << progress.playingMs << ','
                     << progress.hints << ',' << progress.solvedByProgram << ',' << progress.started
                     << ',' << progress.solvedBefore << ',' << segment.puzzle.pieces << ']';
    out.Done();
  }
  out.Room(16) << R"(],"states":[)";
  out.Done();
  for (std::size_t i = 0; i < game.states.size(); ++i) {
    out.Room(32 + Writer::kMostNumber)
        << (i > 0 ? "," : "") << R"({"segment":)" << game.states[i].segment << R"(,"groups":)";
    out.Done();
    WriteGroups(out, game.states[i].groups);
    out.Room(1) << '}';
    out.Done();
  }
  out.Room(3) << "]}\n";
  out.Done();
  return std::move(out).Text();
}

}  // namespace wendrel

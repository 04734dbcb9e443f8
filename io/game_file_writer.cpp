#include <charconv>
#include <cstdint>
#include <string_view>

#include "io/game_file.h"
#include "io/piece_fingerprint.h"
#include "io/version.h"

namespace wendrel {

namespace {

// The text written straight into one string: a whole history is tens of thousands of
// numbers, which a tree of JSON values would allocate one by one.
class Writer {
 public:
  explicit Writer(std::size_t expected) { m_text.reserve(expected); }

  Writer& operator<<(std::string_view raw) {
    m_text += raw;
    return *this;
  }
  // Without this, a literal would take the bool's road, a standard conversion.
  Writer& operator<<(const char* raw) {
    m_text += raw;
    return *this;
  }
  Writer& operator<<(char raw) {
    m_text += raw;
    return *this;
  }
  Writer& operator<<(std::int64_t number) { return Append(number); }
  Writer& operator<<(int number) { return Append(number); }
  Writer& operator<<(std::size_t number) { return Append(number); }
  Writer& operator<<(bool flag) { return *this << (flag ? "true" : "false"); }
  // The shortest form that reads back as the same double, with a point, so that a
  // position reads as one.
  Writer& operator<<(double number) {
    char digits[32];
    const std::string_view text(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
    m_text += text;
    if (text.find_first_of(".e") == std::string_view::npos)
      m_text += ".0";
    return *this;
  }

  // Names from the program itself: shapes, its version, a fingerprint, all plain ASCII
  // without quotes or backslashes.
  Writer& Quoted(std::string_view text) { return *this << '"' << text << '"'; }

  std::string Text() && { return std::move(m_text); }

 private:
  template <typename Number>
  Writer& Append(Number number) {
    char digits[24];
    m_text.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
    return *this;
  }

  std::string m_text;
};

void WriteGroups(Writer& out, const GroupTable& table) {
  out << '[';
  for (int g = 0; g < table.count; ++g) {
    const PieceGroup& group = table.groups[g];
    out << (g > 0 ? ",[[" : "[[");
    for (int j = 0; j < group.count; ++j)
      out << (j > 0 ? "," : "") << group.pieces[j];
    out << "]," << group.position.x << ',' << group.position.y << ',' << group.rotation << ','
        << group.flipped << ']';
  }
  out << ']';
}

// Enough for the file, so that it is written without a copy: a group takes at most some
// 60 characters.
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
  out << R"({"format":"wendrel-game","formatVersion":)" << kGameFileFormat << R"(,"program":)";
  out.Quoted(WENDREL_VERSION) << R"(,"fingerprint":)";
  out.Quoted(PieceFingerprint(board)) << R"(,"current":)" << game.current << R"(,"segments":[)";
  for (std::size_t k = 0; k < game.segments.size(); ++k) {
    const PuzzleSegment& segment = game.segments[k];
    const PuzzleProgress& progress = segment.progress;
    out << (k > 0 ? ",[" : "[");
    out.Quoted(InfoOf(segment.puzzle.shape).name)
        << ',' << segment.puzzle.number << ',' << progress.playingMs << ',' << progress.hints << ','
        << progress.solvedByProgram << ',' << progress.started << ',' << progress.solvedBefore
        << ']';
  }
  out << R"(],"states":[)";
  for (std::size_t i = 0; i < game.states.size(); ++i) {
    out << (i > 0 ? "," : "") << R"({"segment":)" << game.states[i].segment << R"(,"groups":)";
    WriteGroups(out, game.states[i].groups);
    out << '}';
  }
  out << "]}\n";
  return std::move(out).Text();
}

}  // namespace wendrel

#include "io/json_document.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace wendrel {

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// What from_chars leaves to its caller: a number beyond a double's range. The power of ten
// of its first significant digit tells whether it is too large or too small.
double Beyond(std::string_view literal) {
  const bool negative = literal[0] == '-';
  const std::size_t e = std::min(literal.find_first_of("eE"), literal.size());
  const std::string_view mantissa = literal.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  std::int64_t power = 0;
  if (first == std::string_view::npos)
    power = std::numeric_limits<std::int32_t>::min();
  else if (first < point)
    power = static_cast<std::int64_t>(point - first) - 1;
  else
    power = -static_cast<std::int64_t>(first - point);
  // The exponent saturates: a text of a million digits moves the power by a million.
  std::int64_t exponent = 0;
  bool below = false;
  for (std::size_t i = e + 1; i < literal.size(); ++i) {
    if (literal[i] == '-')
      below = true;
    else if (IsDigit(literal[i]))
      exponent = std::min<std::int64_t>(exponent * 10 + (literal[i] - '0'), 1'000'000'000);
  }
  const double magnitude =
      power + (below ? -exponent : exponent) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return negative ? -magnitude : magnitude;
}

}  // namespace

// One pass over the text, without recursion: the open containers are kept in a list, so
// that no nesting, however deep, can exhaust the stack.
class JsonDocument::Parser {
 public:
  explicit Parser(JsonDocument& doc) : m_doc(doc), m_text(doc.m_text) {}

  bool Run() {
    std::vector<std::uint32_t> open;
    SkipSpace();
    for (;;) {
      // Here a value must start.
      if (AtEnd())
        return false;
      const char c = m_text[m_at];
      if (c == '{' || c == '[') {
        const std::uint32_t index = Add(c == '{' ? Kind::kObject : Kind::kArray, 0, 0);
        ++m_at;
        SkipSpace();
        if (AtEnd())
          return false;
        if (m_text[m_at] != (c == '{' ? '}' : ']')) {
          open.push_back(index);
          if (c == '{' && !Key())
            return false;
          continue;
        }
        ++m_at;
        Close(index);
      } else if (!Scalar()) {
        return false;
      }
      // A value is complete: it is one more element or member of the container around it,
      // which then goes on or ends, itself a complete value.
      for (;;) {
        SkipSpace();
        if (open.empty())
          return AtEnd();
        Node& container = m_doc.m_nodes[open.back()];
        ++container.startOrCount;
        const bool object = container.kind == Kind::kObject;
        if (AtEnd())
          return false;
        const char next = m_text[m_at++];
        if (next == ',') {
          SkipSpace();
          if (object && !Key())
            return false;
          break;
        }
        if (next != (object ? '}' : ']'))
          return false;
        Close(open.back());
        open.pop_back();
      }
    }
  }

 private:
  bool AtEnd() const { return m_at >= m_text.size(); }

  void SkipSpace() {
    while (!AtEnd() && IsSpace(m_text[m_at]))
      ++m_at;
  }

  std::uint32_t Add(Kind kind, std::size_t begin, std::size_t size) {
    const auto index = static_cast<std::uint32_t>(m_doc.m_nodes.size());
    Node& node = m_doc.m_nodes.emplace_back();
    node.kind = kind;
    node.startOrCount = static_cast<std::uint32_t>(begin);
    node.sizeOrEnd = static_cast<std::uint32_t>(size);
    return index;
  }

  void Close(std::uint32_t index) {
    m_doc.m_nodes[index].sizeOrEnd = static_cast<std::uint32_t>(m_doc.m_nodes.size());
  }

  // A member's name and the colon after it, up to where its value starts.
  bool Key() {
    if (AtEnd() || m_text[m_at] != '"' || !String())
      return false;
    SkipSpace();
    if (AtEnd() || m_text[m_at] != ':')
      return false;
    ++m_at;
    SkipSpace();
    return true;
  }

  bool Scalar() {
    switch (m_text[m_at]) {
      case '"':
        return String();
      case 't':
        return Word("true", Kind::kTrue);
      case 'f':
        return Word("false", Kind::kFalse);
      case 'n':
        return Word("null", Kind::kNull);
      default:
        return Number();
    }
  }

  bool Word(std::string_view word, Kind kind) {
    if (m_text.substr(m_at, word.size()) != word)
      return false;
    Add(kind, 0, 0);
    m_at += word.size();
    return true;
  }

  bool Digits() {
    const std::size_t start = m_at;
    while (!AtEnd() && IsDigit(m_text[m_at]))
      ++m_at;
    return m_at > start;
  }

  bool Number() {
    const std::size_t start = m_at;
    if (m_text[m_at] == '-')
      ++m_at;
    if (AtEnd() || !IsDigit(m_text[m_at]))
      return false;
    // No leading zeros: "0" stands alone.
    if (m_text[m_at] == '0')
      ++m_at;
    else
      Digits();
    bool integral = true;
    if (!AtEnd() && m_text[m_at] == '.') {
      ++m_at;
      if (!Digits())
        return false;
      integral = false;
    }
    if (!AtEnd() && (m_text[m_at] == 'e' || m_text[m_at] == 'E')) {
      ++m_at;
      if (!AtEnd() && (m_text[m_at] == '+' || m_text[m_at] == '-'))
        ++m_at;
      if (!Digits())
        return false;
      integral = false;
    }
    m_doc.m_nodes[Add(Kind::kNumber, start, m_at - start)].integral = integral;
    return true;
  }

  // Past one character of UTF-8 that starts with a byte of 0x80 or more: the shortest
  // form of a code point up to U+10FFFF that is no surrogate.
  bool Utf8() {
    const auto lead = static_cast<unsigned char>(m_text[m_at]);
    int extra = 0;
    std::uint32_t code = 0, least = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
      extra = 1, code = lead & 0x1fu, least = 0x80;
    } else if (lead >= 0xe0 && lead <= 0xef) {
      extra = 2, code = lead & 0x0fu, least = 0x800;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
      extra = 3, code = lead & 0x07u, least = 0x10000;
    } else {
      return false;
    }
    if (m_at + extra >= m_text.size())
      return false;
    for (int i = 1; i <= extra; ++i) {
      const auto byte = static_cast<unsigned char>(m_text[m_at + i]);
      if ((byte & 0xc0u) != 0x80u)
        return false;
      code = (code << 6) | (byte & 0x3fu);
    }
    if (code < least || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
      return false;
    m_at += extra + 1;
    return true;
  }

  bool String() {
    const std::size_t start = ++m_at;
    while (!AtEnd()) {
      const auto c = static_cast<unsigned char>(m_text[m_at]);
      if (c == '"') {
        Add(Kind::kString, start, m_at - start);
        ++m_at;
        return true;
      }
      if (c == '\\')
        return EscapedString(start);
      if (c < 0x20)
        return false;
      if (c < 0x80)
        ++m_at;
      else if (!Utf8())
        return false;
    }
    return false;
  }

  // The rest of a string from its first backslash, decoded into the document's own text.
  bool EscapedString(std::size_t start) {
    std::string& out = m_doc.m_unescaped;
    const std::size_t begin = out.size();
    out.append(m_text.substr(start, m_at - start));
    while (!AtEnd()) {
      const auto c = static_cast<unsigned char>(m_text[m_at]);
      if (c == '"') {
        m_doc.m_nodes[Add(Kind::kString, begin, out.size() - begin)].unescaped = true;
        ++m_at;
        return true;
      }
      if (c < 0x20)
        return false;
      if (c == '\\') {
        if (!Escape(out))
          return false;
        continue;
      }
      const std::size_t from = m_at;
      if (c < 0x80)
        ++m_at;
      else if (!Utf8())
        return false;
      out.append(m_text.substr(from, m_at - from));
    }
    return false;
  }

  bool Escape(std::string& out) {
    if (m_at + 1 >= m_text.size())
      return false;
    const char e = m_text[m_at + 1];
    m_at += 2;
    switch (e) {
      case '"':
      case '\\':
      case '/':
        out += e;
        return true;
      case 'b':
        out += '\b';
        return true;
      case 'f':
        out += '\f';
        return true;
      case 'n':
        out += '\n';
        return true;
      case 'r':
        out += '\r';
        return true;
      case 't':
        out += '\t';
        return true;
      case 'u':
        break;
      default:
        return false;
    }
    std::uint32_t code = 0;
    if (!Hex4(code) || (code >= 0xdc00 && code <= 0xdfff))
      return false;
    if (code >= 0xd800 && code <= 0xdbff) {
      // A high surrogate is half of a character: the low half must follow.
      std::uint32_t low = 0;
      if (m_text.substr(m_at, 2) != "\\u")
        return false;
      m_at += 2;
      if (!Hex4(low) || low < 0xdc00 || low > 0xdfff)
        return false;
      code = 0x10000 + ((code - 0xd800) << 10) + (low - 0xdc00);
    }
    AppendUtf8(out, code);
    return true;
  }

  bool Hex4(std::uint32_t& code) {
    if (m_at + 4 > m_text.size())
      return false;
    const char* first = m_text.data() + m_at;
    // from_chars would take a sign; JSON's four digits have none.
    if (!std::all_of(first, first + 4, [](char c) {
          return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        }))
      return false;
    std::from_chars(first, first + 4, code, 16);
    m_at += 4;
    return true;
  }

  static void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xc0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3f));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xe0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
      out += static_cast<char>(0x80 | (code & 0x3f));
    } else {
      out += static_cast<char>(0xf0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3f));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
      out += static_cast<char>(0x80 | (code & 0x3f));
    }
  }

  JsonDocument& m_doc;
  const std::string_view m_text;
  std::size_t m_at = 0;
};

std::optional<JsonDocument> JsonDocument::Parse(std::string_view text) {
  // Offsets are kept in 32 bits.
  if (text.size() >= std::numeric_limits<std::uint32_t>::max())
    return std::nullopt;
  JsonDocument doc;
  doc.m_text = text;
  // A game's text holds about one value in three of its bytes; reserving for that spares
  // the list its copies as it grows.
  doc.m_nodes.reserve(text.size() / 3 + 1);
  if (!Parser(doc).Run())
    return std::nullopt;
  return doc;
}

JsonDocument::Value JsonDocument::Root() const {
  return Value(this, 0);
}

std::string_view JsonDocument::Value::Literal() const {
  return m_doc->m_text.substr(Node().startOrCount, Node().sizeOrEnd);
}

std::optional<std::int64_t> JsonDocument::Value::Integer() const {
  if (!Node().integral)
    return std::nullopt;
  const std::string_view literal = Literal();
  // Most numbers of a game are short: up to 18 digits, no int64 can overflow.
  if (literal.size() <= 18) {
    const bool negative = literal[0] == '-';
    std::int64_t value = 0;
    for (std::size_t i = negative ? 1 : 0; i < literal.size(); ++i)
      value = value * 10 + (literal[i] - '0');
    return negative ? -value : value;
  }
  std::int64_t value = 0;
  if (std::from_chars(literal.data(), literal.data() + literal.size(), value).ec != std::errc())
    return std::nullopt;
  return value;
}

double JsonDocument::Value::Number() const {
  const std::string_view literal = Literal();
  double value = 0;
  if (std::from_chars(literal.data(), literal.data() + literal.size(), value).ec != std::errc())
    return Beyond(literal);
  return value;
}

std::string_view JsonDocument::Value::Text() const {
  const std::string_view source = Node().unescaped ? m_doc->m_unescaped : m_doc->m_text;
  return source.substr(Node().startOrCount, Node().sizeOrEnd);
}

JsonDocument::Value JsonDocument::Value::Element(std::size_t i) const {
  Value element = First();
  while (i-- > 0)
    element = element.Next();
  return element;
}

std::optional<JsonDocument::Value> JsonDocument::Value::Find(std::string_view key) const {
  std::optional<Value> found;
  std::uint32_t at = m_index + 1;
  for (std::size_t i = 0; i < size(); ++i) {
    const Value name(m_doc, at), value(m_doc, at + 1);
    if (name.Text() == key)
      found = value;
    at = value.Next().m_index;
  }
  return found;
}

}  // namespace wendrel

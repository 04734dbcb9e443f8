#include "tests/tools/json_reader.h"

#include <charconv>
#include <stdexcept>

namespace wendrel::testing {

namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  JsonValue ParseDocument() {
    JsonValue v = ParseValue();
    SkipSpace();
    if (pos_ != text_.size())
      Fail("text after the value");
    return v;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(pos_));
  }

  void SkipSpace() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                   text_[pos_] == '\r' || text_[pos_] == '\t')) {
      ++pos_;
    }
  }

  char Peek() {
    SkipSpace();
    if (pos_ >= text_.size())
      Fail("unexpected end");
    return text_[pos_];
  }

  void Expect(char c) {
    if (Peek() != c)
      Fail(std::string("expected '") + c + "'");
    ++pos_;
  }

  bool TakeWord(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word)
      return false;
    pos_ += word.size();
    return true;
  }

  JsonValue ParseValue() {
    const char c = Peek();
    JsonValue v;
    if (c == '{') {
      v.kind = JsonValue::Kind::kObject;
      ++pos_;
      if (Peek() == '}') {
        ++pos_;
        return v;
      }
      for (;;) {
        std::string key = ParseString();
        Expect(':');
        v.members.emplace_back(std::move(key), ParseValue());
        if (Peek() == '}')
          break;
        Expect(',');
      }
      ++pos_;
    } else if (c == '[') {
      v.kind = JsonValue::Kind::kArray;
      ++pos_;
      if (Peek() == ']') {
        ++pos_;
        return v;
      }
      for (;;) {
        v.items.push_back(ParseValue());
        if (Peek() == ']')
          break;
        Expect(',');
      }
      ++pos_;
    } else if (c == '"') {
      v.kind = JsonValue::Kind::kString;
      v.text = ParseString();
    } else if (TakeWord("true")) {
      v.kind = JsonValue::Kind::kBool;
      v.boolean = true;
    } else if (TakeWord("false")) {
      v.kind = JsonValue::Kind::kBool;
    } else if (TakeWord("null")) {
      v.kind = JsonValue::Kind::kNull;
    } else {
      ParseNumber(v);
    }
    return v;
  }

  // Strings of this output hold no escapes; any backslash is refused.
  std::string ParseString() {
    Expect('"');
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != '"') {
      if (text_[pos_] == '\\' || static_cast<unsigned char>(text_[pos_]) < 0x20) {
        Fail("escape or control character in a string");
      }
      ++pos_;
    }
    if (pos_ >= text_.size())
      Fail("unterminated string");
    return std::string(text_.substr(start, pos_++ - start));
  }

  bool Digits() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9')
      ++pos_;
    return pos_ > start;
  }

  // The grammar of RFC 8259: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
  void ParseNumber(JsonValue& v) {
    const std::size_t start = pos_;
    if (pos_ < text_.size() && text_[pos_] == '-')
      ++pos_;
    const std::size_t intStart = pos_;
    if (!Digits())
      Fail("not a value");
    if (text_[intStart] == '0' && pos_ - intStart > 1)
      Fail("leading zero");
    if (pos_ < text_.size() && text_[pos_] == '.') {
      ++pos_;
      if (!Digits())
        Fail("no digits after the point");
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-'))
        ++pos_;
      if (!Digits())
        Fail("no digits in the exponent");
    }
    v.kind = JsonValue::Kind::kNumber;
    v.text = std::string(text_.substr(start, pos_ - start));
    const std::from_chars_result r =
        std::from_chars(v.text.data(), v.text.data() + v.text.size(), v.number);
    if (r.ec != std::errc{})
      Fail("number out of range");
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

const JsonValue& JsonValue::operator[](std::string_view key) const {
  for (const auto& [name, value] : members) {
    if (name == key)
      return value;
  }
  throw std::runtime_error("JSON: no member '" + std::string(key) + "'");
}

const JsonValue& JsonValue::operator[](std::size_t i) const {
  if (kind != Kind::kArray || i >= items.size()) {
    throw std::runtime_error("JSON: no element " + std::to_string(i));
  }
  return items[i];
}

bool JsonValue::IsInteger() const {
  return kind == Kind::kNumber && text.find_first_of(".eE") == std::string::npos;
}

long long JsonValue::AsInt() const {
  if (!IsInteger())
    throw std::runtime_error("JSON: '" + text + "' is not an integer");
  long long value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

JsonValue ParseJson(std::string_view text) {
  return Parser(text).ParseDocument();
}

}  // namespace wendrel::testing

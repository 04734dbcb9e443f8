#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wendrel::testing {

// A parsed JSON value. Numbers keep the text they were written as, so that a test can
// tell an integer from a double and read the double back itself.
struct JsonValue {
  enum class Kind { kNull, kBool, kNumber, kString, kArray, kObject };

  Kind kind = Kind::kNull;
  bool boolean = false;
  double number = 0.0;
  std::string text;  // a string's contents, or a number as written
  std::vector<JsonValue> items;
  std::vector<std::pair<std::string, JsonValue>> members;  // in the order written

  // The member with this key, or the element at i; throws when there is none.
  const JsonValue& operator[](std::string_view key) const;
  const JsonValue& operator[](std::size_t i) const;
  std::size_t size() const { return kind == Kind::kObject ? members.size() : items.size(); }
  // A number written without fraction or exponent.
  bool IsInteger() const;
  long long AsInt() const;
};

// Parses the whole text as one value (surrounding white space allowed); throws
// std::runtime_error naming the offset of the first problem.
JsonValue ParseJson(std::string_view text);

}  // namespace wendrel::testing

#include "io/json_document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace wendrel {
namespace {

TEST(JsonDocument, ReadsOneValueAloneAndNothingElse) {
  const std::pair<std::string, bool> texts[] = {
      {" {\"a\": [1, -0.5e+3, true, false, null, \"x\"], \"b\": {}}\r\n\t", true},
      {"\"\\u00e9\\ud83d\\ude00 \\\"\\\\\\/\\b\\f\\n\\r\\t \xc3\xa9\xf0\x9f\x98\x80\"", true},
      {std::string(100000, '[') + std::string(100000, ']'), true},
      {"", false},
      {" ", false},
      {"[1] x", false},
      {std::string("[1]\0", 4), false},
      {"[1,]", false},
      {"{\"a\":1,}", false},
      {"{\"a\" 1}", false},
      {"{1:1}", false},
      {"01", false},
      {"1.", false},
      {".5", false},
      {"+1", false},
      {"1e", false},
      {"tru", false},
      {"\"\\x\"", false},
      {"\"\\ud83d\"", false},  // half a character
      {"\"\\ude00\"", false},
      {"\"a\tb\"", false},          // a control character as it stands
      {"\"\xc3\"", false},          // UTF-8 cut short
      {"\"\xc0\xaf\"", false},      // a long form of '/'
      {"\"\xed\xa0\x80\"", false},  // a surrogate
      {"\"\xf4\x90\x80\x80\"", false},
  };
  for (const auto& [text, json] : texts)
    EXPECT_EQ(JsonDocument::Parse(text).has_value(), json) << text.substr(0, 40);
}

TEST(JsonDocument, NumbersAreTakenAsTheySay) {
  const double inf = INFINITY;
  const struct {
    const char* text;
    std::optional<std::int64_t> integer;
    double number;
  } numbers[] = {
      {"123", 123, 123.0},
      {"-0", 0, 0.0},
      {"1.0", std::nullopt, 1.0},
      {"1e2", std::nullopt, 100.0},
      {"-9223372036854775808", INT64_MIN, -9223372036854775808.0},
      {"18446744073709551616", std::nullopt, 18446744073709551616.0},
      {"0.1", std::nullopt, 0.1},
      {"1e400", std::nullopt, inf},
      {"-1000e307", std::nullopt, -inf},
      {"0.001e-400", std::nullopt, 0.0},
  };
  for (const auto& n : numbers) {
    const std::optional<JsonDocument> doc = JsonDocument::Parse(n.text);
    ASSERT_TRUE(doc) << n.text;
    EXPECT_EQ(doc->Root().Integer(), n.integer) << n.text;
    EXPECT_EQ(doc->Root().Number(), n.number) << n.text;
    EXPECT_EQ(doc->Root().Literal(), n.text);
  }
}

TEST(JsonDocument, FindsMembersByTheirDecodedNameTheLastWhenOneRepeats) {
  const std::optional<JsonDocument> doc = JsonDocument::Parse(
      "{\"s\\u0068ape\": \"oval\", \"a\": 4, \"list\": [1, [2, 3], 4], \"a\": 5}");
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->Root().Find("shape")->Text(), "oval");
  EXPECT_EQ(doc->Root().Find("a")->Integer(), 5);
  EXPECT_FALSE(doc->Root().Find("b"));
  const JsonDocument::Value list = *doc->Root().Find("list");
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list.Element(2).Integer(), 4);
  EXPECT_EQ(list.Element(1).Element(1).Integer(), 3);
}

}  // namespace
}  // namespace wendrel

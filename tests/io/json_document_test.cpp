#include "io/json_document.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace wendrel {
namespace {

TEST(JsonDocument, RefusesWhatIsNotOneValueAloneNulIncluded) {
  EXPECT_TRUE(JsonDocument::Parse(" [1] \r\n\t"));
  EXPECT_TRUE(JsonDocument::Parse(std::string(100000, '[') + std::string(100000, ']')));
  EXPECT_FALSE(JsonDocument::Parse(""));
  EXPECT_FALSE(JsonDocument::Parse("[1] x"));
  EXPECT_FALSE(JsonDocument::Parse(std::string("[1]\0", 4)));
  EXPECT_FALSE(JsonDocument::Parse(std::string("[1]\0garbage{{{", 14)));
  EXPECT_FALSE(JsonDocument::Parse(std::string("[\"a\0\"]", 6)));
  EXPECT_FALSE(JsonDocument::Parse("[1e400]"));
}

TEST(JsonDocument, NumbersAreTakenAsTheySay) {
  const struct {
    const char* text;
    std::optional<std::int64_t> integer;
    double number;
    const char* literal;
  } numbers[] = {
      {"123", 123, 123.0, "123"},
      {"-0", 0, 0.0, "0"},
      {"1.0", std::nullopt, 1.0, "1.0"},
      {"1e2", std::nullopt, 100.0, "1e2"},
      {"1e30", std::nullopt, 1e30, "1e30"},
      {"-9223372036854775808", INT64_MIN, -9223372036854775808.0, "-9223372036854775808"},
      {"9223372036854775808", std::nullopt, 9223372036854775808.0, "9223372036854775808"},
      {"18446744073709551616", std::nullopt, 18446744073709551616.0, "18446744073709551616"},
      {"0.1", std::nullopt, 0.1, "0.1"},
      {"0.001e-400", std::nullopt, 0.0, "0.001e-400"},
  };
  for (const auto& n : numbers) {
    const std::optional<JsonDocument> doc = JsonDocument::Parse(n.text);
    ASSERT_TRUE(doc) << n.text;
    EXPECT_TRUE(doc->Root().IsNumber()) << n.text;
    EXPECT_EQ(doc->Root().Integer(), n.integer) << n.text;
    EXPECT_EQ(doc->Root().Number(), n.number) << n.text;
    EXPECT_EQ(doc->Root().Literal(), n.literal);
  }
}

TEST(JsonDocument, KeepsEveryKindInItsPlace) {
  const std::optional<JsonDocument> doc =
      JsonDocument::Parse("[null, true, false, \"a\\u00e9\", [], {}, [[1], 2], 3]");
  ASSERT_TRUE(doc);
  const JsonDocument::Value list = doc->Root();
  ASSERT_TRUE(list.IsArray());
  ASSERT_EQ(list.size(), 8u);
  using Kind = JsonDocument::Kind;
  EXPECT_EQ(list.Element(0).kind(), Kind::kNull);
  EXPECT_EQ(list.Element(1).kind(), Kind::kTrue);
  EXPECT_EQ(list.Element(2).kind(), Kind::kFalse);
  EXPECT_EQ(list.Element(3).Text(), "a\xc3\xa9");
  EXPECT_EQ(list.Element(4).size(), 0u);
  EXPECT_TRUE(list.Element(5).IsObject());
  EXPECT_EQ(list.Element(5).size(), 0u);
  EXPECT_EQ(list.Element(6).size(), 2u);
  EXPECT_EQ(list.Element(6).First().First().Integer(), 1);
  EXPECT_EQ(list.Element(6).Element(1).Integer(), 2);
  EXPECT_EQ(list.Element(7).Integer(), 3);
}

TEST(JsonDocument, FindsMembersByTheirDecodedNameTheLastWhenOneRepeats) {
  const std::optional<JsonDocument> doc = JsonDocument::Parse(
      "{\"s\\u0068ape\": \"oval\", \"a\": 4, \"list\": [1, [2, 3], 4], \"o\": {\"a\": 6}, "
      "\"a\": 5}");
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->Root().size(), 5u);
  EXPECT_EQ(doc->Root().Find("shape")->Text(), "oval");
  EXPECT_EQ(doc->Root().Find("a")->Integer(), 5);
  EXPECT_EQ(doc->Root().Find("o")->Find("a")->Integer(), 6);
  EXPECT_FALSE(doc->Root().Find("b"));
  const JsonDocument::Value list = *doc->Root().Find("list");
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list.Element(2).Integer(), 4);
  EXPECT_EQ(list.Element(1).Element(1).Integer(), 3);
}

}  // namespace
}  // namespace wendrel

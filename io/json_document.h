#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wendrel {

// A JSON text (RFC 8259) read at once into one flat list of its values, each container
// followed by its contents. A game's history is tens of thousands of small values: kept in
// one list, with numbers left as written until they are asked for, it reads several
// times faster than a tree of separately allocated nodes.
//
// The document refers to the text it was read from, which must outlive it.
class JsonDocument {
 public:
  enum class Kind : std::uint8_t { kNull, kFalse, kTrue, kNumber, kString, kArray, kObject };
  class Value;

  // The text as one JSON value with nothing but white space around it; none when it is
  // anything else. Strings must be UTF-8 without lone surrogates, as JSON between systems
  // is. A NUL ends nothing: after the value it is refused like any other text.
  static std::optional<JsonDocument> Parse(std::string_view text);

  Value Root() const;

 private:
  // Twelve bytes, as a long history has a hundred thousand of them.
  struct Node {
    Kind kind = Kind::kNull;
    // A string with escapes has its decoded text in m_unescaped rather than in the text.
    bool unescaped = false;
    // A number written without fraction or exponent.
    bool integral = false;
    // A string's text or a number's literal: where it starts and how long it is. An array
    // or an object: how many elements or members it has, and the index of the first node
    // after it and everything in it.
    std::uint32_t startOrCount = 0;
    std::uint32_t sizeOrEnd = 0;

    bool Container() const { return kind == Kind::kArray || kind == Kind::kObject; }
  };
  class Parser;

  JsonDocument() = default;

  std::string_view m_text;
  std::string m_unescaped;
  std::vector<Node> m_nodes;
};

// One value of a document; cheap to copy, valid as long as the document.
class JsonDocument::Value {
 public:
  Kind kind() const { return Node().kind; }
  bool IsNumber() const { return kind() == Kind::kNumber; }
  bool IsString() const { return kind() == Kind::kString; }
  bool IsBoolean() const { return kind() == Kind::kTrue || kind() == Kind::kFalse; }
  bool IsArray() const { return kind() == Kind::kArray; }
  bool IsObject() const { return kind() == Kind::kObject; }

  // A number as it is written in the text.
  std::string_view Literal() const;
  // A number written without fraction or exponent that an int64 holds; none otherwise.
  std::optional<std::int64_t> Integer() const;
  // The double nearest to a number; beyond a double's range, infinity or zero with the
  // number's sign, as strtod gives them.
  double Number() const;
  // A string's text, escapes decoded.
  std::string_view Text() const;

  // The elements of an array or the members of an object.
  std::size_t size() const { return Node().Container() ? Node().startOrCount : 0; }
  // Element i of an array, found by walking from the first: for short arrays.
  Value Element(std::size_t i) const;
  // The value of an object's member of that name; the last when a name repeats, as the
  // common libraries take it.
  std::optional<Value> Find(std::string_view key) const;

  // Walking an array's elements in order: First() is element 0 of an array that has one,
  // and Next() is the element after this one, if there is one.
  Value First() const { return Value(m_doc, m_index + 1); }
  Value Next() const { return Value(m_doc, Node().Container() ? Node().sizeOrEnd : m_index + 1); }

 private:
  friend class JsonDocument;
  Value(const JsonDocument* doc, std::uint32_t index) : m_doc(doc), m_index(index) {}
  const JsonDocument::Node& Node() const { return m_doc->m_nodes[m_index]; }

  const JsonDocument* m_doc;
  std::uint32_t m_index;
};

}  // namespace wendrel

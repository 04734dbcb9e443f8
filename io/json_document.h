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
// one list, it reads several times faster than a tree of separately allocated nodes.
// nlohmann-json reads the text; this keeps only what it hands over.
class JsonDocument {
 public:
  enum class Kind : std::uint8_t { kNull, kFalse, kTrue, kNumber, kString, kArray, kObject };
  class Value;

  // The text as one JSON value with nothing but white space around it; none when it is
  // anything else. Strings must be UTF-8 without lone surrogates, as JSON between systems
  // is; a number must lie within a double's range. A NUL anywhere refuses the text.
  static std::optional<JsonDocument> Parse(std::string_view text);

  Value Root() const;

 private:
  // Twelve bytes, as a long history has a hundred thousand of them.
  struct Node {
    Kind kind = Kind::kNull;
    // How a number was written, which says where its value is kept.
    enum class Form : std::uint8_t { kSigned, kUnsigned, kFloat } form = Form::kSigned;
    // A string: where its decoded text starts in m_strings and how long it is. A number
    // without fraction or exponent: its 64 bits, low half first; any other number: its
    // index in m_floats. An array or an object: how many elements or members it has, and
    // the index of the first node after it and everything in it.
    std::uint32_t startOrCount = 0;
    std::uint32_t sizeOrEnd = 0;

    bool Container() const { return kind == Kind::kArray || kind == Kind::kObject; }
    std::uint64_t Bits() const { return (std::uint64_t{sizeOrEnd} << 32) | startOrCount; }
  };
  // A number with a fraction or an exponent, or too large for 64 bits: its value, and its
  // literal in m_strings for saying it back as it was written.
  struct Float {
    double value = 0;
    std::uint32_t start = 0;
    std::uint32_t size = 0;
  };
  class Builder;

  JsonDocument() = default;

  std::string m_strings;
  std::vector<Float> m_floats;
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

  // A number as it is written in the text; a whole number within 64 bits, as the shortest
  // text of its value.
  std::string Literal() const;
  // A number written without fraction or exponent that an int64 holds; none otherwise.
  std::optional<std::int64_t> Integer() const;
  // The double nearest to a number; one too small for a double is zero.
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

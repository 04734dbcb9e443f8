#include "io/json_document.h"

#include <nlohmann/json.hpp>

#include <limits>

namespace wendrel {

// What nlohmann-json's SAX reader hands over, kept in the document's flat list. The reader
// keeps its open containers in a list of its own, and so does this, so that no nesting,
// however deep, can exhaust the stack.
class JsonDocument::Builder {
 public:
  explicit Builder(JsonDocument& doc) : m_doc(doc) {}

  bool null() { return Scalar(Kind::kNull); }
  bool boolean(bool value) { return Scalar(value ? Kind::kTrue : Kind::kFalse); }
  bool number_integer(std::int64_t value) {
    return Number(Node::Form::kSigned, static_cast<std::uint64_t>(value));
  }
  bool number_unsigned(std::uint64_t value) { return Number(Node::Form::kUnsigned, value); }
  bool number_float(double value, const std::string& literal) {
    const auto index = static_cast<std::uint64_t>(m_doc.m_floats.size());
    m_doc.m_floats.push_back({value, Append(literal), static_cast<std::uint32_t>(literal.size())});
    return Number(Node::Form::kFloat, index);
  }
  bool string(std::string& text) {
    Count();
    Add(Kind::kString, Append(text), static_cast<std::uint32_t>(text.size()));
    return true;
  }
  bool binary(nlohmann::json::binary_t&) { return false; }
  bool start_object(std::size_t) { return Open(Kind::kObject); }
  bool key(std::string& name) {
    ++m_doc.m_nodes[m_open.back()].startOrCount;
    Add(Kind::kString, Append(name), static_cast<std::uint32_t>(name.size()));
    return true;
  }
  bool end_object() { return Close(); }
  bool start_array(std::size_t) { return Open(Kind::kArray); }
  bool end_array() { return Close(); }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) {
    return false;
  }

 private:
  // A value is one more element of the array around it; an object counts its members by
  // their names.
  void Count() {
    if (!m_open.empty() && m_doc.m_nodes[m_open.back()].kind == Kind::kArray)
      ++m_doc.m_nodes[m_open.back()].startOrCount;
  }

  bool Scalar(Kind kind) {
    Count();
    Add(kind, 0, 0);
    return true;
  }

  bool Number(Node::Form form, std::uint64_t bits) {
    Count();
    Add(Kind::kNumber, static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32));
    m_doc.m_nodes.back().form = form;
    return true;
  }

  bool Open(Kind kind) {
    Count();
    m_open.push_back(Add(kind, 0, 0));
    return true;
  }

  bool Close() {
    m_doc.m_nodes[m_open.back()].sizeOrEnd = static_cast<std::uint32_t>(m_doc.m_nodes.size());
    m_open.pop_back();
    return true;
  }

  std::uint32_t Append(const std::string& text) {
    const auto start = static_cast<std::uint32_t>(m_doc.m_strings.size());
    m_doc.m_strings += text;
    return start;
  }

  std::uint32_t Add(Kind kind, std::uint32_t startOrCount, std::uint32_t sizeOrEnd) {
    const auto index = static_cast<std::uint32_t>(m_doc.m_nodes.size());
    m_doc.m_nodes.push_back({kind, Node::Form::kSigned, startOrCount, sizeOrEnd});
    return index;
  }

  JsonDocument& m_doc;
  std::vector<std::uint32_t> m_open;
};

std::optional<JsonDocument> JsonDocument::Parse(std::string_view text) {
  // Offsets are kept in 32 bits. nlohmann-json's reader takes a NUL for the end of its
  // input, so a good text with anything after a NUL would pass; JSON has no raw NUL.
  if (text.size() >= std::numeric_limits<std::uint32_t>::max() ||
      text.find('\0') != std::string_view::npos)
    return std::nullopt;
  JsonDocument doc;
  // A game's text holds about one value in three of its bytes; reserving for that spares
  // the list its copies as it grows.
  doc.m_nodes.reserve(text.size() / 3 + 1);
  Builder builder(doc);
  if (!nlohmann::json::sax_parse(text.data(), text.data() + text.size(), &builder,
                                 nlohmann::json::input_format_t::json, /*strict=*/true))
    return std::nullopt;
  return doc;
}

JsonDocument::Value JsonDocument::Root() const {
  return Value(this, 0);
}

std::string JsonDocument::Value::Literal() const {
  switch (Node().form) {
    case Node::Form::kSigned:
      return std::to_string(static_cast<std::int64_t>(Node().Bits()));
    case Node::Form::kUnsigned:
      return std::to_string(Node().Bits());
    case Node::Form::kFloat:
      break;
  }
  const Float& number = m_doc->m_floats[Node().startOrCount];
  return m_doc->m_strings.substr(number.start, number.size);
}

std::optional<std::int64_t> JsonDocument::Value::Integer() const {
  const std::uint64_t bits = Node().Bits();
  switch (Node().form) {
    case Node::Form::kSigned:
      return static_cast<std::int64_t>(bits);
    case Node::Form::kUnsigned:
      if (bits > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        return std::nullopt;
      return static_cast<std::int64_t>(bits);
    case Node::Form::kFloat:
      break;
  }
  return std::nullopt;
}

double JsonDocument::Value::Number() const {
  switch (Node().form) {
    case Node::Form::kSigned:
      return static_cast<double>(static_cast<std::int64_t>(Node().Bits()));
    case Node::Form::kUnsigned:
      return static_cast<double>(Node().Bits());
    case Node::Form::kFloat:
      break;
  }
  return m_doc->m_floats[Node().startOrCount].value;
}

std::string_view JsonDocument::Value::Text() const {
  return std::string_view(m_doc->m_strings).substr(Node().startOrCount, Node().sizeOrEnd);
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

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wendrel {

// Walks the arguments of a command line, so that every program takes options alike: an
// option with a value is written "--name value" or "--name=value". A value is taken as
// it is written, so that a seed may be negative; a number's or a name's own check then
// refuses an option in its place, and TextValue refuses one where any text would do.
class OptionReader {
 public:
  explicit OptionReader(const std::vector<std::string>& args) : args_(args) {}

  bool Done() const { return next_ >= args_.size(); }
  // The next argument, whole.
  const std::string& Take();
  // Where the argument that Take gave last stands, counting from 1.
  std::size_t Position() const { return taken_; }
  // Whether the argument that Take gave last is the option name, alone or with "=value".
  bool Is(std::string_view name) const;

  // The option's next value: first the text after its "=", if it has one, then each
  // following argument. Empty when there is none left, which every check of a value
  // refuses.
  std::string_view Value();
  // A value that may be any text, a file name say: refused, with error saying what the
  // option needs, when it is missing, empty or an option.
  std::optional<std::string_view> TextValue(std::string_view what, std::string& error);

 private:
  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
  std::size_t taken_ = 0;
  std::string_view name_;                   // the option's name, without any "=value"
  std::optional<std::string_view> joined_;  // its "=value", until Value takes it
};

}  // namespace wendrel

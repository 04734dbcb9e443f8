#include "io/option_reader.h"

namespace wendrel {

namespace {

// Whether an argument standing where a value belongs is an option instead, most likely
// because the value was left out. A negative number ("-5") and a lone "-" are values.
bool LooksLikeOption(std::string_view argument) {
  return argument.size() > 1 && argument[0] == '-' && (argument[1] < '0' || argument[1] > '9');
}

}  // namespace

const std::string& OptionReader::Take() {
  taken_ = ++next_;
  const std::string& argument = args_[taken_ - 1];
  const std::size_t equals = argument.find('=');
  const bool joined = argument.starts_with("--") && equals != std::string::npos;
  name_ = std::string_view(argument).substr(0, joined ? equals : argument.size());
  joined_.reset();
  if (joined)
    joined_ = std::string_view(argument).substr(equals + 1);
  return argument;
}

bool OptionReader::Is(std::string_view name) const {
  return name_ == name;
}

std::string_view OptionReader::Value() {
  if (joined_) {
    const std::string_view value = *joined_;
    joined_.reset();
    return value;
  }
  return Done() ? std::string_view() : std::string_view(args_[next_++]);
}

std::optional<std::string_view> OptionReader::TextValue(std::string_view what, std::string& error) {
  const std::string_view value = Value();
  if (!value.empty() && !LooksLikeOption(value))
    return value;
  error = std::string(name_) + " needs " + std::string(what);
  if (!value.empty())
    error += ", not the option '" + std::string(value) + "'";
  return std::nullopt;
}

}  // namespace wendrel

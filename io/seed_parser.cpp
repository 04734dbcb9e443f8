#include "io/seed_parser.h"

#include <charconv>
#include <limits>

namespace wendrel {

namespace {

constexpr std::int64_t kLowestSeed = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kHighestSeed = std::numeric_limits<std::int32_t>::max();

std::optional<std::int64_t> ParseWholeNumber(std::string_view option, std::string_view what,
                                             std::string_view text, std::int64_t lowest,
                                             std::int64_t highest, std::string& error) {
  if (text.empty()) {
    error = std::string(option) + " needs a number";
    return std::nullopt;
  }
  const char* end = text.data() + text.size();
  std::int64_t value = 0;
  const auto [stop, result] = std::from_chars(text.data(), end, value);
  const std::string quoted = std::string(what) + " '" + std::string(text) + "'";
  if (stop != end || (result != std::errc() && result != std::errc::result_out_of_range)) {
    error = quoted + " is not a whole number";
    return std::nullopt;
  }
  if (result == std::errc::result_out_of_range || value < lowest || value > highest) {
    error = quoted + " is out of range (" + std::to_string(lowest) + " to " +
            std::to_string(highest) + ")";
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<std::int32_t> ParseSeed(std::string_view option, std::string_view text,
                                      std::string& error) {
  const std::optional<std::int64_t> value =
      ParseWholeNumber(option, "seed", text, kLowestSeed, kHighestSeed, error);
  if (!value)
    return std::nullopt;
  return static_cast<std::int32_t>(*value);
}

std::optional<std::int64_t> ParseSeedRangeEnd(std::string_view option, std::string_view text,
                                              std::string& error) {
  return ParseWholeNumber(option, "range end", text, kLowestSeed, kHighestSeed + 1, error);
}

}  // namespace wendrel

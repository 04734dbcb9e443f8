#include "io/seed_parser.h"

#include <charconv>

namespace wendrel {

namespace {

std::variant<std::int64_t, SeedFault> ReadWholeNumber(std::string_view text, std::int64_t lowest,
                                                      std::int64_t highest) {
  if (text.empty())
    return SeedFault::kMissing;
  const char* end = text.data() + text.size();
  std::int64_t value = 0;
  const auto [stop, result] = std::from_chars(text.data(), end, value);
  if (stop != end || (result != std::errc() && result != std::errc::result_out_of_range))
    return SeedFault::kNotWhole;
  if (result == std::errc::result_out_of_range || value < lowest || value > highest)
    return SeedFault::kOutOfRange;
  return value;
}

std::optional<std::int64_t> ParseWholeNumber(std::string_view option, std::string_view what,
                                             std::string_view text, std::int64_t lowest,
                                             std::int64_t highest, std::string& error) {
  const std::variant<std::int64_t, SeedFault> read = ReadWholeNumber(text, lowest, highest);
  if (const std::int64_t* value = std::get_if<std::int64_t>(&read))
    return *value;
  const std::string quoted = std::string(what) + " '" + std::string(text) + "'";
  switch (std::get<SeedFault>(read)) {
    case SeedFault::kMissing:
      error = std::string(option) + " needs a number";
      break;
    case SeedFault::kNotWhole:
      error = quoted + " is not a whole number";
      break;
    case SeedFault::kOutOfRange:
      error = quoted + " is out of range (" + std::to_string(lowest) + " to " +
              std::to_string(highest) + ")";
      break;
  }
  return std::nullopt;
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

std::variant<std::int32_t, SeedFault> ReadSeed(std::string_view text) {
  const std::variant<std::int64_t, SeedFault> read =
      ReadWholeNumber(text, kLowestSeed, kHighestSeed);
  if (const SeedFault* fault = std::get_if<SeedFault>(&read))
    return *fault;
  return static_cast<std::int32_t>(std::get<std::int64_t>(read));
}

}  // namespace wendrel

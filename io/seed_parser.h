#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace wendrel {

// Seeds as people type them, for every program that takes one on its command line, so that
// the same mistake gets the same answer everywhere. A seed is a whole decimal number in the
// range of the 32-bit seed that Generate keeps; nothing else (no blanks, no plus sign, no
// other base) is taken. On a bad value error says why, naming option when nothing was given.
std::optional<std::int32_t> ParseSeed(std::string_view option, std::string_view text,
                                      std::string& error);

// One past the last seed of a range. It may be 2147483648, so that a range can end with
// the last seed, 2147483647.
std::optional<std::int64_t> ParseSeedRangeEnd(std::string_view option, std::string_view text,
                                              std::string& error);

inline constexpr std::int64_t kLowestSeed = std::numeric_limits<std::int32_t>::min();
inline constexpr std::int64_t kHighestSeed = std::numeric_limits<std::int32_t>::max();

// Why a text is no seed, for a program that words the answer itself (in the player's
// language, say) instead of taking ParseSeed's.
enum class SeedFault { kMissing, kNotWhole, kOutOfRange };

// The seed that text is, by the same rule as ParseSeed, or why it is none.
std::variant<std::int32_t, SeedFault> ReadSeed(std::string_view text);

}  // namespace wendrel

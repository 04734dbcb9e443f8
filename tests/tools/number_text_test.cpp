#include "tools/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace wendrel {
namespace {

double ReadBack(const std::string& text) {
  double value = std::nan("");
  const std::from_chars_result r = std::from_chars(text.data(), text.data() + text.size(), value);
  EXPECT_EQ(r.ec, std::errc{}) << text;
  EXPECT_EQ(r.ptr, text.data() + text.size()) << "trailing characters in " << text;
  return value;
}

std::string DoubleText(double v) {
  std::string out;
  AppendDouble(out, v);
  return out;
}

// Same bits, so -0.0 and 0.0 count as different.
void ExpectRoundTrip(double v) {
  const std::string text = DoubleText(v);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(ReadBack(text)), std::bit_cast<std::uint64_t>(v)) << text;
}

TEST(AppendDouble, ReadsBackAsTheSameDouble) {
  const double awkward[] = {0.1,
                            1.0 / 3.0,
                            -240.69,
                            26.680765398374498,
                            0.3333333333333333,
                            -0.0,
                            std::numeric_limits<double>::denorm_min(),
                            std::numeric_limits<double>::min(),
                            std::numeric_limits<double>::max(),
                            -std::numeric_limits<double>::max(),
                            1e21,
                            123456789012345680.0};
  for (const double v : awkward)
    ExpectRoundTrip(v);
}

TEST(AppendDouble, ReadsBackForScatteredBitPatterns) {
  std::uint64_t bits = 0x9E3779B97F4A7C15u;
  for (int i = 0; i < 20000; ++i) {
    bits = bits * 6364136223846793005u + 1442695040888963407u;
    const double v = std::bit_cast<double>(bits);
    if (!std::isfinite(v))
      continue;
    ExpectRoundTrip(v);
  }
}

TEST(AppendDouble, WholeValuesNeedNoFraction) {
  EXPECT_EQ(DoubleText(-205.0), "-205");
  EXPECT_EQ(DoubleText(35.0), "35");
  EXPECT_EQ(DoubleText(-33.75), "-33.75");
}

TEST(AppendDouble, AppendsAfterWhatIsThere) {
  std::string out = "[";
  AppendDouble(out, 2.5);
  out += ", ";
  AppendInt(out, -7);
  EXPECT_EQ(out, "[2.5, -7");
}

TEST(AppendInt, WritesTheFullRangeOfSeeds) {
  std::string out;
  AppendInt(out, std::numeric_limits<std::int32_t>::min());
  out += ' ';
  AppendInt(out, std::numeric_limits<std::int32_t>::max());
  out += ' ';
  AppendInt(out, 0);
  EXPECT_EQ(out, "-2147483648 2147483647 0");
}

}  // namespace
}  // namespace wendrel

#pragma once

#include <cstdint>

namespace wendrel {

// A 15-bit linear congruential generator of our own, so that a seed gives the same puzzle
// on every platform. Draws are 0..32767.
class RandomSequence {
 public:
  explicit RandomSequence(std::uint32_t seed = 1) : m_state(seed) {}
  int Next() {
    m_state = m_state * 214013u + 2531011u;
    return static_cast<int>((m_state >> 16) & 0x7FFFu);
  }

 private:
  std::uint32_t m_state;
};

// The one sequence of the process that cuts and scatters puzzles.
void srand(unsigned int seed);
int rand();

}  // namespace wendrel

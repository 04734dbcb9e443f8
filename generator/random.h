#pragma once

namespace wendrel {

// The one pseudo-random sequence of the process: a 15-bit linear congruential
// generator of our own, so that a seed gives the same puzzle on every platform.
// Draws are 0..32767.
void srand(unsigned int seed);
int rand();

}  // namespace wendrel

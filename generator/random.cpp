#include "generator/random.h"

namespace wendrel {

namespace {
RandomSequence g_sequence;
}

void srand(unsigned int seed) {
  g_sequence = RandomSequence(seed);
}

int rand() {
  return g_sequence.Next();
}

}  // namespace wendrel

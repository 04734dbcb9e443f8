#include "generator/random_pool.h"

#include "generator/random.h"

namespace wendrel {

namespace {
constexpr int kPoolSize = 100;
int g_table[kPoolSize];
int g_remaining = 0;
}  // namespace

int RandomPool(int n) {
  if (n > 0) {
    const int k = n < kPoolSize ? n : kPoolSize;
    for (int i = 0; i < k; ++i)
      g_table[i] = i;
    g_remaining = k;
    return -1;
  }
  if (g_remaining <= 0)
    return -1;
  const int j = rand() % g_remaining;
  const int result = g_table[j];
  for (int i = j; i < g_remaining - 1; ++i)
    g_table[i] = g_table[i + 1];
  --g_remaining;
  return result;
}

void ResetRandomPool() {
  g_remaining = 0;
}

}  // namespace wendrel

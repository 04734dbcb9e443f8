#pragma once

#include <cstddef>
#include <vector>

namespace wendrel {

// Lists of item numbers kept in numbered buckets, for the indexes that the passes rebuild
// on every run. Emptying keeps every list's storage, so that once the lists have grown, a
// rebuild of the same size allocates nothing.
class BucketLists {
 public:
  // Empties every list and makes bucketCount of them.
  void Reset(int bucketCount) {
    const std::size_t n = static_cast<std::size_t>(bucketCount);
    if (buckets_.size() < n)
      buckets_.resize(n);
    for (std::size_t b = 0; b < n; ++b)
      buckets_[b].clear();
  }

  void Add(int bucket, int item) { buckets_[static_cast<std::size_t>(bucket)].push_back(item); }

  // Offers the bucket's items to test in the order added until one passes; whether one did.
  template <typename Test>
  bool Any(int bucket, Test test) const {
    for (const int item : buckets_[static_cast<std::size_t>(bucket)]) {
      if (test(item))
        return true;
    }
    return false;
  }

 private:
  // Never shrinks, so that the lists' storage survives a smaller rebuild.
  std::vector<std::vector<int>> buckets_;
};

}  // namespace wendrel

#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace wendrel {

// Storage of the mesh and piece containers. It is created holding `initial` elements in
// their default (reset) state; storing at or beyond the end makes the array that index
// + 1 long, the capacity growing by at least `step` at a time. Owners keep their own
// in-use count, and clearing resets the elements without releasing the storage, so a
// container that has grown once allocates nothing in later runs.
template <typename T>
class GrowableArray {
 public:
  GrowableArray(int initial, int step) : step_(step) {
    items_.reserve(static_cast<std::size_t>(std::max(initial, step)));
    items_.resize(static_cast<std::size_t>(initial));
  }

  int Size() const { return static_cast<int>(items_.size()); }

  // Element i, which must be below Size().
  T& operator[](int i) { return items_[static_cast<std::size_t>(i)]; }
  const T& operator[](int i) const { return items_[static_cast<std::size_t>(i)]; }

  // Element i, making the array long enough to hold it first.
  T& At(int i) {
    const std::size_t needed = static_cast<std::size_t>(i) + 1;
    if (needed > items_.size()) {
      if (needed > items_.capacity()) {
        items_.reserve(std::max(items_.capacity() + static_cast<std::size_t>(step_), needed));
      }
      items_.resize(needed);
    }
    return items_[static_cast<std::size_t>(i)];
  }

  // Every stored element back to its default value; the length stays.
  void ResetAll() { std::fill(items_.begin(), items_.end(), T{}); }

 private:
  int step_;
  std::vector<T> items_;
};

}  // namespace wendrel

#pragma once

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

// FIFOs and device nodes for the tests of outputs that must be written through, never
// replaced. Every node is made in a scratch folder: no test ever writes near /dev.
namespace wendrel::testing {

struct DeviceNumbers {
  unsigned major = 0;
  unsigned minor = 0;
  bool operator==(const DeviceNumbers&) const = default;
};
inline constexpr DeviceNumbers kNullDevice{1, 3};  // writes go nowhere
inline constexpr DeviceNumbers kFullDevice{1, 7};  // every write fails: the disk is full

// Makes a character device node; an empty text, or why it failed (making one needs root,
// as the tests have in CI).
std::string MakeCharDevice(const std::filesystem::path& path, DeviceNumbers numbers);
// The numbers of the character device at path, or nothing when it is not one.
std::optional<DeviceNumbers> CharDevice(const std::filesystem::path& path);
// Makes a FIFO; an empty text, or why it failed.
std::string MakeFifo(const std::filesystem::path& path);

// Reads a FIFO on a thread of its own, from now until its writer closes it, as a reader
// at the other end of a shell's pipe would. The FIFO is held open from the start, so that
// a writer that replaces it instead of writing into it is found out rather than waited for.
class FifoReader {
 public:
  explicit FifoReader(const std::filesystem::path& path);
  ~FifoReader();
  FifoReader(const FifoReader&) = delete;
  FifoReader& operator=(const FifoReader&) = delete;

  // Everything the writer wrote, once it has closed the FIFO; nothing when no writer came
  // and went within a few seconds.
  std::optional<std::string> Finish();

 private:
  void Read();

  int fd_;
  std::atomic<bool> stop_ = false;
  std::mutex mutex_;
  std::condition_variable ended_;
  bool done_ = false;  // a writer came and closed the FIFO
  std::string text_;
  std::thread thread_;
};

// A reader that takes the first byte a writer sends and leaves, on a thread of its own. The
// FIFO's buffer is made as small as it can be, so that a writer of more than a page is still
// writing when the reader leaves.
class EarlyLeavingReader {
 public:
  explicit EarlyLeavingReader(const std::filesystem::path& path);
  ~EarlyLeavingReader();
  EarlyLeavingReader(const EarlyLeavingReader&) = delete;
  EarlyLeavingReader& operator=(const EarlyLeavingReader&) = delete;

 private:
  int fd_;
  std::thread thread_;
};

}  // namespace wendrel::testing

#include "tests/tools/special_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

namespace wendrel::testing {

namespace {

std::string Failure(const char* what, const std::filesystem::path& path) {
  return std::string(what) + " " + path.string() + ": " + std::strerror(errno);
}

}  // namespace

std::string MakeCharDevice(const std::filesystem::path& path, DeviceNumbers numbers) {
  if (mknod(path.c_str(), S_IFCHR | 0666, makedev(numbers.major, numbers.minor)) != 0)
    return Failure("mknod", path);
  return {};
}

std::optional<DeviceNumbers> CharDevice(const std::filesystem::path& path) {
  struct stat status {};
  if (lstat(path.c_str(), &status) != 0 || !S_ISCHR(status.st_mode))
    return std::nullopt;
  return DeviceNumbers{major(status.st_rdev), minor(status.st_rdev)};
}

std::string MakeFifo(const std::filesystem::path& path) {
  if (mkfifo(path.c_str(), 0666) != 0)
    return Failure("mkfifo", path);
  return {};
}

FifoReader::FifoReader(std::filesystem::path path)
    : path_(std::move(path)), thread_([this] { Read(); }) {}

FifoReader::~FifoReader() {
  if (thread_.joinable())
    Finish();
}

void FifoReader::Read() {
  std::string text;
  // Opening waits for a writer; reading ends when the last writer closes.
  const int fd = open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd >= 0) {
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(fd, buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR)) {
      if (got > 0)
        text.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
  }
  const std::lock_guard lock(mutex_);
  text_ = std::move(text);
  done_ = true;
  ended_.notify_all();
}

std::optional<std::string> FifoReader::Finish() {
  bool cameAndWent = false;
  {
    std::unique_lock lock(mutex_);
    cameAndWent = ended_.wait_for(lock, std::chrono::seconds(10), [this] { return done_; });
  }
  // Stands in for the writer that never came: opening for both never waits and counts as
  // a writer, so the reader's open returns and its read ends when this closes.
  for (bool done = cameAndWent; !done;) {
    const int fd = open(path_.c_str(), O_RDWR | O_CLOEXEC);
    if (fd >= 0)
      close(fd);
    std::unique_lock lock(mutex_);
    done = ended_.wait_for(lock, std::chrono::milliseconds(100), [this] { return done_; });
  }
  thread_.join();
  if (!cameAndWent)
    return std::nullopt;
  return text_;
}

}  // namespace wendrel::testing

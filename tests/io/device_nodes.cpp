#include "tests/io/device_nodes.h"

#include <fcntl.h>
#include <poll.h>
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

FifoReader::FifoReader(const std::filesystem::path& path)
    // Not waiting for a writer to open: a FIFO opened so reports no end before one came.
    : fd_(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)), thread_([this] { Read(); }) {}

FifoReader::~FifoReader() {
  if (thread_.joinable())
    Finish();
  if (fd_ >= 0)
    close(fd_);
}

void FifoReader::Read() {
  std::string text;
  bool ended = false;
  while (fd_ >= 0 && !ended && !stop_) {
    pollfd ready{fd_, POLLIN, 0};
    if (poll(&ready, 1, 100) <= 0)
      continue;
    char buffer[4096];
    const ssize_t got = read(fd_, buffer, sizeof buffer);
    if (got > 0)
      text.append(buffer, static_cast<std::size_t>(got));
    if (got == 0)
      ended = true;  // its writer came and closed it
    else if (got < 0 && errno != EAGAIN && errno != EINTR)
      break;
  }
  const std::lock_guard lock(mutex_);
  text_ = std::move(text);
  done_ = ended;
  ended_.notify_all();
}

std::optional<std::string> FifoReader::Finish() {
  bool cameAndWent = false;
  {
    std::unique_lock lock(mutex_);
    cameAndWent = ended_.wait_for(lock, std::chrono::seconds(10), [this] { return done_; });
  }
  stop_ = true;
  thread_.join();
  if (!cameAndWent)
    return std::nullopt;
  return text_;
}

EarlyLeavingReader::EarlyLeavingReader(const std::filesystem::path& path)
    : fd_(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {
  if (fd_ < 0)
    return;
  fcntl(fd_, F_SETPIPE_SZ, 1);  // rounded up to a page
  thread_ = std::thread([this] {
    pollfd ready{fd_, POLLIN, 0};
    char first;
    if (poll(&ready, 1, 10000) > 0 && read(fd_, &first, 1) == 1)
      close(std::exchange(fd_, -1));
  });
}

EarlyLeavingReader::~EarlyLeavingReader() {
  if (thread_.joinable())
    thread_.join();
  if (fd_ >= 0)
    close(fd_);
}

}  // namespace wendrel::testing

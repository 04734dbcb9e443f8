#include "io/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <utility>

#include "io/file_errors.h"

#ifdef _WIN32
#include <io.h>
#include <process.h>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <poll.h>
#include <signal.h>
#include <unistd.h>
#endif

namespace wendrel {

namespace fs = std::filesystem;

namespace {

std::error_code LastError() {
  return {errno, std::generic_category()};
}

#ifdef _WIN32

int CreateNew(const fs::path& path) {
  return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                _S_IREAD | _S_IWRITE);
}
// Windows has no FIFOs to wait for; a read-only file refuses to be opened for writing.
int OpenExisting(const fs::path& path, bool) {
  return _wopen(path.c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT);
}
int WriteSome(int fd, const char* data, std::size_t size) {
  return _write(fd, data, static_cast<unsigned>(size < INT_MAX ? size : INT_MAX));
}
int CutTo(int fd, std::size_t size) {
  return _chsize_s(fd, static_cast<__int64>(size)) == 0 ? 0 : -1;
}
int SyncToDisk(int fd) {
  return _commit(fd);
}
int CloseFile(int fd) {
  return _close(fd);
}
// Windows keeps only a read-only flag, and the old file, open for writing, has none.
int MakeLike(int, int) {
  return 0;
}
bool WaitToWrite(int) {
  return false;
}
struct PipeSignalHeld {};
long long CurrentProcess() {
  return _getpid();
}
bool ProcessLives(long long pid) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
  if (!process)  // a process of another user's is there all the same
    return GetLastError() == ERROR_ACCESS_DENIED;
  const bool lives = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
  CloseHandle(process);
  return lives;
}

#else

int CreateNew(const fs::path& path) {
  // 0666 less the umask, as any new file of the user's.
  return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
// Not waiting: a FIFO that no program reads fails at once (ENXIO) instead of waiting for a
// reader, and later writes fail with EAGAIN instead of waiting for room.
int OpenExisting(const fs::path& path, bool noWait) {
  return open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | (noWait ? O_NONBLOCK : 0));
}
ssize_t WriteSome(int fd, const char* data, std::size_t size) {
  return write(fd, data, size);
}
int CutTo(int fd, std::size_t size) {
  return ftruncate(fd, static_cast<off_t>(size));
}
int SyncToDisk(int fd) {
  return fsync(fd);
}
int CloseFile(int fd) {
  return close(fd);
}
// The replacement takes the old file's owner and group, then its permissions (a change of
// owner clears the set-user-ID bits); -1 with EPERM when the user may not give them.
int MakeLike(int fd, int oldFd) {
  struct stat old {};
  struct stat made {};
  if (fstat(oldFd, &old) != 0 || fstat(fd, &made) != 0)
    return -1;
  if ((old.st_uid != made.st_uid || old.st_gid != made.st_gid) &&
      fchown(fd, old.st_uid, old.st_gid) != 0)
    return -1;
  return fchmod(fd, old.st_mode & 07777);
}
// A reader that has taken nothing for this long has stopped: an output that may not wait
// gives up rather than freeze the window behind it.
constexpr int kPatienceMs = 1000;
// Whether fd, opened not to wait, can take more within the patience.
bool WaitToWrite(int fd) {
  pollfd ready{fd, POLLOUT, 0};
  return poll(&ready, 1, kPatienceMs) != 0;
}
// A write into a FIFO whose reader has gone raises SIGPIPE, which would end the program
// before it could say what failed. The signal is held back while the text is written and,
// if a write raised it, taken away unseen, so that the write fails with EPIPE instead.
class PipeSignalHeld {
 public:
  PipeSignalHeld() {
    sigemptyset(&pipe_);
    sigaddset(&pipe_, SIGPIPE);
    sigset_t pending;
    sigpending(&pending);
    wasPending_ = sigismember(&pending, SIGPIPE) == 1;
    pthread_sigmask(SIG_BLOCK, &pipe_, &before_);
  }
  ~PipeSignalHeld() {
    if (!wasPending_) {
      const timespec now{};
      while (sigtimedwait(&pipe_, nullptr, &now) == SIGPIPE) {
      }
    }
    pthread_sigmask(SIG_SETMASK, &before_, nullptr);
  }
  PipeSignalHeld(const PipeSignalHeld&) = delete;
  PipeSignalHeld& operator=(const PipeSignalHeld&) = delete;

 private:
  sigset_t pipe_;
  sigset_t before_;
  bool wasPending_ = false;
};
long long CurrentProcess() {
  return getpid();
}
// A process of another user's answers EPERM: it lives all the same. A number beyond any
// process's is taken as living, for kill would read it as a group of processes.
bool ProcessLives(long long pid) {
  if (pid <= 0 || pid > INT_MAX)
    return true;
  return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

#endif

std::error_code WriteAll(int fd, std::string_view text) {
  [[maybe_unused]] const PipeSignalHeld held;
  while (!text.empty()) {
    const auto written = WriteSome(fd, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR)
        continue;
      if (errno != EAGAIN)
        return LastError();
      // Only an output opened not to wait gets here.
      if (!WaitToWrite(fd))
        return FileError::kReaderStalled;
      continue;
    }
    if (written == 0)
      return std::make_error_code(std::errc::io_error);
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return {};
}

struct Target {
  fs::path path;
  fs::file_status status;
};

// Where a write to path lands: its symbolic links followed to the end. The last link may
// dangle; its target is then a name not yet taken.
Target FollowLinks(fs::path path, std::error_code& ec) {
  constexpr int kMostLinks = 40;  // as many as the kernel follows
  for (int links = 0; links <= kMostLinks; ++links) {
    const fs::file_status status = fs::symlink_status(path, ec);
    if (status.type() == fs::file_type::not_found) {
      ec.clear();
      return {path, status};
    }
    if (ec || !fs::is_symlink(status))
      return {path, status};
    const fs::path next = fs::read_symlink(path, ec);
    if (ec)
      return {};
    path = path.parent_path() / next;  // an absolute target replaces the whole path
  }
  ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
  return {};
}

// A temporary file is named ".NAME.PID-XXXXXXXX.wendrel-part" beside its target NAME: hidden,
// with the process that writes it and eight random characters, different at each try.
constexpr std::string_view kTemporaryEnd = ".wendrel-part";
constexpr char kRandomDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
constexpr std::size_t kRandomLength = 8;
constexpr std::size_t kMostPidDigits = 10;

fs::path::string_type TemporaryStart(const fs::path& target) {
  fs::path start = ".";
  start += target.filename();
  start += ".";
  return start.native();
}

fs::path TemporaryBeside(const fs::path& target) {
  static std::random_device source;
  std::string middle = std::to_string(CurrentProcess()) + '-';
  for (std::size_t i = 0; i < kRandomLength; ++i)
    middle += kRandomDigits[source() % 36];
  fs::path name = TemporaryStart(target);
  name += middle;
  name += kTemporaryEnd;
  return target.parent_path() / name;
}

// The process that made the temporary file of this name for the target whose names start
// with start, or 0 when the name is no such file's.
long long MakerOf(const fs::path::string_type& name, const fs::path::string_type& start) {
  static const fs::path::string_type end = fs::path(kTemporaryEnd).native();
  if (name.size() <= start.size() + end.size() || name.compare(0, start.size(), start) != 0 ||
      name.compare(name.size() - end.size(), end.size(), end) != 0)
    return 0;
  const fs::path::string_type middle =
      name.substr(start.size(), name.size() - start.size() - end.size());
  const std::size_t dash = middle.find('-');
  if (dash == 0 || dash > kMostPidDigits || middle.size() != dash + 1 + kRandomLength)
    return 0;
  long long pid = 0;
  for (std::size_t i = 0; i < dash; ++i) {
    if (middle[i] < '0' || middle[i] > '9')
      return 0;
    pid = pid * 10 + (middle[i] - '0');
  }
  for (std::size_t i = dash + 1; i < middle.size(); ++i) {
    const auto c = middle[i];
    if ((c < '0' || c > '9') && (c < 'a' || c > 'z'))
      return 0;
  }
  return pid;
}

// Removes the temporary files that processes now ended left beside target, killed before
// they could commit or discard them. One whose maker still runs may be being written.
// Whatever fails here leaves the file for the next time.
void RemoveLeftTemporaries(const fs::path& target) {
  const fs::path::string_type start = TemporaryStart(target);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::error_code ec;
  for (fs::directory_iterator entry(folder, ec), end; !ec && entry != end; entry.increment(ec)) {
    const long long maker = MakerOf(entry->path().filename().native(), start);
    if (maker == 0 || ProcessLives(maker))
      continue;
    std::error_code ignored;
    if (fs::is_regular_file(entry->symlink_status(ignored)))
      fs::remove(entry->path(), ignored);
  }
}

}  // namespace

OutputFile::OutputFile(fs::path path, Waiting waiting, Writing writing)
    : path_(std::move(path)), waiting_(waiting), writing_(writing) {}

OutputFile::~OutputFile() {
  Discard();
}

std::error_code OutputFile::Open() {
  Discard();
  if (path_.empty())  // else the temporary file would be made in the working folder
    return std::make_error_code(std::errc::no_such_file_or_directory);
  std::error_code ec;
  const Target target = FollowLinks(path_, ec);
  if (ec)
    return ec;
  target_ = target.path;
  switch (target.status.type()) {
    case fs::file_type::directory:
      return std::make_error_code(std::errc::is_a_directory);
    case fs::file_type::not_found:
      return OpenTemporary(-1);
    case fs::file_type::regular:
      return OpenRegular();
    default:
      if (writing_ == Writing::kWholeOnly)
        return FileError::kNotARegularFile;
      return OpenThrough(target.status.type() == fs::file_type::fifo);
  }
}

std::error_code OutputFile::OpenRegular() {
  // Opened for writing as the shell's redirection opens it, so that a file the user may
  // not write is refused for the same reason; nothing of it changes before the commit.
  const int old = OpenExisting(target_, false);
  if (old < 0)
    return LastError();
  std::error_code ec;
  const std::uintmax_t links = fs::hard_link_count(target_, ec);
  const bool wholeOnly = writing_ == Writing::kWholeOnly;
  if (!ec && (links == 1 || wholeOnly)) {
    ec = OpenTemporary(old);
    if (wholeOnly ||
        (ec != std::errc::permission_denied && ec != std::errc::operation_not_permitted)) {
      CloseFile(old);
      return ec;
    }
  } else if (ec) {
    CloseFile(old);
    return ec;
  }
  // Other names for the file, a folder that takes no new file, or an owner that a new file
  // cannot have: only writing in place keeps the file what it was to the user.
  way_ = Way::kInPlace;
  fd_ = old;
  return {};
}

std::error_code OutputFile::OpenTemporary(int oldFd) {
  RemoveLeftTemporaries(target_);
  for (int tries = 0; tries < 100; ++tries) {
    const fs::path temporary = TemporaryBeside(target_);
    const int fd = CreateNew(temporary);
    if (fd >= 0) {
      way_ = Way::kReplace;
      fd_ = fd;
      temporary_ = temporary;
      if (oldFd >= 0 && MakeLike(fd_, oldFd) != 0) {
        const std::error_code ec = LastError();
        Discard();
        return ec;
      }
      return {};
    }
    if (errno != EEXIST)
      return LastError();
  }
  return std::make_error_code(std::errc::file_exists);
}

std::error_code OutputFile::OpenThrough(bool fifo) {
  fd_ = OpenExisting(target_, waiting_ == Waiting::kNever);
  if (fd_ < 0)
    return errno == ENXIO && fifo ? FileError::kNoReader : LastError();
  way_ = Way::kThrough;
  return {};
}

std::error_code OutputFile::Commit(std::string_view text) {
  if (fd_ < 0)
    return std::make_error_code(std::errc::bad_file_descriptor);
  std::error_code ec = WriteAll(fd_, text);
  // In place, the text goes over the old one from the start and the file is cut to it
  // after, so that the blocks the old text held are used again: on a full disk, a text no
  // longer than the old one still fits.
  if (!ec && way_ == Way::kInPlace && CutTo(fd_, text.size()) != 0)
    ec = LastError();
  // A replacement must be on the disk before it takes the old file's name.
  if (!ec && way_ == Way::kReplace && SyncToDisk(fd_) != 0)
    ec = LastError();
  if (CloseFile(std::exchange(fd_, -1)) != 0 && !ec)
    ec = LastError();
  if (!ec && way_ == Way::kReplace)
    fs::rename(temporary_, target_, ec);
  if (ec) {
    Discard();
    return ec;
  }
  temporary_.clear();
  return {};
}

void OutputFile::Discard() {
  if (fd_ >= 0)
    CloseFile(std::exchange(fd_, -1));
  if (temporary_.empty())
    return;
  std::error_code ec;
  fs::remove(std::exchange(temporary_, {}), ec);
}

}  // namespace wendrel

#include "io/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <optional>
#include <random>
#include <string>
#include <utility>

#ifdef _WIN32
#include <io.h>
#else
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
int OpenExisting(const fs::path& path) {
  return _wopen(path.c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT);
}
int WriteSome(int fd, const char* data, std::size_t size) {
  return _write(fd, data, static_cast<unsigned>(size < INT_MAX ? size : INT_MAX));
}
int SyncToDisk(int fd) {
  return _commit(fd);
}
int CloseFile(int fd) {
  return _close(fd);
}
// Windows keeps only a read-only flag, and a read-only file refuses to be replaced anyway:
// the rename reports it and the temporary file, left writable, is removed.
int KeepPermissions(int, fs::perms) {
  return 0;
}

#else

int CreateNew(const fs::path& path) {
  // 0666 less the umask, as any new file of the user's.
  return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
int OpenExisting(const fs::path& path) {
  return open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
}
ssize_t WriteSome(int fd, const char* data, std::size_t size) {
  return write(fd, data, size);
}
int SyncToDisk(int fd) {
  return fsync(fd);
}
int CloseFile(int fd) {
  return close(fd);
}
int KeepPermissions(int fd, fs::perms permissions) {
  return fchmod(fd, static_cast<mode_t>(permissions & fs::perms::mask));
}

#endif

std::error_code WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const auto written = WriteSome(fd, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR)
        continue;
      return LastError();
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

// A name beside target for its temporary file, different at each try.
fs::path TemporaryBeside(const fs::path& target) {
  static std::random_device source;
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string suffix = ".";
  for (int i = 0; i < 8; ++i)
    suffix += kDigits[source() % 36];
  fs::path temporary = target;
  temporary += suffix;
  return temporary;
}

}  // namespace

OutputFile::OutputFile(fs::path path) : path_(std::move(path)) {}

OutputFile::~OutputFile() {
  Discard();
}

std::error_code OutputFile::Open() {
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
      return OpenTemporary(std::nullopt);
    case fs::file_type::regular:
      return OpenTemporary(target.status.permissions());
    default:
      fd_ = OpenExisting(target_);
      return fd_ < 0 ? LastError() : std::error_code();
  }
}

std::error_code OutputFile::OpenTemporary(std::optional<fs::perms> oldPermissions) {
  for (int tries = 0; tries < 100; ++tries) {
    const fs::path temporary = TemporaryBeside(target_);
    fd_ = CreateNew(temporary);
    if (fd_ >= 0) {
      temporary_ = temporary;
      if (oldPermissions && KeepPermissions(fd_, *oldPermissions) != 0) {
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

std::error_code OutputFile::Commit(std::string_view text) {
  if (fd_ < 0)
    return std::make_error_code(std::errc::bad_file_descriptor);
  std::error_code ec = WriteAll(fd_, text);
  // A replacement must be on the disk before it takes the old file's name.
  if (!ec && !temporary_.empty() && SyncToDisk(fd_) != 0)
    ec = LastError();
  if (CloseFile(std::exchange(fd_, -1)) != 0 && !ec)
    ec = LastError();
  if (!ec && !temporary_.empty())
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

// The writer of named outputs on its own: what a replacement keeps, what a failure leaves,
// which names are refused before any work, which files are written in place, and how an
// output that may not wait deals with a FIFO.

#include "io/output_file.h"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <system_error>

#include "io/file_errors.h"
#include "tests/io/device_nodes.h"
#include "tests/io/scratch_dir.h"

namespace wendrel {
namespace {

using testing::ReadFile;
namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

struct stat Status(const fs::path& path) {
  struct stat status {};
  EXPECT_EQ(lstat(path.c_str(), &status), 0) << path;
  return status;
}

// Runs work in a child process, so that what it changes of the process (its user, its
// limits) goes with it; gives work's error, which must be one of the system's.
std::error_code InChild(const std::function<std::error_code()>& work) {
  const pid_t child = fork();
  if (child == 0)
    _exit(work().value());
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return code == 0 ? std::error_code() : std::error_code(code, std::generic_category());
}

class OutputFileTest : public ::testing::Test {
 protected:
  fs::path InScratch(const char* name) const { return scratch_.path() / name; }
  void MakeFile(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }
  std::ptrdiff_t EntriesIn(const fs::path& folder) const {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator{});
  }
  static std::error_code Write(const fs::path& path, std::string_view text) {
    OutputFile file(path);
    if (const std::error_code ec = file.Open())
      return ec;
    return file.Commit(text);
  }
  // The same as a user who is not root, for whom the system checks permissions.
  static std::error_code WriteAsNobody(const fs::path& path, std::string_view text) {
    return InChild([&] {
      if (setgroups(0, nullptr) != 0 || setresgid(kNobody, kNobody, kNobody) != 0 ||
          setresuid(kNobody, kNobody, kNobody) != 0)
        return std::make_error_code(std::errc::owner_dead);  // no error a write gives
      return Write(path, text);
    });
  }

  testing::ScratchDir scratch_;
};

TEST_F(OutputFileTest, ReplacementKeepsTheOldPermissionsAndANewFileGetsTheUsualOnes) {
  const fs::path old = InScratch("old.txt");
  MakeFile(old, "old text, longer than the new");
  const fs::perms kept = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(old, kept);
  ASSERT_FALSE(Write(old, "new"));
  EXPECT_EQ(ReadFile(old), "new");
  EXPECT_EQ(fs::status(old).permissions(), kept);

  // A new file is made as the program's other files are: the umask applies.
  const fs::path usual = InScratch("usual.txt"), fresh = InScratch("fresh.txt");
  MakeFile(usual, "");
  ASSERT_FALSE(Write(fresh, "fresh"));
  EXPECT_EQ(ReadFile(fresh), "fresh");
  EXPECT_EQ(fs::status(fresh).permissions(), fs::status(usual).permissions());
  EXPECT_EQ(EntriesIn(scratch_.path()), 3);
}

TEST_F(OutputFileTest, OutputNeverCommittedLeavesTheOldFileAndNothingElse) {
  const fs::path old = InScratch("old.txt");
  MakeFile(old, "keep me");
  {
    OutputFile file(old);
    ASSERT_FALSE(file.Open());
    EXPECT_EQ(EntriesIn(scratch_.path()), 2) << "the temporary file beside it";
  }
  EXPECT_EQ(ReadFile(old), "keep me");
  EXPECT_EQ(EntriesIn(scratch_.path()), 1);
}

TEST_F(OutputFileTest, FailureOfTheLastStepIsReported) {
  // The folder vanishes between Open and Commit: every byte is written, but the rename
  // into place cannot be done.
  const fs::path folder = InScratch("going");
  fs::create_directory(folder);
  OutputFile file(folder / "out.txt");
  ASSERT_FALSE(file.Open());
  fs::remove_all(folder);
  EXPECT_EQ(file.Commit("text"), std::errc::no_such_file_or_directory);
  EXPECT_FALSE(fs::exists(folder));

  // A device that refuses every byte.
  const fs::path full = InScratch("full");
  ASSERT_EQ(testing::MakeCharDevice(full, testing::kFullDevice), "");
  EXPECT_EQ(Write(full, "text"), std::errc::no_space_on_device);
  EXPECT_EQ(testing::CharDevice(full), testing::kFullDevice);
  EXPECT_EQ(EntriesIn(scratch_.path()), 1);
}

TEST_F(OutputFileTest, NamesThatCannotTakeTheOutputAreRefusedAtOpen) {
  const fs::path folder = InScratch("folder");
  fs::create_directory(folder);
  const fs::path toFolder = InScratch("to-folder");
  fs::create_symlink("folder", toFolder);
  const fs::path loop = InScratch("loop");
  fs::create_symlink("loop", loop);

  EXPECT_EQ(OutputFile(folder).Open(), std::errc::is_a_directory);
  EXPECT_EQ(OutputFile(toFolder).Open(), std::errc::is_a_directory);
  EXPECT_EQ(OutputFile(loop).Open(), std::errc::too_many_symbolic_link_levels);
  EXPECT_EQ(OutputFile(InScratch("missing/out.txt")).Open(), std::errc::no_such_file_or_directory);
  EXPECT_EQ(OutputFile(InScratch("")).Open(), std::errc::is_a_directory);
  EXPECT_EQ(OutputFile("").Open(), std::errc::no_such_file_or_directory);

  EXPECT_TRUE(fs::is_directory(fs::symlink_status(folder)));
  EXPECT_EQ(EntriesIn(folder), 0);
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(toFolder)));
  EXPECT_EQ(EntriesIn(scratch_.path()), 3);
}

TEST_F(OutputFileTest, OpeningAgainLeavesNothingOfTheFirstOpening) {
  const fs::path old = InScratch("old.txt");
  MakeFile(old, "old");
  OutputFile file(old);
  ASSERT_FALSE(file.Open());
  ASSERT_FALSE(file.Open());
  EXPECT_EQ(EntriesIn(scratch_.path()), 2) << "one temporary file";
  ASSERT_FALSE(file.Commit("new"));
  EXPECT_EQ(ReadFile(old), "new");
  EXPECT_EQ(EntriesIn(scratch_.path()), 1);
}

// A write that fails halfway, here at the limit of a file's size as on a full disk, leaves
// the old file as it was and no temporary file.
TEST_F(OutputFileTest, ReplacementThatCannotBeWrittenLeavesTheOldFile) {
  const fs::path old = InScratch("old.txt");
  MakeFile(old, "old text");
  const std::error_code ec = InChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};
    setrlimit(RLIMIT_FSIZE, &limit);
    return Write(old, std::string(1000, 'x'));
  });
  EXPECT_EQ(ec, std::errc::file_too_large);
  EXPECT_EQ(ReadFile(old), "old text");
  EXPECT_EQ(EntriesIn(scratch_.path()), 1);
}

// A replacement made by root is the old file's in all but its text.
TEST_F(OutputFileTest, ReplacementKeepsTheOldOwner) {
  const fs::path old = InScratch("theirs.txt");
  MakeFile(old, "old");
  ASSERT_EQ(chown(old.c_str(), kNobody, kNobody), 0);
  ASSERT_FALSE(Write(old, "new"));
  EXPECT_EQ(ReadFile(old), "new");
  EXPECT_EQ(Status(old).st_uid, kNobody);
  EXPECT_EQ(Status(old).st_gid, kNobody);
}

// As a user who is not root, a file the user may not write is refused, as the shell's
// redirection refuses it. One the user may write but could not replace as it is (its folder
// takes no new file, or a new file could not have its owner) is written in place, as the
// redirection writes it: the same file, with the new text only.
TEST_F(OutputFileTest, PermissionsAreThoseOfTheShellsRedirection) {
  const fs::path mine = InScratch("mine"), roots = InScratch("roots");
  fs::permissions(scratch_.path(), fs::perms::others_exec, fs::perm_options::add);
  fs::create_directory(mine);
  fs::create_directory(roots);
  ASSERT_EQ(chown(mine.c_str(), kNobody, kNobody), 0);
  struct Case {
    fs::path file;
    uid_t owner;
    fs::perms mode;
    std::error_code expected;
  };
  const Case cases[] = {
      {mine / "read-only.txt", kNobody, fs::perms(0444),
       make_error_code(std::errc::permission_denied)},
      {roots / "in-a-locked-folder.txt", kNobody, fs::perms(0644), {}},
      {mine / "roots.txt", 0, fs::perms(0666), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.filename().string());
    MakeFile(c.file, "old text, longer than the new");
    ASSERT_EQ(chown(c.file.c_str(), c.owner, c.owner), 0);
    fs::permissions(c.file, c.mode);
    const ino_t file = Status(c.file).st_ino;
    EXPECT_EQ(WriteAsNobody(c.file, "new"), c.expected);
    EXPECT_EQ(ReadFile(c.file), c.expected ? "old text, longer than the new" : "new");
    EXPECT_EQ(Status(c.file).st_ino, file);
    EXPECT_EQ(Status(c.file).st_uid, c.owner);
    EXPECT_EQ(fs::status(c.file).permissions(), c.mode);
  }
  EXPECT_EQ(EntriesIn(mine), 2);
  EXPECT_EQ(EntriesIn(roots), 1);
}

TEST_F(OutputFileTest, FileWithOtherNamesIsWrittenInPlaceUnderAllOfThem) {
  const fs::path file = InScratch("file.txt"), other = InScratch("other-name.txt");
  MakeFile(file, "old text, longer than the new");
  fs::create_hard_link(file, other);
  ASSERT_FALSE(Write(file, "new"));
  EXPECT_EQ(ReadFile(file), "new");
  EXPECT_EQ(ReadFile(other), "new");
  EXPECT_EQ(fs::hard_link_count(file), 2u);
  EXPECT_EQ(EntriesIn(scratch_.path()), 2);
}

// A writer killed mid-write leaves its temporary files. The next write of a target takes
// away that target's, and leaves another target's, a live writer's and the user's files.
TEST_F(OutputFileTest, TemporaryFilesOfAKilledWriterGoAtTheNextWriteOfTheirTarget) {
  const fs::path game = InScratch("game.txt"), other = InScratch("other.txt");
  MakeFile(InScratch("game.txt.1234-backup"), "the user's");
  OutputFile live(game);
  ASSERT_FALSE(live.Open());
  EXPECT_FALSE(InChild([&] {
    const std::error_code ec = (new OutputFile(other))->Open();  // never discarded
    return ec ? ec : (new OutputFile(game))->Open();
  }));
  EXPECT_EQ(EntriesIn(scratch_.path()), 4);
  ASSERT_FALSE(Write(game, "new"));
  EXPECT_EQ(EntriesIn(scratch_.path()), 4) << "the killed writer's of other.txt stays";
  ASSERT_FALSE(live.Commit("live")) << "the live writer's temporary file stayed";
  ASSERT_FALSE(Write(other, "new"));
  EXPECT_EQ(EntriesIn(scratch_.path()), 3);
}

// An output that may not wait refuses a FIFO that no program reads, gives up on a reader
// that takes nothing, and reports a reader that left as a broken pipe, not by SIGPIPE.
TEST_F(OutputFileTest, OutputThatMayNotWaitNeverWaitsOnAFifo) {
  const fs::path fifo = InScratch("fifo");
  ASSERT_EQ(testing::MakeFifo(fifo), "");
  EXPECT_EQ(OutputFile(fifo).Open(), FileError::kNoReader);

  const std::string text(1 << 20, 'x');  // more than a pipe holds
  const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  ASSERT_GE(reader, 0);
  OutputFile stalled(fifo), left(fifo);
  ASSERT_FALSE(stalled.Open());
  ASSERT_FALSE(left.Open());
  EXPECT_EQ(stalled.Commit(text), FileError::kReaderStalled);
  close(reader);
  EXPECT_EQ(left.Commit(text), std::errc::broken_pipe);

  sigset_t blocked;
  pthread_sigmask(SIG_BLOCK, nullptr, &blocked);
  EXPECT_FALSE(sigismember(&blocked, SIGPIPE)) << "held back only while writing";
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
}

}  // namespace
}  // namespace wendrel

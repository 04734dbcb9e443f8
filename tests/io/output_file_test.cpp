// The writer of named outputs on its own: what a replacement keeps, what a failure leaves,
// and which names are refused before any work.

#include "io/output_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "tests/io/device_nodes.h"
#include "tests/io/scratch_dir.h"

namespace wendrel {
namespace {

using testing::ReadFile;
namespace fs = std::filesystem;

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

}  // namespace
}  // namespace wendrel

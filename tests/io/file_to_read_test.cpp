#include "io/file_to_read.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "io/file_errors.h"
#include "tests/io/device_nodes.h"
#include "tests/io/scratch_dir.h"

namespace wendrel {
namespace {

namespace fs = std::filesystem;

// Only a regular file, reached directly or through a link, is taken: opening anything else
// could make the reader wait.
TEST(CheckFileToRead, TakesRegularFilesOnly) {
  const testing::ScratchDir scratch;
  const fs::path file = scratch.path() / "game.wendrel", link = scratch.path() / "link",
                 fifo = scratch.path() / "fifo", null = scratch.path() / "null";
  std::ofstream(file) << "text";
  fs::create_symlink(file, link);
  ASSERT_EQ(testing::MakeFifo(fifo), "");
  ASSERT_EQ(testing::MakeCharDevice(null, testing::kNullDevice), "");

  EXPECT_EQ(CheckFileToRead(file), std::error_code());
  EXPECT_EQ(CheckFileToRead(link), std::error_code());
  EXPECT_EQ(CheckFileToRead(scratch.path()), std::errc::is_a_directory);
  EXPECT_EQ(CheckFileToRead(scratch.path() / "missing"), std::errc::no_such_file_or_directory);
  EXPECT_EQ(CheckFileToRead(fifo), FileError::kNotARegularFile);
  EXPECT_EQ(CheckFileToRead(null), FileError::kNotARegularFile);
}

}  // namespace
}  // namespace wendrel

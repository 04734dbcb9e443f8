// wendrel-gen's outputs as a player meets them: a standard output that cannot take the
// text is reported, a reader that stops early is not, and a picture goes through a
// symbolic link, into a FIFO or onto a device without replacing any of them.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "tests/io/device_nodes.h"
#include "tests/tools/gen_process.h"
#include "tools/gen_command.h"

namespace wendrel {
namespace {

using testing::CharDevice;
using testing::FifoReader;
using testing::kFullDevice;
using testing::kNullDevice;
using testing::ProcessResult;
using testing::ReadFile;
using testing::RunGenProcess;
using testing::ScratchDir;
using testing::ShellSetting;
using Args = std::vector<std::string>;
namespace fs = std::filesystem;

const std::string kDiskFull = std::make_error_code(std::errc::no_space_on_device).message();

class GenOutputsTest : public ::testing::Test {
 protected:
  // No test may touch the machine's own devices, whatever it does wrong.
  void TearDown() override {
    EXPECT_EQ(CharDevice("/dev/null"), kNullDevice);
    EXPECT_EQ(CharDevice("/dev/full"), kFullDevice);
  }

  ProcessResult Run(const Args& args, const ShellSetting& shell = {}) {
    return RunGenProcess(args, scratch_.path(), shell);
  }
  fs::path InScratch(const char* name) const { return scratch_.path() / name; }
  // The picture of a seed as a plain file receives it.
  std::string Picture(int seed) {
    const fs::path plain = InScratch("plain.svg");
    EXPECT_EQ(Run({"--seed", std::to_string(seed), "--svg", plain.string()}).status, kExitOk);
    const std::string picture = ReadFile(plain);
    fs::remove(plain);
    EXPECT_EQ(picture.rfind("<svg", 0), 0u);
    return picture;
  }
  // The picture of seed written to name; expects success with nothing said.
  void WritePicture(int seed, const fs::path& name) {
    const ProcessResult r = Run({"--seed", std::to_string(seed), "--svg", name.string()});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.err, "");
  }

  ScratchDir scratch_;
};

TEST_F(GenOutputsTest, StandardOutputThatCannotBeWrittenIsReported) {
  ShellSetting toFullDevice, closed;
  toFullDevice.stdoutRedirect = " >/dev/full";
  closed.stdoutRedirect = " >&-";
  for (const Args& args : {Args{"--seed", "5"}, Args{"--seeds", "0", "3"},
                           Args{"--stats", "0", "3"}, Args{"--help"}, Args{"--seeds", "0", "50"}}) {
    const ProcessResult r = Run(args, toFullDevice);
    EXPECT_EQ(r.status, kExitNotWritten) << args[0];
    EXPECT_EQ(r.err, "wendrel-gen: cannot write the output: " + kDiskFull + "\n") << args[0];
  }
  const ProcessResult r = Run({"--seed", "5"}, closed);
  EXPECT_EQ(r.status, kExitNotWritten);
  EXPECT_EQ(r.err.rfind("wendrel-gen: cannot write the output: ", 0), 0u) << r.err;
}

TEST_F(GenOutputsTest, ReaderThatStopsEarlyIsNoError) {
  const std::string first = Run({"--seed", "0"}).out.substr(0, 100);
  ASSERT_EQ(first.size(), 100u);
  // A range of seeds prints megabytes, far beyond what a pipe holds.
  const Args range = {"--seeds", "0", "2000"};
  ShellSetting pipe;
  pipe.pipeThrough = "head -c 100";

  // Ended by SIGPIPE, as Unix tools are; the test reader's shell must not inherit it ignored.
  std::signal(SIGPIPE, SIG_DFL);
  const ProcessResult killed = Run(range, pipe);
  EXPECT_EQ(killed.status, 128 + SIGPIPE);
  EXPECT_EQ(killed.err, "");
  EXPECT_EQ(killed.out, first);

  // With SIGPIPE ignored the write fails instead: still nothing said, but no success.
  pipe.before = "trap '' PIPE;";
  const ProcessResult told = Run(range, pipe);
  EXPECT_EQ(told.status, kExitNotWritten);
  EXPECT_EQ(told.err, "");
  EXPECT_EQ(told.out, first);
}

TEST_F(GenOutputsTest, PictureGoesThroughSymbolicLinksToTheirTarget) {
  const std::string picture = Picture(1);
  fs::create_directory(InScratch("pictures"));
  const fs::path target = InScratch("pictures") / "real.svg";
  { std::ofstream(target) << "older picture"; }
  const fs::path relative = InScratch("pictures") / "link.svg";
  fs::create_symlink("real.svg", relative);
  const fs::path chain = InScratch("chain.svg");  // a link to the link, by absolute name
  fs::create_symlink(relative, chain);

  WritePicture(1, chain);
  EXPECT_EQ(fs::read_symlink(chain), relative);
  EXPECT_EQ(fs::read_symlink(relative), "real.svg");
  EXPECT_EQ(ReadFile(target), picture);
  EXPECT_EQ(std::distance(fs::directory_iterator(InScratch("pictures")), fs::directory_iterator{}),
            2)
      << "no temporary file is left beside the target";

  // A link to a name not yet taken: the picture is made under that name.
  const fs::path dangling = InScratch("dangling.svg");
  fs::create_symlink("pictures/new.svg", dangling);
  WritePicture(1, dangling);
  EXPECT_EQ(fs::read_symlink(dangling), "pictures/new.svg");
  EXPECT_EQ(ReadFile(InScratch("pictures") / "new.svg"), picture);
}

TEST_F(GenOutputsTest, PictureIntoAFifoReachesItsReader) {
  const std::string picture = Picture(2);
  const fs::path fifo = InScratch("picture.fifo");
  ASSERT_EQ(testing::MakeFifo(fifo), "");
  FifoReader reader(fifo);
  WritePicture(2, fifo);
  EXPECT_EQ(reader.Finish(), picture);
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
}

// A reader that leaves while the picture is written: the picture is reported lost, the
// JSON is still printed whole.
TEST_F(GenOutputsTest, PictureIntoAFifoWhoseReaderLeavesIsReported) {
  const std::string json = Run({"--seed", "2"}).out;
  const fs::path fifo = InScratch("picture.fifo");
  ASSERT_EQ(testing::MakeFifo(fifo), "");
  ProcessResult r;
  {
    testing::EarlyLeavingReader reader(fifo);
    r = Run({"--seed", "2", "--svg", fifo.string()});
  }
  EXPECT_EQ(r.status, kExitNoPicture);
  EXPECT_EQ(r.err, "wendrel-gen: writing the picture to '" + fifo.string() + "' failed: " +
                       std::make_error_code(std::errc::broken_pipe).message() + "\n");
  EXPECT_EQ(r.out, json);
}

// A reader of the JSON that stops at once, as `| true` does: the program may end by
// SIGPIPE, but the picture is whole and no temporary file is left beside it.
TEST_F(GenOutputsTest, ReaderOfTheJsonThatStopsAtOnceLeavesThePictureWhole) {
  const std::string picture = Picture(1);
  ShellSetting pipe;
  pipe.pipeThrough = "true";
  std::signal(SIGPIPE, SIG_DFL);
  const fs::path named = InScratch("picture.svg");
  for (int run = 0; run < 3; ++run)
    EXPECT_EQ(Run({"--seed", "1", "--svg", named.string()}, pipe).err, "");
  EXPECT_EQ(ReadFile(named), picture);
  EXPECT_EQ(std::distance(fs::directory_iterator(scratch_.path()), fs::directory_iterator{}), 3)
      << "the picture and the captured output, nothing else";
}

TEST_F(GenOutputsTest, PictureOntoADeviceLeavesTheDevice) {
  const fs::path null = InScratch("null"), full = InScratch("full");
  ASSERT_EQ(testing::MakeCharDevice(null, kNullDevice), "");
  ASSERT_EQ(testing::MakeCharDevice(full, kFullDevice), "");

  WritePicture(3, null);
  EXPECT_EQ(CharDevice(null), kNullDevice);

  // A device that refuses the picture: reported as a failed write, and it stays a device.
  const ProcessResult r = Run({"--seed", "3", "--svg", full.string()});
  EXPECT_EQ(r.status, kExitNoPicture);
  EXPECT_EQ(r.err, "wendrel-gen: writing the picture to '" + full.string() +
                       "' failed: " + kDiskFull + "\n");
  EXPECT_EQ(CharDevice(full), kFullDevice);
  EXPECT_EQ(std::distance(fs::directory_iterator(scratch_.path()), fs::directory_iterator{}), 4)
      << "the two devices and the captured output, nothing else";
}

}  // namespace
}  // namespace wendrel

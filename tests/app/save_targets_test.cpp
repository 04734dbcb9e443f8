// Save (Ctrl+S) onto what is not a plain file: a symbolic link is followed, a FIFO and a
// device are written through, a folder is refused; none of them is ever replaced.

#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "tests/app/started_app.h"
#include "tests/io/device_nodes.h"

namespace {

using wendrel::testing::CharDevice;
using wendrel::testing::kFullDevice;
using wendrel::testing::kNullDevice;
namespace fs = std::filesystem;

class SaveTargets : public StartedApp {
 protected:
  // No test may touch the machine's own devices, whatever it does wrong.
  void TearDown() override {
    EXPECT_EQ(CharDevice("/dev/null"), kNullDevice);
    EXPECT_EQ(CharDevice("/dev/full"), kFullDevice);
    StartedApp::TearDown();
  }

  fs::path InFolder(const char* name) const { return fs::path(folder.path().toStdString()) / name; }
  // Saves through the real command, the save dialog "choosing" path.
  void SaveAs(const fs::path& path) {
    services.saveFileName = QString::fromStdString(path.string());
    QTest::keyClick(&Frame(), Qt::Key_S, Qt::ControlModifier);
  }
  std::ptrdiff_t EntriesInFolder() const {
    return std::distance(fs::directory_iterator(folder.path().toStdString()),
                         fs::directory_iterator{});
  }
  static std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  QTemporaryDir folder;
};

TEST_F(SaveTargets, SaveThroughASymbolicLinkWritesItsTargetAndKeepsTheLink) {
  const fs::path target = InFolder("saved.wendrel"), link = InFolder("link.wendrel");
  { std::ofstream(target) << "old contents"; }
  fs::create_symlink("saved.wendrel", link);
  SaveAs(link);
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(fs::read_symlink(link), "saved.wendrel");
  EXPECT_EQ(Contents(target), "") << "the document's empty contents";
  EXPECT_EQ(EntriesInFolder(), 2);
}

TEST_F(SaveTargets, SaveIntoAFifoReachesItsReaderAndKeepsTheFifo) {
  const fs::path fifo = InFolder("game.fifo");
  ASSERT_EQ(wendrel::testing::MakeFifo(fifo), "");
  wendrel::testing::FifoReader reader(fifo);
  SaveAs(fifo);
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(reader.Finish(), std::string()) << "the Save opened the FIFO, wrote and closed it";
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
}

TEST_F(SaveTargets, SaveOntoADeviceKeepsTheDevice) {
  const fs::path null = InFolder("null");
  ASSERT_EQ(wendrel::testing::MakeCharDevice(null, kNullDevice), "");
  SaveAs(null);
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(CharDevice(null), kNullDevice);
  EXPECT_EQ(EntriesInFolder(), 1);
}

TEST_F(SaveTargets, SaveOntoAFolderIsReportedAndLeavesIt) {
  const fs::path inner = InFolder("games");
  fs::create_directory(inner);
  SaveAs(inner);
  ASSERT_EQ(services.messages.size(), 1u);
  const QString& text = services.messages[0].text;
  EXPECT_TRUE(text.contains("games")) << text.toStdString();
  EXPECT_TRUE(text.contains(
      QString::fromStdString(std::make_error_code(std::errc::is_a_directory).message())))
      << text.toStdString();
  EXPECT_EQ(services.messages[0].icon, UserServices::Icon::Stop);
  EXPECT_TRUE(fs::is_directory(fs::symlink_status(inner)));
  EXPECT_TRUE(fs::is_empty(inner));
}

}  // namespace

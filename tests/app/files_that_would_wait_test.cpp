// The game never waits on a file: Save refuses a FIFO that no program reads, and Open and
// the command line refuse a FIFO or a device, each at once and with a message.

#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "app/command_line_info.h"
#include "io/file_errors.h"
#include "tests/app/started_app.h"
#include "tests/io/device_nodes.h"

namespace {

namespace fs = std::filesystem;

class FilesThatWouldWait : public StartedApp {
 protected:
  void SetUp() override {
    StartedApp::SetUp();
    ASSERT_EQ(wendrel::testing::MakeFifo(fifo), "");
    ASSERT_EQ(wendrel::testing::MakeCharDevice(null, wendrel::testing::kNullDevice), "");
  }
  fs::path InFolder(const char* name) const { return fs::path(folder.path().toStdString()) / name; }
  // The one box of a refusal names the file and says why.
  void ExpectRefused(const fs::path& path, wendrel::FileError reason) {
    ASSERT_EQ(services.messages.size(), 1u);
    const QString& text = services.messages[0].text;
    EXPECT_TRUE(text.contains(QString::fromStdString(path.filename().string())))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString(make_error_code(reason).message())))
        << text.toStdString();
    EXPECT_EQ(services.messages[0].icon, UserServices::Icon::Stop);
    services.messages.clear();
  }

  QTemporaryDir folder;
  const fs::path fifo = InFolder("game.fifo"), null = InFolder("null");
};

TEST_F(FilesThatWouldWait, SaveOntoAFifoThatNoProgramReadsIsRefused) {
  services.saveFileName = QString::fromStdString(fifo.string());
  QTest::keyClick(&Frame(), Qt::Key_S, Qt::ControlModifier);
  ExpectRefused(fifo, wendrel::FileError::kNoReader);
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
}

TEST_F(FilesThatWouldWait, OpenOfAFifoOrADeviceIsRefused) {
  for (const fs::path& path : {fifo, null}) {
    services.openFileName = QString::fromStdString(path.string());
    QTest::keyClick(&Frame(), Qt::Key_O, Qt::ControlModifier);
    ExpectRefused(path, wendrel::FileError::kNotARegularFile);
  }
}

TEST_F(FilesThatWouldWait, StartingWithAFifoIsRefusedWithNoWindowLeft) {
  app = std::make_unique<CMorvaneApp>(services);
  EXPECT_FALSE(app->InitInstance(ParseCommandLine({QString::fromStdString(fifo.string())})));
  ExpectRefused(fifo, wendrel::FileError::kNotARegularFile);
  EXPECT_EQ(app->MainFrame(), nullptr);
}

}  // namespace

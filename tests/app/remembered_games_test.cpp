// The games remembered on exit as players meet them: copies of the program side by side, a
// file that cannot be read, a data folder that cannot be written.

#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include "app/command_line_info.h"
#include "app/remembered_game.h"
#include "tests/app/started_app.h"

namespace {

class RememberedGames : public StartedApp {
 protected:
  void SetUp() override {
    QGuiApplication::setQuitOnLastWindowClosed(false);  // the tests' application goes on
    StartedApp::SetUp();
    MenuItem("&File", "Re&member Game on Exit")->trigger();
  }
  void TearDown() override {
    QFile::setPermissions(Folder(), QFile::permissions(Folder()) | QFile::WriteOwner);
    app.reset();  // lets its file go
    for (const QString& name : QDir(Folder()).entryList({"remembered*"}, QDir::Files))
      QFile::remove(In(name));
    QSettings().clear();
    QGuiApplication::setQuitOnLastWindowClosed(true);
  }
  static QString Folder() { return RememberedGame::Folder(); }
  static QString In(const QString& name) { return QDir(Folder()).filePath(name); }
  std::unique_ptr<CMorvaneApp> Copy() {
    auto copy = std::make_unique<CMorvaneApp>(services);
    EXPECT_TRUE(copy->InitInstance(ParseCommandLine({})));
    return copy;
  }
  static std::vector<double> Play(CMorvaneApp& copy, std::int32_t seed) {
    copy.MainFrame()->View().SetNextSeed(seed);
    copy.MainFrame()->View().OnGenerate();
    return Layout(copy.MainFrame()->View().Pieces());
  }
};

TEST_F(RememberedGames, EachCopyKeepsItsGameAndEachGameComesBackInOneCopyNewestFirst) {
  const std::vector<double> first = Play(*app, kSeed);
  std::unique_ptr<CMorvaneApp> second = Copy();
  const std::vector<double> other = Play(*second, kOtherSeed);
  app->MainFrame()->close();
  second->MainFrame()->close();  // last, as the copy that used to win
  second.reset();
  Start({});
  EXPECT_EQ(Layout(View().Pieces()), other);
  const std::unique_ptr<CMorvaneApp> third = Copy();
  EXPECT_EQ(Layout(third->MainFrame()->View().Pieces()), first);
  EXPECT_FALSE(Copy()->MainFrame()->View().Game().HasPuzzle());
}

TEST_F(RememberedGames, AnUnreadableGameIsSetAsideNeverOverAnEarlierOneAndABoxSaysWhere) {
  const QString path = In("remembered.wendrel");
  QStringList earlier;  // set aside in the seconds this start may take
  for (int s = 0; s < 3; ++s) {
    earlier << path + QDateTime::currentDateTimeUtc().addSecs(s).toString(
                          "'.unreadable-'yyyyMMdd-hhmmss");
    QFile(earlier.back()).open(QIODevice::WriteOnly);
  }
  QFile broken(path);
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("{\"format\":") == 10 &&
              broken.flush());
  Start({});
  ASSERT_EQ(services.messages.size(), 1u);
  const QStringList aside = QDir(Folder()).entryList({"*.unreadable-*"});
  ASSERT_EQ(aside.size(), 4);
  for (const QString& name : aside) {
    const bool before = earlier.contains(In(name));
    EXPECT_EQ(QFileInfo(In(name)).size(), before ? 0 : 10) << name.toStdString();
    EXPECT_NE(services.messages[0].text.endsWith(QDir::toNativeSeparators(In(name))), before);
  }
}

// Root writes into any folder: there the case runs again as nobody, in a copy of the tests.
bool RanAsNobody() {
  if (geteuid() != 0)
    return false;
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  QProcess child;
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(
      "setpriv",
      {"--reuid=65534", "--regid=65534", "--clear-groups", QCoreApplication::applicationFilePath(),
       QString("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
  EXPECT_TRUE(child.waitForFinished(60000));
  const QByteArray output = child.readAll();
  EXPECT_TRUE(output.contains("[  PASSED  ] 1 test.")) << output.toStdString();
  return true;
}

TEST_F(RememberedGames, InAFolderThatCannotBeWrittenTheGameIsRefusedNeverWrittenInPlace) {
  if (RanAsNobody())
    return;
  Play(*app, kSeed);
  const QString path = In("remembered.wendrel");
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path); }, 5000)) << "after the gesture";
  const QDateTime kept = QFileInfo(path).lastModified();
  QFile::setPermissions(Folder(), QFile::ReadOwner | QFile::ExeOwner);
  const std::unique_ptr<CMorvaneApp> second = Copy();
  for (int offAndOn = 0; offAndOn < 2; ++offAndOn)
    second->MainFrame()->Actions().remember->trigger();
  Play(*app, kOtherSeed);
  app->MainFrame()->close();  // onto its own file, which cannot be replaced now
  ASSERT_EQ(services.messages.size(), 2u) << "when turned on, and at close";
  for (const auto& message : services.messages)
    EXPECT_TRUE(message.text.contains("be remembered")) << message.text.toStdString();
  EXPECT_EQ(QFileInfo(path).lastModified(), kept);
}

}  // namespace

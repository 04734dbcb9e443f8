// New, Open and Save: the keys, the dialogs through the recorder, and the files.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/command_line_info.h"
#include "tests/app/started_app.h"

namespace {

class DocumentCommands : public StartedApp {
 protected:
  // A file in the scratch folder with these contents.
  QString MakeFile(const QString& name, const QByteArray& contents) {
    const QString path = folder.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
    return path;
  }
  static QByteArray Contents(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
  }
  void Press(Qt::Key key) { QTest::keyClick(&Frame(), key, Qt::ControlModifier); }
  void GeneratePuzzle() {
    View().SetNextSeed(kSeed);
    View().OnGenerate();
    ASSERT_EQ(View().Pieces().GroupCount(), 15);
  }

  QTemporaryDir folder;
};

TEST_F(DocumentCommands, NewKeepsThePuzzleAndTheTitle) {
  GeneratePuzzle();
  const std::vector<double> before = Layout(View().Pieces());
  Press(Qt::Key_N);
  EXPECT_EQ(Layout(View().Pieces()), before);
  EXPECT_EQ(View().Pieces().GroupCount(), 15);
  EXPECT_EQ(Frame().windowTitle(), "Wendrel");
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(DocumentCommands, OpenOfAFileThatHoldsNoGameIsRefusedAndKeepsThePuzzleAndTheTitle) {
  GeneratePuzzle();
  const std::vector<double> before = Layout(View().Pieces());
  services.openFileName = MakeFile("saved.wendrel", "not a puzzle");
  Press(Qt::Key_O);
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_TRUE(services.messages[0].text.contains("saved.wendrel"));
  EXPECT_EQ(Contents(services.openFileName), "not a puzzle");
  EXPECT_EQ(Layout(View().Pieces()), before);
  EXPECT_EQ(Frame().windowTitle(), "Wendrel");
}

TEST_F(DocumentCommands, OpenOfAnEmptyFileChangesNothing) {
  GeneratePuzzle();
  const std::vector<double> before = Layout(View().Pieces());
  services.openFileName = MakeFile("empty.wendrel", "");
  Press(Qt::Key_O);
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(Layout(View().Pieces()), before);
}

TEST_F(DocumentCommands, OpenOfAFileThatCannotBeReadIsReported) {
  services.openFileName = folder.filePath("missing.wendrel");
  Press(Qt::Key_O);
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_TRUE(services.messages[0].text.contains("missing.wendrel"))
      << services.messages[0].text.toStdString();
  EXPECT_EQ(services.messages[0].caption, "Wendrel");
  EXPECT_EQ(services.messages[0].icon, UserServices::Icon::Stop);
  EXPECT_EQ(services.owners[0], &Frame());
}

TEST_F(DocumentCommands, CancelledOpenDoesNothing) {
  services.openFileName.clear();
  Press(Qt::Key_O);
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(DocumentCommands, SaveWritesAnEmptyFile) {
  services.saveFileName = MakeFile("old.wendrel", "old contents");
  Press(Qt::Key_S);
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(Contents(services.saveFileName), QByteArray());
}

TEST_F(DocumentCommands, SaveThatCannotWriteIsReportedAndLeavesNoFile) {
  services.saveFileName = folder.filePath("no such folder/game.wendrel");
  Press(Qt::Key_S);
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_TRUE(services.messages[0].text.contains("game.wendrel"))
      << services.messages[0].text.toStdString();
  EXPECT_EQ(services.messages[0].caption, "Wendrel");
  EXPECT_EQ(services.messages[0].icon, UserServices::Icon::Stop);
  EXPECT_FALSE(QFile::exists(services.saveFileName));
}

TEST_F(DocumentCommands, SaveAfterARefusedOpenAsksAndLeavesTheOpenedFileAlone) {
  services.openFileName = MakeFile("opened.wendrel", "keep me");
  Press(Qt::Key_O);
  services.saveFileName.clear();  // the user cancels the save dialog
  Press(Qt::Key_S);
  EXPECT_EQ(Contents(services.openFileName), "keep me");
  EXPECT_EQ(services.messages.size(), 1u) << "only the refusal of the open";
}

TEST_F(DocumentCommands, StartingWithAnEmptyFileOpensItAndChangesNothing) {
  const QString path = MakeFile("start.wendrel", "");
  app.reset();
  Start({path});
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(Frame().windowTitle(), "Wendrel");
  EXPECT_FALSE(View().Game().HasPuzzle());
}

TEST_F(DocumentCommands, StartingWithAFileThatCannotBeOpenedIsReportedAndFails) {
  app = std::make_unique<CMorvaneApp>(services);
  EXPECT_FALSE(app->InitInstance(ParseCommandLine({folder.filePath("gone.wendrel")})));
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_TRUE(services.messages[0].text.contains("gone.wendrel"));
  EXPECT_EQ(services.messages[0].icon, UserServices::Icon::Stop);
  EXPECT_EQ(app->MainFrame(), nullptr) << "no window is left behind";
}

}  // namespace

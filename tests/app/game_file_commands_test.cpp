// Saving and opening games as a player meets them: the real commands, the recorder in place
// of the file dialogs and message boxes.

#include <QFile>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include "tests/app/started_app.h"

namespace {

class GameFileCommands : public StartedApp {
 protected:
  void SetUp() override {
    QSettings().clear();
    StartedApp::SetUp();
  }
  void TearDown() override { QSettings().clear(); }

  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(View().viewport(), key, modifiers);
  }
  // A puzzle with some play in it and a move undone, so that both histories show.
  void Play() {
    View().SetNextSeed(kSeed);
    View().OnGenerate();
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Right, Qt::Key_R, Qt::Key_M, Qt::Key_Down})
      Key(key);
    View().OnEditUndo();
  }
  QString SaveAs(const QString& name) {
    services.saveFileName = folder.filePath(name);
    MenuItem("&File", "Save &As...")->trigger();
    return services.saveFileName;
  }
  QByteArray Contents(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
  }
  QImage Picture() const { return View().viewport()->grab().toImage(); }

  QTemporaryDir folder;
};

TEST_F(GameFileCommands, AGameSavedAndOpenedInAFreshProgramLooksAndUndoesTheSame) {
  Play();
  SaveAs("mine");
  EXPECT_TRUE(services.fileFilter.contains("*.wendrel"));
  const QString path = folder.filePath("mine.wendrel");
  ASSERT_TRUE(QFile::exists(path)) << "a name without an extension gets the game's";
  const QImage picture = Picture();
  const std::vector<double> layout = Layout(View().Pieces());
  View().OnEditRedo();
  const std::vector<double> redone = Layout(View().Pieces());

  Start({path});
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(Picture(), picture);
  EXPECT_EQ(Layout(View().Pieces()), layout);
  View().OnEditRedo();
  EXPECT_EQ(Layout(View().Pieces()), redone);
  EXPECT_EQ(View().Game().Number(), kSeed);
}

TEST_F(GameFileCommands, SaveAsksTheFirstTimeThenWritesThereAndSaveAsAlwaysAsks) {
  Play();
  services.saveFileName = folder.filePath("first.wendrel");
  QTest::keyClick(&Frame(), Qt::Key_S, Qt::ControlModifier);
  const QByteArray first = Contents(services.saveFileName);
  ASSERT_FALSE(first.isEmpty());
  Key(Qt::Key_Left);
  services.saveFileName = folder.filePath("second.wendrel");
  MenuItem("&File", "&Save")->trigger();
  EXPECT_FALSE(QFile::exists(services.saveFileName)) << "Save wrote to the first file again";
  EXPECT_NE(Contents(folder.filePath("first.wendrel")), first);
  SaveAs("second.wendrel");
  EXPECT_TRUE(QFile::exists(folder.filePath("second.wendrel")));
}

TEST_F(GameFileCommands, AFileThatHoldsNoGoodGameIsRefusedWithItsReasonAndTheGameStays) {
  Play();
  const QByteArray good = Contents(SaveAs("good.wendrel"));
  QByteArray future = good;
  future.replace("\"formatVersion\":3", "\"formatVersion\":7");
  const struct {
    const char* name;
    QByteArray contents;
    const char* reason;
  } files[] = {
      {"cut.wendrel", good.left(good.size() / 2), "not a Wendrel game"},
      {"future.wendrel", future, "newer version"},
      {"other.json", R"({"name": "some other program", "version": 3})", "not a Wendrel game"},
      {"picture.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "not a Wendrel game"},
      {"huge.wendrel", QByteArray(1 << 21, ' '), "too large"},
  };
  const std::vector<double> before = Layout(View().Pieces());
  for (const auto& file : files) {
    services.messages.clear();
    QFile out(folder.filePath(file.name));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file.contents);
    out.close();
    services.openFileName = out.fileName();
    MenuItem("&File", "&Open...")->trigger();
    ASSERT_EQ(services.messages.size(), 1u) << file.name;
    EXPECT_TRUE(services.messages[0].text.contains(file.name)) << file.name;
    EXPECT_TRUE(services.messages[0].text.contains(file.reason))
        << services.messages[0].text.toStdString();
    EXPECT_EQ(Layout(View().Pieces()), before) << file.name;
  }
}

TEST_F(GameFileCommands, UndoGoesBackThroughTheOpenedGamesHistoryToTheGameBeforeTheOpen) {
  Play();
  const QString path = SaveAs("saved.wendrel");
  View().SetNextSeed(kOtherSeed);
  View().OnGenerate();
  const std::vector<double> other = Layout(View().Pieces());
  services.openFileName = path;
  MenuItem("&File", "&Open...")->trigger();
  EXPECT_EQ(View().Game().Number(), kSeed);
  // Play() left four moves, one of them undone: three more undos reach the scatter.
  for (int undo = 0; undo < 3; ++undo) {
    MenuItem("&Edit", "&Undo")->trigger();
    EXPECT_EQ(View().Game().Number(), kSeed) << undo;
  }
  MenuItem("&Edit", "&Undo")->trigger();
  EXPECT_EQ(View().Game().Number(), kOtherSeed);
  EXPECT_EQ(Layout(View().Pieces()), other);
}

}  // namespace

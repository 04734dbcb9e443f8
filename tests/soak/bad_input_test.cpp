// Input that a user can give the game and that no ordinary test of its feature tries: an
// empty or absurdly long argument, a folder where a file belongs, pages of text in the
// More Games boxes. Each is refused or reported, and the game goes on as before.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "app/command_line_info.h"
#include "app/main_frame.h"
#include "app/more_games_dlg.h"
#include "app/morvane_app.h"
#include "app/web_browser.h"
#include "tests/support/recording_user_services.h"
#include "view/morvane_view.h"

namespace {

constexpr int kLongText = 100000;

std::vector<double> Layout(const wendrel::PieceSet& pieces) {
  std::vector<double> layout;
  for (int t = 0; t < pieces.PlacedCount(); ++t) {
    const wendrel::Triangle& placed = pieces.Placed(t);
    layout.insert(layout.end(),
                  {placed.a.x, placed.a.y, placed.b.x, placed.b.y, placed.c.x, placed.c.y});
  }
  return layout;
}

TEST(BadCommandLine, AnEmptyArgumentIsRejectedWhereverItStands) {
  for (const QStringList& arguments :
       {QStringList{""}, QStringList{"", "game.txt"}, QStringList{"--seed", "3", ""}}) {
    const CommandLineInfo info = ParseCommandLine(arguments);
    EXPECT_EQ(info.action, CommandLineInfo::Action::Reject) << arguments.join(' ').toStdString();
    EXPECT_TRUE(info.error.contains("empty")) << info.error.toStdString();
  }
}

TEST(BadCommandLine, AHugeSeedIsRejectedAsOutOfRange) {
  const CommandLineInfo info = ParseCommandLine({"--seed", QString(kLongText, u'9')});
  EXPECT_EQ(info.action, CommandLineInfo::Action::Reject);
  EXPECT_TRUE(info.error.contains("out of range")) << info.error.left(80).toStdString();
}

class BadDocument : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    QFile file(folder.filePath("plain.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }

  // Paths that name no readable file: the folder itself, a name far longer than any
  // file system takes, and a name under a plain file.
  std::vector<QString> Unopenable() const {
    return {folder.path(), folder.filePath(QString(kLongText, u'n')),
            folder.filePath("plain.txt/inner.txt")};
  }

  QTemporaryDir folder;
  RecordingUserServices services;
};

TEST_F(BadDocument, StartingWithOneIsReportedAndLeavesNoWindow) {
  for (const QString& path : Unopenable()) {
    services.messages.clear();
    CMorvaneApp app(services);
    EXPECT_FALSE(app.InitInstance(ParseCommandLine({path})));
    ASSERT_EQ(services.messages.size(), 1u) << path.left(80).toStdString();
    EXPECT_TRUE(services.messages[0].text.startsWith("Cannot open"));
    EXPECT_TRUE(services.messages[0].text.contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(services.messages[0].icon, UserServices::Icon::Stop);
    EXPECT_EQ(app.MainFrame(), nullptr);
  }
}

TEST_F(BadDocument, OpeningOneIsReportedAndThePuzzleStaysPlayable) {
  CMorvaneApp app(services);
  ASSERT_TRUE(app.InitInstance(CommandLineInfo{}));
  CMorvaneView& view = app.MainFrame()->View();
  view.SetNextSeed(12345);
  view.OnGenerate();
  ASSERT_TRUE(services.messages.empty());
  const std::vector<double> before = Layout(view.Pieces());
  const int groups = view.Pieces().GroupCount();

  for (const QString& path : Unopenable()) {
    services.messages.clear();
    services.openFileName = path;
    app.OnFileOpen();
    ASSERT_EQ(services.messages.size(), 1u) << path.left(80).toStdString();
    EXPECT_TRUE(services.messages[0].text.startsWith("Cannot open"));
    EXPECT_EQ(services.messages[0].icon, UserServices::Icon::Stop);
  }
  EXPECT_EQ(Layout(view.Pieces()), before);
  EXPECT_EQ(view.Pieces().GroupCount(), groups);
  EXPECT_EQ(view.Dragging(), 0);
  EXPECT_TRUE(app.MainFrame()->isVisible());
}

class LongTextInMoreGames : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  }

  // Puts text in the box and presses its browser button.
  void PressWith(const char* box, const QString& text, const QString& buttonText) {
    dialog.findChild<QLineEdit*>(box)->setText(text);
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
      if (button->text() == buttonText)
        button->click();
    }
  }

  RecordingUserServices services;
  CMoreGamesDlg dialog{services};
};

TEST_F(LongTextInMoreGames, OnlyAWebAddressIsHandedOnAndTheDialogStays) {
  const QString longAddress = "https://www.example.org/" + QString(kLongText, u'a');
  const QString longWord = QString(kLongText, u'x');
  const QString longOption = "-" + QString(kLongText, u'-');
  const QString longControls = "https://www.example.org/" + QString(kLongText, QChar(0x07));
  const struct {
    const char* box;
    const char* button;
  } browsers[] = {{"1002", "Internet Explorer"}, {"1004", "Netscape Navigator"}};

  for (const auto& browser : browsers) {
    for (const QString& text : {longWord, longOption, longControls}) {
      PressWith(browser.box, text, browser.button);
      EXPECT_TRUE(services.starts.empty()) << text.left(40).toStdString();
    }
    // However much the box keeps of a long address, the browser gets exactly that.
    PressWith(browser.box, longAddress, browser.button);
    const QString kept = dialog.findChild<QLineEdit*>(browser.box)->text();
    ASSERT_EQ(services.starts.size(), 1u);
    EXPECT_EQ(services.starts[0].arguments, QStringList{kept});
    EXPECT_TRUE(IsWebAddress(kept));
    services.starts.clear();
  }
  dialog.findChild<QLineEdit*>("1003")->setText(QString(kLongText, u'm'));
  EXPECT_TRUE(services.starts.empty());
  EXPECT_TRUE(dialog.isVisible());
}

}  // namespace

// The More Games dialog on its own: what the browser buttons start, and how it ends.

#include "app/more_games_dlg.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tests/support/recording_user_services.h"

namespace {

constexpr char kPage[] = "https://www.example.org/wendrel/games.html";

class MoreGamesDlg : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.m_strExplorerUrl = kPage;
    dialog.m_strNetscapeUrl = kPage;
    dialog.m_strEmail = "games@example.org";
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  }

  QLineEdit* Box(const char* id) { return dialog.findChild<QLineEdit*>(id); }
  QPushButton* Button(const QString& text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
      if (button->text() == text)
        return button;
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
  }
  // Types text into the box in place of what it held, and presses the button.
  void Press(const char* box, const QString& text, const QString& button) {
    Box(box)->setText(text);
    QTest::mouseClick(Button(button), Qt::LeftButton);
  }

  RecordingUserServices services;
  CMoreGamesDlg dialog{services};
};

TEST_F(MoreGamesDlg, BoxesHoldTheAddressesWhenItOpens) {
  EXPECT_EQ(Box("1002")->text(), kPage);
  EXPECT_EQ(Box("1004")->text(), kPage);
  EXPECT_EQ(Box("1003")->text(), "games@example.org");
  for (const char* id : {"1002", "1004", "1003"})
    EXPECT_FALSE(Box(id)->isReadOnly()) << id;
}

TEST_F(MoreGamesDlg, InternetExplorerHandsItsBoxToTheDefaultBrowser) {
  QTest::mouseClick(Button("Internet Explorer"), Qt::LeftButton);
  ASSERT_EQ(services.starts.size(), 1u);
  EXPECT_EQ(services.starts[0].program, "xdg-open");
  EXPECT_EQ(services.starts[0].arguments, QStringList({kPage}));
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(MoreGamesDlg, NetscapeNavigatorPassesTheChangedTextToFirefox) {
  Press("1004", "https://other.example.org/more", "Netscape Navigator");
  ASSERT_EQ(services.starts.size(), 1u);
  EXPECT_EQ(services.starts[0].program, "firefox");
  EXPECT_EQ(services.starts[0].arguments, QStringList({"https://other.example.org/more"}));
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(MoreGamesDlg, NetscapeNavigatorFallsBackToTheDefaultBrowserWithoutFirefox) {
  services.startSucceeds = false;
  QTest::mouseClick(Button("Netscape Navigator"), Qt::LeftButton);
  ASSERT_EQ(services.starts.size(), 2u);
  EXPECT_EQ(services.starts[0].program, "firefox");
  EXPECT_EQ(services.starts[1].program, "xdg-open");
  EXPECT_EQ(services.starts[1].arguments, QStringList({kPage}));
  EXPECT_TRUE(dialog.isVisible()) << "a browser that did not start is not reported";
}

TEST_F(MoreGamesDlg, WhenNoBrowserStartsABoxSaysSoWithTheAddressToCopy) {
  services.startSucceeds = false;
  Press("1004", "https://other.example.org/more", "Netscape Navigator");
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_TRUE(services.messages[0].text.startsWith("No web browser could be started."));
  EXPECT_TRUE(services.messages[0].text.endsWith("\nhttps://other.example.org/more"));
  services.startSucceeds = true;
  Press("1004", "https://other.example.org/more", "Netscape Navigator");
  EXPECT_EQ(services.messages.size(), 1u) << "a browser that started needs no box";
}

TEST_F(MoreGamesDlg, PressingTwiceStartsTwiceAndTheDialogStaysOpen) {
  QTest::mouseClick(Button("Internet Explorer"), Qt::LeftButton);
  QTest::mouseClick(Button("Internet Explorer"), Qt::LeftButton);
  ASSERT_EQ(services.starts.size(), 2u);
  EXPECT_EQ(services.starts[1].program, "xdg-open");
  EXPECT_EQ(services.starts[1].arguments, QStringList({kPage}));
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(MoreGamesDlg, ShellCharactersArePassedVerbatimAsOneArgument) {
  const QString address = "https://www.example.org/a;b|c$(reboot)&d`id`?q='x'\"y\"<z>*";
  Press("1002", address, "Internet Explorer");
  ASSERT_EQ(services.starts.size(), 1u);
  EXPECT_EQ(services.starts[0].arguments, QStringList({address}));
}

TEST_F(MoreGamesDlg, TextThatIsNoWebAddressStartsNothing) {
  for (const char* text : {"file:///usr/bin/xterm", "-remote openURL(https://www.example.org/)",
                           "--help", "", "www.example.org", "javascript:alert(1)", "https://",
                           "https://www.example.org/a b", "https://www.example.org/\n--new-window",
                           " https://www.example.org/", "https://www.example.org/\x01"}) {
    Press("1004", QString::fromLatin1(text), "Netscape Navigator");
    Press("1002", QString::fromLatin1(text), "Internet Explorer");
    EXPECT_TRUE(services.starts.empty()) << text;
    services.starts.clear();
  }
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(MoreGamesDlg, EnterInABoxClosesTheDialogWithoutPressingAButton) {
  for (const char* id : {"1002", "1004", "1003"}) {
    dialog.show();
    Box(id)->setFocus();
    QTest::keyClick(Box(id), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible()) << id;
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << id;
  }
  EXPECT_TRUE(services.starts.empty());
}

TEST_F(MoreGamesDlg, EscapeClosesTheDialog) {
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(MoreGamesDlg, CancelClosesTheDialog) {
  QTest::mouseClick(Button("Cancel"), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_TRUE(services.starts.empty());
}

}  // namespace

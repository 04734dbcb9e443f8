// The Help menu and the toolbar's About button, with dialogs run by a test runner that
// looks at them instead of waiting for a user.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/about_dlg.h"
#include "app/more_games_dlg.h"
#include "tests/app/started_app.h"

namespace {

// What a dialog showed while it ran.
struct SeenDialog {
  QString className;
  QString title;
  QWidget* parent = nullptr;
  QStringList labels;
  QStringList buttons;
  QString defaultButton;
  bool iconShown = false;
  QString box1002, box1004, box1003;
};

QString BoxText(const QDialog& dialog, const char* id) {
  const auto* box = dialog.findChild<QLineEdit*>(id);
  return box ? box->text() : QStringLiteral("(no box %1)").arg(id);
}

class HelpCommands : public StartedApp {
 protected:
  void SetUp() override {
    StartedApp::SetUp();
    app->SetDialogRunner([this](QDialog& dialog) {
      dialog.show();  // opens it as exec() would, without waiting
      SeenDialog seen;
      seen.className = dialog.metaObject()->className();
      seen.title = dialog.windowTitle();
      seen.parent = dialog.parentWidget();
      for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull())
          seen.iconShown = true;
        if (!label->text().isEmpty())
          seen.labels << label->text();
      }
      for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        seen.buttons << button->text();
        if (button->isDefault())
          seen.defaultButton = button->text();
      }
      seen.box1002 = BoxText(dialog, "1002");
      seen.box1004 = BoxText(dialog, "1004");
      seen.box1003 = BoxText(dialog, "1003");
      dialogs.push_back(seen);
      dialog.reject();
    });
  }

  std::vector<SeenDialog> dialogs;
};

TEST_F(HelpCommands, InstructionsAreShownInAPlainBoxOwnedByTheMainWindow) {
  MenuItem("&Help", "&Instructions...")->trigger();
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text,
            "Wendrel is a shape reconstruction puzzle.\n\nTo play, click on File > Generate.  "
            "Then use\nthe left mouse button to drag-and-drop the\npieces into their correct "
            "positions.  Double\nclick to flip, right click to rotate.  The puzzle\nis "
            "complete when all pieces are connected.\n");
  EXPECT_EQ(services.messages[0].caption, "Instructions");
  EXPECT_EQ(services.messages[0].icon, UserServices::Icon::None);
  EXPECT_EQ(services.owners[0], &Frame());
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(HelpCommands, TermsOfUseNameTheLicenceInAPlainBoxOwnedByTheMainWindow) {
  MenuItem("&Help", "&Terms of use...")->trigger();
  ASSERT_EQ(services.messages.size(), 1u);
  const QString& terms = services.messages[0].text;
  EXPECT_TRUE(terms.startsWith("Wendrel is free software under the MIT licence.\n\nCopyright") &&
              terms.endsWith("the file LICENSE that comes with the source of Wendrel."));
  EXPECT_EQ(services.messages[0].caption, "Terms of use");
  EXPECT_EQ(services.messages[0].icon, UserServices::Icon::None);
  EXPECT_EQ(services.owners[0], &Frame());
}

void ExpectAboutBox(const SeenDialog& seen, const QWidget* mainWindow) {
  EXPECT_EQ(seen.className, "CAboutDlg");
  EXPECT_EQ(seen.title, "About Wendrel");
  EXPECT_EQ(seen.parent, mainWindow);
  ASSERT_EQ(seen.labels.size(), 2);
  EXPECT_EQ(seen.labels[0], "Wendrel 2.00");
  EXPECT_EQ(seen.labels[1], "Copyright (C) 2026 The Wendrel developers");
  EXPECT_TRUE(seen.iconShown);
  EXPECT_EQ(seen.buttons, QStringList({"OK"}));
  EXPECT_EQ(seen.defaultButton, "OK");
}

TEST_F(HelpCommands, AboutBoxComesFromTheHelpMenu) {
  MenuItem("&Help", "&About Wendrel...")->trigger();
  ASSERT_EQ(dialogs.size(), 1u);
  ExpectAboutBox(dialogs[0], &Frame());
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(HelpCommands, AboutBoxComesFromTheToolbarButton) {
  QTest::mouseClick(ToolButton("About"), Qt::LeftButton);
  ASSERT_EQ(dialogs.size(), 1u);
  ExpectAboutBox(dialogs[0], &Frame());
}

TEST_F(HelpCommands, MoreGamesShowsTheAddressesAndTheTexts) {
  MenuItem("&Help", "&More Games...")->trigger();
  ASSERT_EQ(dialogs.size(), 1u);
  const SeenDialog& seen = dialogs[0];
  EXPECT_EQ(seen.className, "CMoreGamesDlg");
  EXPECT_EQ(seen.title, "More Games");
  EXPECT_EQ(seen.parent, &Frame());
  EXPECT_EQ(seen.labels,
            QStringList({"My website has more games like this that you can download.  If you "
                         "have Microsoft Internet Explorer or Netscape Navigator and a "
                         "connection to the Internet, these buttons will launch your browser "
                         "and take you to my web page.",
                         "If you have a question or a comment, please write to:"}));
  EXPECT_EQ(seen.buttons, QStringList({"Cancel", "Internet Explorer", "Netscape Navigator"}));
  EXPECT_EQ(seen.defaultButton, "") << "there is no OK and no default button";
  EXPECT_TRUE(seen.box1002.startsWith("https://"));
  EXPECT_TRUE(seen.box1002.contains(".example.org/")) << seen.box1002.toStdString();
  EXPECT_EQ(seen.box1004, seen.box1002);
  EXPECT_TRUE(seen.box1003.endsWith("@example.org")) << seen.box1003.toStdString();
  EXPECT_TRUE(services.starts.empty());
}

}  // namespace

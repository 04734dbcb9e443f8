#include "view/qt_user_services.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {

TEST(QtUserServices, TheMessageBoxHasTheCaptionTextOwnerAndOnlyAnOkButton) {
  QWidget owner;
  const auto box =
      QtUserServices::BuildMessageBox(&owner, QStringLiteral("Congratulations!"),
                                      QStringLiteral("Wendrel"), UserServices::Icon::None);
  EXPECT_EQ(box->text(), QStringLiteral("Congratulations!"));
  EXPECT_EQ(box->windowTitle(), QStringLiteral("Wendrel"));
  EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
  EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
  EXPECT_EQ(box->parentWidget(), &owner);
}

TEST(QtUserServices, TheStopIconIsTheCriticalOne) {
  const auto box = QtUserServices::BuildMessageBox(
      nullptr, QStringLiteral("x"), QStringLiteral("Error"), UserServices::Icon::Stop);
  EXPECT_EQ(box->icon(), QMessageBox::Critical);
  EXPECT_EQ(box->windowTitle(), QStringLiteral("Error"));
}

TEST(QtUserServices, AProgramGetsItsArgumentsAsTheyAreWithNoShellBetween) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // A shell would split this at the blank and run what follows the semicolon.
  const QString name = dir.filePath(QStringLiteral("a b;touch c"));
  QtUserServices services;

  ASSERT_TRUE(services.StartProgram(QStringLiteral("touch"), {name}));

  QDeadlineTimer deadline(10000);
  while (!QFileInfo::exists(name) && !deadline.hasExpired())
    QTest::qWait(20);
  EXPECT_TRUE(QFileInfo::exists(name));
  EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("a"))));
  EXPECT_FALSE(QFileInfo::exists(QStringLiteral("c")));
}

TEST(QtUserServices, AProgramThatCannotBeFoundIsReported) {
  QtUserServices services;
  EXPECT_FALSE(services.StartProgram(QStringLiteral("/nonexistent/wendrel-no-such-program"), {}));
}

}  // namespace

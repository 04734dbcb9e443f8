#include "app/key_indicators.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <map>

namespace {

class KeyIndicatorsTest : public ::testing::Test {
 protected:
  // The panes in order, as "CAP+" for enabled and "CAP-" for greyed.
  QStringList Panes() const {
    QStringList panes;
    for (const QLabel* label : bar.findChildren<QLabel*>()) {
      panes << label->text() + (label->isEnabled() ? "+" : "-");
    }
    return panes;
  }
  void Key(QEvent::Type type, Qt::Key key) {
    QKeyEvent event(type, key, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
  }

  std::map<KeyLock, std::optional<bool>> locks{
      {KeyLock::Caps, false}, {KeyLock::Num, false}, {KeyLock::Scroll, false}};
  QStatusBar bar;
  QWidget target;
  KeyIndicators indicators{&bar, [this](KeyLock lock) { return locks[lock]; }};
};

TEST_F(KeyIndicatorsTest, AllGreyedWhileNoLockIsOn) {
  EXPECT_EQ(Panes(), QStringList({"CAP-", "NUM-", "SCRL-"}));
}

TEST_F(KeyIndicatorsTest, APaneLightsWhenItsLockKeyIsPressed) {
  locks[KeyLock::Caps] = true;
  Key(QEvent::KeyPress, Qt::Key_CapsLock);
  EXPECT_EQ(Panes(), QStringList({"CAP+", "NUM-", "SCRL-"}));

  locks[KeyLock::Caps] = false;
  locks[KeyLock::Num] = true;
  locks[KeyLock::Scroll] = true;
  Key(QEvent::KeyRelease, Qt::Key_NumLock);
  EXPECT_EQ(Panes(), QStringList({"CAP-", "NUM+", "SCRL+"}));
}

TEST_F(KeyIndicatorsTest, LocksChangedElsewhereShowWhenTheProgramIsActiveAgain) {
  locks[KeyLock::Scroll] = true;
  QApplicationStateChangeEvent active(Qt::ApplicationActive);
  QApplication::sendEvent(qApp, &active);
  EXPECT_EQ(Panes(), QStringList({"CAP-", "NUM-", "SCRL+"}));
}

TEST_F(KeyIndicatorsTest, ALockThePlatformCannotReportIsGreyed) {
  locks[KeyLock::Caps] = std::nullopt;
  Key(QEvent::KeyPress, Qt::Key_CapsLock);
  EXPECT_EQ(Panes(), QStringList({"CAP-", "NUM-", "SCRL-"}));
}

}  // namespace

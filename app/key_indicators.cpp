#include "app/key_indicators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <utility>

namespace {

constexpr KeyLock kLocks[] = {KeyLock::Caps, KeyLock::Num, KeyLock::Scroll};

bool IsLockKey(const QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
    return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock;
}

}  // namespace

KeyIndicators::KeyIndicators(QStatusBar* statusBar, LockQuery query)
    : QObject(statusBar), m_query(std::move(query)) {
  const QString texts[] = {tr("CAP"), tr("NUM"), tr("SCRL")};
  for (int i = 0; i < 3; ++i) {
    m_panes[i] = new QLabel(texts[i], statusBar);
    m_panes[i]->setAlignment(Qt::AlignCenter);
    statusBar->addPermanentWidget(m_panes[i]);
  }
  Refresh();
  qApp->installEventFilter(this);
}

bool KeyIndicators::eventFilter(QObject* watched, QEvent* event) {
  if (IsLockKey(event) || (watched == qApp && event->type() == QEvent::ApplicationStateChange)) {
    Refresh();
  }
  return false;
}

void KeyIndicators::Refresh() {
  for (int i = 0; i < 3; ++i)
    m_panes[i]->setEnabled(m_query(kLocks[i]).value_or(false));
}

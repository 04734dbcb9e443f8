#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "app/key_lock_state.h"

class QLabel;
class QStatusBar;

// The CAP, NUM and SCRL panes at the right end of the status bar. Each is shown enabled
// while its lock is on and greyed while it is off or the platform cannot tell. They are
// brought up to date when a lock key is pressed or released in the program and when the
// program becomes active, since a lock may have changed in another program meanwhile.
class KeyIndicators : public QObject {
  Q_OBJECT

 public:
  using LockQuery = std::function<std::optional<bool>(KeyLock)>;

  KeyIndicators(QStatusBar* statusBar, LockQuery query);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refresh();

  LockQuery m_query;
  QLabel* m_panes[3];
};

#include "app/menu_mnemonic.h"

#include <QAction>
#include <QMenu>
#include <QString>

namespace {

// Where the mnemonic of text is: the letter after a single '&'; -1 when it has none.
qsizetype MnemonicAt(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&')
      continue;
    if (text[i + 1] != u'&')
      return i + 1;
    ++i;  // "&&" is an ampersand shown
  }
  return -1;
}

}  // namespace

void GiveOwnMnemonic(QAction& item) {
  QString taken;
  for (QObject* owner : item.associatedObjects()) {
    if (const auto* menu = qobject_cast<const QMenu*>(owner)) {
      for (const QAction* other : menu->actions()) {
        const qsizetype at = MnemonicAt(other->text());
        if (other != &item && at >= 0)
          taken += other->text()[at].toLower();
      }
    }
  }
  QString text = item.text();
  const qsizetype at = MnemonicAt(text);
  if (at < 0 || !taken.contains(text[at].toLower()))
    return;
  text.remove(at - 1, 1);
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].isLetter() && !taken.contains(text[i].toLower())) {
      text.insert(i, u'&');
      item.setText(text);
      return;
    }
  }
}

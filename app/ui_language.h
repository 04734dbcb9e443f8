#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The languages the program speaks besides English: those whose translation is built into
// it, as two-letter codes ("de"), sorted.
QStringList TranslatedLanguages();

// Of the languages a player prefers, first to last ("de-DE", "de", "en-GB"...), the first
// that the program speaks: one of translated, or empty for English. English before any
// translated language means English, so that a player who puts English first gets it
// whatever follows; C and POSIX name no language and are passed over like any other that
// has no translation.
QString ChooseLanguage(const QStringList& preferred, const QStringList& translated);

// Puts the program's texts, and Qt's own in the standard dialogs, into the chosen language
// for as long as it lives. Needs the application object; the desktop's languages are the
// ones Qt reads from LANGUAGE, LC_ALL, LC_MESSAGES and LANG. The whole program speaks one
// language: Qt's dialogs are translated only along with the program's own texts.
class UiLanguage {
 public:
  explicit UiLanguage(const QStringList& preferred = QLocale().uiLanguages());
  UiLanguage(const UiLanguage&) = delete;
  UiLanguage& operator=(const UiLanguage&) = delete;
  ~UiLanguage();

  // The language chosen; empty for English.
  const QString& Name() const { return m_name; }
  // That of the one in place, for texts that come with their own translations (a figure's
  // names); empty for English or before any.
  static QString Current();

 private:
  QString m_name;
  // Removed from the application again when they are destroyed.
  QTranslator m_program;
  QTranslator m_qt;
};

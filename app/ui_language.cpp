#include "app/ui_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace {

// Where qt_add_translations puts the program's .qm files among its resources.
const QString kTranslationsFolder = QStringLiteral(":/i18n");
const QString kProgramPrefix = QStringLiteral("wendrel_");
QString g_current;

}  // namespace

QStringList TranslatedLanguages() {
  QStringList languages;
  const QStringList files =
      QDir(kTranslationsFolder)
          .entryList({kProgramPrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
  for (const QString& file : files)
    languages << file.mid(kProgramPrefix.size()).chopped(3);
  return languages;
}

QString ChooseLanguage(const QStringList& preferred, const QStringList& translated) {
  for (const QString& name : preferred) {
    const QLocale::Language language = QLocale(name).language();
    if (language == QLocale::English)
      return QString();
    const QString code = QLocale::languageToCode(language);
    if (translated.contains(code))
      return code;
  }
  return QString();
}

UiLanguage::UiLanguage(const QStringList& preferred)
    : m_name(ChooseLanguage(preferred, TranslatedLanguages())) {
  if (m_name.isEmpty())
    return;
  g_current = m_name;
  if (m_program.load(kProgramPrefix + m_name, kTranslationsFolder))
    QCoreApplication::installTranslator(&m_program);
  // Missing when Debian's qt6-translations-l10n is not installed: the standard dialogs
  // then stay in English.
  if (m_qt.load(QStringLiteral("qtbase_") + m_name,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&m_qt);
}

UiLanguage::~UiLanguage() {
  g_current.clear();
}

QString UiLanguage::Current() {
  return g_current;
}

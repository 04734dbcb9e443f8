// Which language the program speaks, from the languages a player's desktop prefers.

#include "app/ui_language.h"

#include <gtest/gtest.h>

namespace {

TEST(UiLanguage, TheProgramSpeaksTheFourLanguagesBuiltIntoIt) {
  EXPECT_EQ(TranslatedLanguages(), QStringList({"de", "es", "fr", "ru"}));
}

TEST(UiLanguage, TheFirstPreferredLanguageThatIsTranslatedWinsUnlessEnglishComesFirst) {
  const QStringList translated = {"de", "es", "fr", "ru"};
  const struct {
    QStringList preferred;  // as QLocale::uiLanguages() gives them
    QString chosen;
  } cases[] = {
      {{"fr-CA", "fr-Latn-CA", "fr"}, "fr"},
      {{"pt-BR", "pt", "es"}, "es"},  // no Portuguese: the next language
      {{"en-GB", "en", "de"}, ""},    // English first stays English
      {{"xx", "C", "ru"}, "ru"},      // Qt adds C after a name it does not know
      {{"C"}, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ChooseLanguage(c.preferred, translated), c.chosen)
        << c.preferred.join(',').toStdString();
}

}  // namespace

// The program in each language it speaks, offscreen: the menus, a message box, the dialogs
// and the panes in that language, a mnemonic of its own for each menu item, and no text
// cut off.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryFile>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/ui_language.h"
#include "tests/app/started_app.h"

namespace {

const std::map<QString, QStringList> kMenuTitles = {
    {"de", {"&Datei", "&Bearbeiten", "&Ansicht", "&Hilfe"}},
    {"es", {"&Archivo", "&Editar", "&Ver", "Ay&uda"}},
    {"fr", {"&Fichier", "É&dition", "Affic&hage", "&Aide"}},
    {"ru", {"&Файл", "&Правка", "&Вид", "&Справка"}},
};

// The shown widgets of window whose text is cut off: narrower than their size hint, or,
// for wrapped text, lower than its width needs. A scroll area scrolls instead.
std::string CutOff(const QWidget& window) {
  std::string cut;
  for (const QWidget* w : window.findChildren<QWidget*>()) {
    const int height = w->hasHeightForWidth() ? w->heightForWidth(w->width()) : 0;
    // A button without text, as a dock's float and close buttons are, cuts nothing off.
    const auto* button = qobject_cast<const QAbstractButton*>(w);
    if (button && button->text().isEmpty())
      continue;
    if (w->isVisible() && !qobject_cast<const QAbstractScrollArea*>(w) &&
        (w->width() < w->sizeHint().width() || w->height() < height)) {
      cut += std::string(w->metaObject()->className()) + " ";
    }
  }
  return cut;
}

class TranslatedApp : public StartedApp, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    language = std::make_unique<UiLanguage>(QStringList{GetParam()});
    ASSERT_EQ(language->Name(), GetParam());
    StartedApp::SetUp();
  }
  // Declared after app, so that the frame goes first.
  std::unique_ptr<UiLanguage> language;
};

TEST_P(TranslatedApp, MenusSpeakTheLanguageAndEachItemHasAMnemonicOfItsOwn) {
  QStringList titles;
  for (const QAction* title : Frame().menuBar()->actions())
    titles << title->text();
  EXPECT_EQ(titles, kMenuTitles.at(GetParam()));

  const std::function<void(const QList<QAction*>&)> check = [&](const QList<QAction*>& items) {
    QString taken;
    for (const QAction* item : items) {
      const qsizetype at = item->text().indexOf(u'&');
      if (item->isSeparator() || at < 0 || at + 1 == item->text().size()) {
        EXPECT_TRUE(item->isSeparator()) << item->text().toStdString() << " has no mnemonic";
        continue;
      }
      const QChar mnemonic = item->text()[at + 1].toLower();
      EXPECT_FALSE(taken.contains(mnemonic)) << item->text().toStdString();
      taken += mnemonic;
      if (item->menu())
        check(item->menu()->actions());
    }
  };
  check(Frame().menuBar()->actions());
}

TEST_P(TranslatedApp, BoxesDialogsAndPanesSpeakTheLanguageWithNoTextCutOff) {
  Frame().Actions().instructions->trigger();
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_FALSE(services.messages[0].text.startsWith("Wendrel is a"));

  QStringList texts;  // the dialogs' titles and Qt's own buttons
  std::string cut;
  app->SetDialogRunner([&](QDialog& dialog) {
    dialog.show();
    texts << dialog.windowTitle();
    for (const QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>()) {
      for (const QAbstractButton* button : box->buttons())
        texts << button->text();
    }
    cut += CutOff(dialog);
    dialog.reject();
  });
  const CMainFrame::Commands commands = Frame().Actions();
  for (QAction* command :
       {commands.about, commands.statistics, commands.generateNumber, commands.moreGames})
    command->trigger();
  for (const char* english :
       {"About Wendrel", "Statistics", "Generate Number", "More Games", "Cancel", "Close"})
    EXPECT_FALSE(texts.contains(english)) << english;
  EXPECT_EQ(cut, "");

  // The file dialog's filter, and a file message with the game file's reason.
  QTemporaryFile notAGame;
  ASSERT_TRUE(notAGame.open());
  notAGame.write("hello");
  notAGame.close();
  services.openFileName = notAGame.fileName();
  commands.fileOpen->trigger();
  EXPECT_FALSE(services.fileFilter.startsWith("Wendrel games"))
      << services.fileFilter.toStdString();
  ASSERT_EQ(services.messages.size(), 2u);
  EXPECT_FALSE(services.messages[1].text.contains("not a Wendrel game"))
      << services.messages[1].text.toStdString();

  View().SetNextSeed(kSeed);
  commands.generate->trigger();
  QStringList panes;
  for (const QLabel* pane : Frame().statusBar()->findChildren<QLabel*>())
    panes << pane->text();
  EXPECT_FALSE(panes.contains("Three Hearts, 15 pieces, puzzle 12345"))
      << panes.join(' ').toStdString();
  EXPECT_EQ(CutOff(Frame()), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedApp, ::testing::Values("de", "es", "fr", "ru"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace

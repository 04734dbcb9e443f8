// The commands that choose, replay and restart a puzzle and that take moves back, as a
// player finds them in the menus.

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <functional>

#include "app/generate_number_dlg.h"
#include "tests/app/started_app.h"

namespace {

class GameCommands : public StartedApp {
 protected:
  void SetUp() override {
    QSettings().clear();
    StartedApp::SetUp();
  }
  void TearDown() override { QSettings().clear(); }

  // Runs Generate Number with the player typing each text in turn and pressing OK, and
  // returns what the dialog showed under the field after each try.
  QStringList GenerateNumber(const QStringList& typed) {
    QStringList shown;
    app->SetDialogRunner([&](QDialog& dialog) {
      dialog.show();
      auto* edit = dialog.findChild<QLineEdit*>();
      for (const QString& text : typed) {
        edit->setText(text);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        if (dialog.isVisible()) {
          for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->isVisible() && !label->buddy())
              shown << label->text();
          }
        }
      }
      if (dialog.isVisible())
        dialog.reject();
    });
    MenuItem("&File", "Generate &Number...")->trigger();
    return shown;
  }
  QString PuzzlePane() const {
    for (QLabel* label : Frame().statusBar()->findChildren<QLabel*>()) {
      if (label->text().contains("puzzle"))
        return label->text();
    }
    return QString();
  }
  QAction* Undo() const { return MenuItem("&Edit", "&Undo"); }
  QAction* Redo() const { return MenuItem("&Edit", "&Redo"); }
  void PressKey(Qt::Key key) { QTest::keyClick(View().viewport(), key); }
};

TEST_F(GameCommands, EveryMenuItemHasAPromptAndTheEditItemsShowTheirKeys) {
  const std::function<void(const QMenu*)> check = [&](const QMenu* menu) {
    for (const QAction* action : menu->actions()) {
      if (action->menu()) {
        check(action->menu());
      } else if (!action->isSeparator()) {
        EXPECT_FALSE(action->statusTip().isEmpty()) << action->text().toStdString();
      }
    }
  };
  for (const QAction* title : Frame().menuBar()->actions())
    check(title->menu());
  EXPECT_EQ(Undo()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_EQ(Redo()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
  EXPECT_EQ(MenuItem("&File", "&Print...")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
}

TEST_F(GameCommands, UndoAndRedoAreEnabledOnlyWhenTheHistoryHasAStep) {
  const auto state = [&] { return std::make_pair(Undo()->isEnabled(), Redo()->isEnabled()); };
  EXPECT_EQ(state(), std::make_pair(false, false));
  View().SetNextSeed(kSeed);
  MenuItem("&File", "&Generate")->trigger();
  EXPECT_EQ(state(), std::make_pair(false, false));
  PressKey(Qt::Key_Tab);
  PressKey(Qt::Key_Right);
  EXPECT_EQ(state(), std::make_pair(true, false));
  Undo()->trigger();
  EXPECT_EQ(state(), std::make_pair(false, true));
  Redo()->trigger();
  EXPECT_EQ(state(), std::make_pair(true, false));
}

TEST_F(GameCommands, GenerateNumberRefusesABadNumberInTheDialogAndMakesAGoodOne) {
  // The same puzzle as --seed 12345 followed by Generate.
  View().SetNextSeed(kSeed);
  View().OnGenerate();
  const std::vector<double> bySeed = Layout(View().Pieces());
  View().SetNextSeed(kOtherSeed);
  View().OnGenerate();

  const QStringList shown = GenerateNumber({"12x", "99999999999", QString::number(kSeed)});
  EXPECT_EQ(shown, QStringList({"seed '12x' is not a whole number",
                                "seed '99999999999' is out of range (-2147483648 to 2147483647)"}));
  EXPECT_EQ(View().Game().Number(), kSeed);
  EXPECT_EQ(Layout(View().Pieces()), bySeed);
  EXPECT_EQ(PuzzlePane(), "Three Hearts, 15 pieces, puzzle 12345");

  // Cancel changes nothing.
  EXPECT_TRUE(GenerateNumber({"abc"}).size() == 1);
  EXPECT_EQ(Layout(View().Pieces()), bySeed);
}

TEST_F(GameCommands, RestartPutsTheScatterBackAndUndoTakesItBack) {
  View().SetNextSeed(kSeed);
  View().OnGenerate();
  const std::vector<double> scattered = Layout(View().Pieces());
  PressKey(Qt::Key_Tab);
  PressKey(Qt::Key_M);
  PressKey(Qt::Key_Down);
  const std::vector<double> played = Layout(View().Pieces());
  ASSERT_NE(played, scattered);

  MenuItem("&File", "&Restart Puzzle")->trigger();
  EXPECT_EQ(Layout(View().Pieces()), scattered);
  Undo()->trigger();
  EXPECT_EQ(Layout(View().Pieces()), played);
}

TEST_F(GameCommands, AShapeChosenInTheMenuCutsTheNextPuzzleAndIsRemembered) {
  const QList<QAction*> shapes = Frame().Actions().shapes;
  ASSERT_EQ(shapes.size(), 4);
  EXPECT_TRUE(shapes[0]->isChecked()) << "Three Hearts is the default";
  View().SetNextSeed(kSeed);
  View().OnGenerate();

  shapes[1]->trigger();  // Heart
  EXPECT_EQ(View().Pieces().PieceCount(), 15) << "the puzzle on the board stays";
  View().SetNextSeed(kSeed);
  View().OnGenerate();
  EXPECT_EQ(View().Pieces().PieceCount(), 9);
  EXPECT_EQ(PuzzlePane(), "Heart, 9 pieces, puzzle 12345");

  // A later run starts with the choice; --shape chooses for its own run only.
  Start({});
  EXPECT_TRUE(Frame().Actions().shapes[1]->isChecked());
  Start({"--shape", "oval"});
  EXPECT_TRUE(Frame().Actions().shapes[3]->isChecked());
  View().OnGenerate();
  EXPECT_EQ(View().Pieces().PieceCount(), 3);
  Start({});
  EXPECT_TRUE(Frame().Actions().shapes[1]->isChecked());
}

}  // namespace

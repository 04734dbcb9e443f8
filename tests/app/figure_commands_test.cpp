// The figure chooser and the figure pane, as a player finds them.

#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "app/my_figures.h"
#include "app/player_settings.h"
#include "io/figure_box.h"
#include "tests/app/started_app.h"
#include "tests/view/mouse_driver.h"
#include "view/figure_pane.h"

namespace {

using wendrel::Shape;

class FigureCommands : public StartedApp {
 protected:
  void SetUp() override {
    QSettings().clear();
    StartedApp::SetUp();
  }
  void TearDown() override { QSettings().clear(); }

  // Opens the chooser from item, lets play act on its grid, and returns the tiles' texts.
  QStringList Choose(QAction* item, const std::function<void(QListWidget&)>& play) {
    QStringList tiles;
    app->SetDialogRunner([&](QDialog& dialog) {
      dialog.show();
      auto& grid = *dialog.findChild<QListWidget*>();
      for (int i = 0; i < grid.count(); ++i)
        tiles << grid.item(i)->text();
      play(grid);
    });
    item->trigger();
    return tiles;
  }
  QAction* ChooseFigure() const { return MenuItem("&File", "Choose &Figure..."); }
  QDockWidget* Dock() const { return Frame().findChild<QDockWidget*>(); }
  QImage Target() const { return Dock()->widget()->grab().toImage(); }
};

TEST_F(FigureCommands, TheChooserShowsEveryFigureWithItsSolvedMarkAndBestTime) {
  SaveSolveStats({"heart", 9}, {.solved = 2, .solvedWithHelp = 1, .bestMs = 125'000});
  SaveSolveStats({"oval", 3}, {.solved = 1, .solvedWithHelp = 1});
  Start({});
  const QStringList tiles =
      Choose(ChooseFigure(), [](QListWidget& grid) { QTest::keyClick(&grid, Qt::Key_Escape); });
  EXPECT_EQ(tiles.mid(0, 4),
            QStringList({"Three Hearts", "Heart\n✓ 2:05", "Cog Wheel", "Oval\n✓"}));
  EXPECT_EQ(tiles.size(), static_cast<qsizetype>(wendrel::KnownFigures().size()))
      << "then the box's";
  EXPECT_FALSE(View().Game().HasPuzzle()) << "Escape chooses nothing";
  EXPECT_EQ(View().NextFigure()->name, "three-hearts");
}

TEST_F(FigureCommands, ReturnStartsAPuzzleOfTheFigureAndUndoTakesItBack) {
  View().SetNextSeed(kSeed);
  View().OnGenerate();
  const std::vector<double> before = Layout(View().Pieces());
  View().SetNextSeed(kSeed);
  Choose(ChooseFigure(), [](QListWidget& grid) {
    QTest::keyClick(&grid, Qt::Key_Home);
    QTest::keyClick(&grid, Qt::Key_Right);
    QTest::keyClick(&grid, Qt::Key_Right);
    QTest::keyClick(&grid, Qt::Key_Return);
  });
  EXPECT_EQ(View().Game().PuzzleFigure().name, "cog-wheel");
  EXPECT_TRUE(Frame().Actions().shapes[2]->isChecked());
  EXPECT_EQ(SavedFigureName(), "cog-wheel");

  MenuItem("&Edit", "&Undo")->trigger();
  EXPECT_EQ(View().Game().PuzzleFigure().name, "three-hearts");
  EXPECT_EQ(Layout(View().Pieces()), before);
}

TEST_F(FigureCommands, ADoubleClickInTheShapeMenusChooserChoosesTheTile) {
  QAction* more = MenuItem("&File", "S&hape")->menu()->actions().last();
  Choose(more, [](QListWidget& grid) {
    MouseDriver(grid.viewport())
        .DoubleClick(Qt::LeftButton, grid.visualItemRect(grid.item(1)).center());
  });
  EXPECT_EQ(View().Game().PuzzleFigure().name, "heart");
}

TEST_F(FigureCommands, ThePaneShowsTheNextFigureUntilAPuzzleIsOnTheBoard) {
  ASSERT_TRUE(Dock()->isVisible());
  EXPECT_FALSE(Dock()->geometry().intersects(View().geometry()));
  Frame().Actions().shapes[3]->trigger();
  const QImage oval = Target();
  Frame().Actions().shapes[1]->trigger();
  const QImage heart = Target();
  EXPECT_NE(heart, oval);

  View().OnGenerate();
  Frame().Actions().shapes[3]->trigger();
  EXPECT_EQ(Target(), heart) << "the puzzle on the board is a heart";
  View().OnGenerate();
  EXPECT_EQ(Target(), oval);
}

TEST_F(FigureCommands, HidingThePaneIsRememberedAndThePaneAddsToThePlayAreasSize) {
  const QSize withPane = View().viewport()->size();
  const int windowWithPane = Frame().width();
  MenuItem("&View", "Figure Out&line")->trigger();
  EXPECT_FALSE(Dock()->isVisible());

  Start({});
  EXPECT_FALSE(Dock()->isVisible());
  EXPECT_FALSE(MenuItem("&View", "Figure Out&line")->isChecked());
  EXPECT_EQ(View().viewport()->size(), withPane);
  EXPECT_LT(Frame().width(), windowWithPane);
}

}  // namespace

namespace {

class OwnFigures : public FigureCommands {
 protected:
  void TearDown() override {
    QDir(MyFigures::DefaultFolder()).removeRecursively();
    FigureCommands::TearDown();
  }
  QString Write(const QString& name, const QByteArray& text) {
    const QString path = files.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
  }
  QTemporaryDir files;
};

TEST_F(OwnFigures, AFigureFileBecomesYourOwnARefusedOneChangesNothingAndABrokenCopyIsSetAside) {
  QAction* open = MenuItem("&File", "Open F&igure...");
  services.openFileName = Write("bow.wendrel-figure", R"({"format": "wendrel-figure",
    "formatVersion": 1, "name": "Bow", "outline": [[0, 0], [9, 9], [9, 0], [0, 9]]})");
  open->trigger();
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text,
            "Cannot open bow.wendrel-figure: outline has sides 0 and 2 that cross");
  EXPECT_FALSE(View().Game().HasPuzzle());
  EXPECT_FALSE(QDir(MyFigures::DefaultFolder()).exists());

  services.openFileName = Write("Tile.wendrel-figure", R"({"format": "wendrel-figure",
    "formatVersion": 1, "name": "Tile", "outline": [[0, 0], [9, 0], [9, 9], [0, 9]]})");
  open->trigger();
  EXPECT_EQ(View().Game().PuzzleFigure().name, "tile");
  EXPECT_EQ(SavedFigureName(), "tile");
  EXPECT_TRUE(QFile::exists(MyFigures::DefaultFolder() + "/tile.wendrel-figure"));

  QFile junk(MyFigures::DefaultFolder() + "/junk.wendrel-figure");
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("{");
  junk.close();
  services.messages.clear();
  Start({});
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_TRUE(
      services.messages[0].text.contains("junk.wendrel-figure: it is not a Wendrel figure"));
  EXPECT_TRUE(QFile::exists(MyFigures::DefaultFolder() + "/unreadable/junk.wendrel-figure"));
  EXPECT_EQ(View().NextFigure()->name, "tile") << "the player's figure is still the choice";
}

}  // namespace

namespace {

// Statistics kept per shape before there were piece counts are those of the shape's own.
TEST_F(FigureCommands, StatisticsOfAShapeFromBeforePieceCountsCarryOverToItsOwnCount) {
  QSettings().setValue("Statistics/oval/Solved", 2);
  QSettings().setValue("Statistics/oval/BestMs", 61'000);
  EXPECT_EQ(SavedSolveStats({"oval", 3}).solved, 2);
  EXPECT_EQ(SavedSolveStats({"oval", 5}).solved, 0);
  EXPECT_EQ(SavedSolveKinds(), (std::vector<wendrel::PuzzleKind>{{"oval", 3}}));

  wendrel::SolveStats stats = SavedSolveStats({"oval", 3});
  stats.Add(30'000, false);
  SaveSolveStats({"oval", 3}, stats);
  EXPECT_FALSE(QSettings().contains("Statistics/oval/Solved")) << "moved, not copied";
  EXPECT_EQ(SavedSolveStats({"oval", 3}).solved, 3);
  EXPECT_EQ(SavedSolveStats({"oval", 3}).bestMs, 30'000);
}

}  // namespace

// View > Pause and View > Full Screen, and the window kept as it was for the next start.

#include <QSettings>
#include <QTest>
#include <functional>

#include "assembly/piece_colour.h"
#include "tests/app/started_app.h"
#include "tests/view/mouse_driver.h"
#include "tests/view/puzzle_moves.h"

namespace {

class WindowCommands : public StartedApp {
 protected:
  // The window kept for the next start must not reach the tests after these.
  void TearDown() override { QSettings().clear(); }
  void Key(Qt::Key key) const { QTest::keyClick(&View(), key); }
  bool ShowsAPiece() const {
    const QImage picture = View().viewport()->grab().toImage();
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        for (const wendrel::Rgb& c : wendrel::kPieceColours)
          if (picture.pixel(x, y) == qRgb(c.r, c.g, c.b))
            return true;
    return false;
  }
};

TEST_F(WindowCommands, PHidesTheBoardAndStopsTheClockUntilPAClickOrACommandEndsIt) {
  View().SetNextSeed(kSeed);
  View().OnGenerate();
  Key(Qt::Key_Tab);           // a group that R would turn
  Key(Qt::Key_R);             // the first move starts the clock
  std::vector<QPoint> piece;  // a point on a group that the window shows
  for (int g = 0; g < View().Pieces().GroupCount() && piece.empty(); ++g)
    piece = GrabPoints(View().Pieces(), g, View().viewport()->rect());
  const std::pair<QString, std::function<void()>> ways[] = {
      {"P", [&] { Key(Qt::Key_P); }},
      {"a click", [&] { MouseDriver(View().viewport()).DoubleClick(Qt::LeftButton, piece.at(0)); }},
      {"Undo", [&] { MenuItem("&Edit", "&Undo")->trigger(); }}};
  for (const auto& [way, endPause] : ways) {
    Key(Qt::Key_P);
    EXPECT_TRUE(View().IsPaused() && MenuItem("&View", "&Pause")->isChecked() && !ShowsAPiece());
    const std::vector<double> layout = Layout(View().Pieces());
    const std::int64_t ms = View().PlayingMs();
    Frame().setWindowState(Qt::WindowMinimized);
    Frame().setWindowState(Qt::WindowNoState);  // which ends the minimising alone
    QTest::qWait(30);
    Key(Qt::Key_R);
    EXPECT_EQ(View().PlayingMs(), ms);
    endPause();
    EXPECT_EQ(Layout(View().Pieces()) == layout, way != "Undo") << "only Undo plays";
    EXPECT_FALSE(View().IsPaused() || MenuItem("&View", "&Pause")->isChecked() || !ShowsAPiece());
    QTest::qWait(30);
    EXPECT_GT(View().PlayingMs(), ms);
  }
}

TEST_F(WindowCommands, F11TogglesFullScreenAndTheWindowComesBackAsItWas) {
  const QSize smaller = Frame().size() - QSize(100, 80);
  Frame().resize(smaller);
  ToolBar()->hide();
  QGuiApplication::setQuitOnLastWindowClosed(false);
  for (const bool fullScreen : {false, true}) {
    Frame().close();
    app.reset();
    Start({});
    EXPECT_TRUE(Frame().isFullScreen() == fullScreen && ToolBar()->isHidden());
    EXPECT_EQ(Frame().normalGeometry().size(), smaller);
    Key(Qt::Key_F11);
    EXPECT_TRUE(Frame().isFullScreen() != fullScreen &&
                MenuItem("&View", "&Full Screen")->isChecked() != fullScreen);
  }
  QGuiApplication::setQuitOnLastWindowClosed(true);
}

}  // namespace

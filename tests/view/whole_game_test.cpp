#include <gtest/gtest.h>

#include "tests/view/mouse_driver.h"
#include "tests/view/puzzle_moves.h"
#include "tests/view/puzzle_player.h"
#include "tests/view/view_under_test.h"

namespace {

class WholeGameTest : public ViewTest {
 protected:
  // Plays until one group is left; false if the player got stuck.
  bool PlayToTheEnd(MouseDriver& mouse) {
    PuzzlePlayer player(*view, mouse);
    for (int step = 0; step < 300 && view->Pieces().GroupCount() > 1; ++step) {
      if (!player.Step())
        return false;
    }
    return view->Pieces().GroupCount() == 1;
  }
};

TEST_F(WholeGameTest, AGeneratedPuzzlePlayedWithTheMouseEndsWithCongratulations) {
  Generate(kSeed);
  MouseDriver mouse(view->viewport());
  ASSERT_TRUE(PlayToTheEnd(mouse)) << view->Pieces().GroupCount() << " groups left";

  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text, QStringLiteral("Congratulations!"));
  EXPECT_EQ(services.messages[0].caption, QStringLiteral("Wendrel"));
  EXPECT_EQ(services.messages[0].icon, UserServices::Icon::None);
  EXPECT_EQ(view->Dragging(), 0);
  ExpectPictureShowsModel();
}

TEST_F(WholeGameTest, ADropAfterTheLastJoinSaysNothingMore) {
  Generate(kSeed + 7);
  MouseDriver mouse(view->viewport());
  ASSERT_TRUE(PlayToTheEnd(mouse));
  ASSERT_EQ(services.messages.size(), 1u);

  const std::vector<QPoint> points =
      GrabPoints(view->Pieces(), 0, QRect(QPoint(0, 0), view->viewport()->size()));
  ASSERT_FALSE(points.empty());
  mouse.Drag(points.front(), points.front() + QPoint(5, 5));
  mouse.Drag(points.front() + QPoint(5, 5), points.front());

  EXPECT_EQ(view->Pieces().GroupCount(), 1);
  EXPECT_EQ(services.messages.size(), 1u);
}

}  // namespace

#include <gtest/gtest.h>

#include <QTest>

#include "tests/view/mouse_driver.h"
#include "tests/view/puzzle_moves.h"
#include "tests/view/view_under_test.h"

namespace {

class WindowSurfaceTest : public ViewTest {};

void ExpectGetDCFailure(const RecordingUserServices::Message& message) {
  EXPECT_EQ(message.text, QStringLiteral("Internal Error - GetDC() failed"));
  EXPECT_EQ(message.caption, QStringLiteral("Wendrel"));
  EXPECT_EQ(message.icon, UserServices::Icon::None);
}

TEST_F(WindowSurfaceTest, MovesOverAShownViewSayNothing) {
  MouseDriver mouse(view->viewport());
  mouse.Move(QPoint(100, 100));
  mouse.Move(QPoint(120, 110));
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(WindowSurfaceTest, EachMoveWithoutAWindowSurfaceSaysSoAndTheDragStaysOpen) {
  Generate(kSeed);
  MouseDriver mouse(view->viewport());
  const std::vector<QPoint> points =
      GrabPoints(view->Pieces(), 3, QRect(QPoint(0, 0), view->viewport()->size()));
  ASSERT_FALSE(points.empty());
  mouse.Press(Qt::LeftButton, points.front());
  ASSERT_EQ(view->Dragging(), 1);

  view->hide();
  mouse.Move(points.front() + QPoint(10, 0));
  mouse.Move(points.front() + QPoint(20, 0));

  ASSERT_EQ(services.messages.size(), 2u);
  ExpectGetDCFailure(services.messages[0]);
  ExpectGetDCFailure(services.messages[1]);
  EXPECT_EQ(view->Dragging(), 1);

  // Shown again, the drag goes on where it was.
  view->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  mouse.Move(points.front() + QPoint(30, 0));
  EXPECT_EQ(services.messages.size(), 2u);
  EXPECT_EQ(view->Dragging(), 1);
}

TEST_F(WindowSurfaceTest, AViewNeverShownHasNoWindowSurfaceEvenWhenIdle) {
  RecordingUserServices hidden;
  ViewUnderTest never(hidden);
  never.OnInitialUpdate();
  MouseDriver mouse(never.viewport());
  mouse.Move(QPoint(10, 10));
  ASSERT_EQ(hidden.messages.size(), 1u);
  ExpectGetDCFailure(hidden.messages[0]);
  EXPECT_EQ(never.Dragging(), 0);
}

}  // namespace

#include <gtest/gtest.h>

#include <ctime>

#include "tests/view/view_under_test.h"

using wendrel::PieceSet;

namespace {

class GenerateTest : public ViewTest {};

// Every current vertex of every placed triangle, in order.
std::vector<double> Vertices(const PieceSet& pieces) {
  std::vector<double> v;
  for (int t = 0; t < pieces.PlacedCount(); ++t) {
    const wendrel::Triangle& tri = pieces.Placed(t);
    v.insert(v.end(), {tri.a.x, tri.a.y, tri.b.x, tri.b.y, tri.c.x, tri.c.y});
  }
  return v;
}

TEST_F(GenerateTest, ToolbarAndMenuCommandsGiveTheSamePuzzleForTheSameSeed) {
  view->SetNextSeed(kSeed);
  view->OnGenerate();
  const QImage fromToolbar = Picture();
  const std::vector<double> toolbarVertices = Vertices(view->Pieces());

  view->SetNextSeed(kSeed + 1);
  view->OnFileGenerate();
  const QImage otherSeed = Picture();
  view->SetNextSeed(kSeed);
  view->OnFileGenerate();

  EXPECT_EQ(view->Seed(), kSeed);
  EXPECT_EQ(Vertices(view->Pieces()), toolbarVertices);
  EXPECT_EQ(Picture(), fromToolbar);
  EXPECT_NE(otherSeed, fromToolbar);
}

TEST_F(GenerateTest, SuccessPlacesFifteenSingleGroupsAndSaysNothing) {
  Generate(kSeed);
  EXPECT_EQ(view->Seed(), kSeed);
  EXPECT_EQ(view->Pieces().PieceCount(), 15);
  EXPECT_EQ(view->Pieces().GroupCount(), 15);
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(GenerateTest, AGivenSeedIsUsedOnceAndThenTheClock) {
  Generate(kSeed);
  const std::time_t before = std::time(nullptr);
  view->OnGenerate();
  const std::time_t after = std::time(nullptr);
  EXPECT_GE(view->Seed(), static_cast<std::int32_t>(before));
  EXPECT_LE(view->Seed(), static_cast<std::int32_t>(after));
}

TEST_F(GenerateTest, AFailureShowsTheSeedUnderErrorAndKeepsThePuzzle) {
  Generate(kSeed);
  const QImage before = Picture();
  const std::vector<double> vertices = Vertices(view->Pieces());

  Generate(kFailingSeed);

  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text,
            QStringLiteral("Puzzle creation failed.  Please try again.  \n\r3752"));
  EXPECT_EQ(services.messages[0].caption, QStringLiteral("Error"));
  EXPECT_EQ(services.messages[0].icon, UserServices::Icon::Stop);
  EXPECT_EQ(view->Seed(), kFailingSeed);
  EXPECT_EQ(Vertices(view->Pieces()), vertices);
  EXPECT_EQ(view->Pieces().GroupCount(), 15);
  EXPECT_EQ(Picture(), before);
}

TEST_F(GenerateTest, AFailureBeforeAnyPuzzleLeavesTheViewEmpty) {
  const QImage empty = Picture();
  Generate(kFailingSeed);
  EXPECT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(view->Pieces().GroupCount(), 0);
  EXPECT_EQ(Picture(), empty);
}

TEST_F(GenerateTest, ANegativeSeedIsShownWithItsSign) {
  Generate(-3139);  // a clock before 1970; this one fails
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text,
            QStringLiteral("Puzzle creation failed.  Please try again.  \n\r-3139"));
}

TEST_F(GenerateTest, AGenerateDuringAGameReplacesThePiecesAndRepaintsAtOnce) {
  Generate(kSeed);
  const QImage first = Picture();
  PaintCounter paints(view->viewport());
  Generate(kSeed + 1);
  // Painted before the command returns, without a turn of the event loop.
  EXPECT_EQ(paints.count, 1);
  EXPECT_NE(Picture(), first);
  EXPECT_EQ(view->Pieces().GroupCount(), 15);
}

}  // namespace

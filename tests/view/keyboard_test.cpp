// Keyboard play and undo in the real view: the keys sent as the platform sends them to
// the focused view, the pictures grabbed from its window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>

#include "assembly/group_order.h"
#include "assembly/logical_mapping.h"
#include "tests/view/mouse_driver.h"
#include "tests/view/puzzle_moves.h"
#include "tests/view/view_under_test.h"
#include "view/piece_painter.h"

using wendrel::DPoint;
using wendrel::PieceSet;

namespace {

std::vector<wendrel::Triangle> Placed(const PieceSet& pieces) {
  std::vector<wendrel::Triangle> placed;
  for (int t = 0; t < pieces.PlacedCount(); ++t)
    placed.push_back(pieces.Placed(t));
  return placed;
}

// Whether logical point p lies within 3 units of a side of one of the triangles.
bool NearASide(const PieceSet& pieces, const std::vector<int>& triangles, QPoint p) {
  const auto near = [&](QPoint a, QPoint b) {
    const QPointF ab = b - a, ap = p - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t = length2 == 0 ? 0 : std::clamp(QPointF::dotProduct(ap, ab) / length2, 0.0, 1.0);
    const QPointF d = ap - t * ab;
    return QPointF::dotProduct(d, d) <= 9.0;
  };
  for (const int t : triangles) {
    const wendrel::Triangle& placed = pieces.Placed(t);
    const QPoint a = ModelToLogical(placed.a), b = ModelToLogical(placed.b),
                 c = ModelToLogical(placed.c);
    if (near(a, b) || near(b, c) || near(c, a))
      return true;
  }
  return false;
}

class KeyboardTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    Generate(kSeed);
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(view.get(), key, modifiers);
  }
  // The pieces of the selected group, or none.
  std::vector<int> Selected() const {
    const int g = view->SelectedGroup();
    if (g < 0)
      return {};
    const wendrel::PieceGroup& group = view->Pieces().Group(g);
    return std::vector<int>(group.pieces, group.pieces + group.count);
  }
  // What the view must show for pieces with nothing selected, drawn by the same painter.
  QImage Expected(const PieceSet& pieces) const {
    QImage image(Picture().size(), QImage::Format_RGB32);
    image.fill(view->viewport()->palette().color(QPalette::Base));
    QPainter dc(&image);
    dc.translate(-ScrollPosition());
    PiecePainter painter(dc);
    for (int g = pieces.GroupCount() - 1; g >= 0; --g)
      painter.DrawGroup(pieces, g);
    return image;
  }
  // Tab until the group holding piece is selected.
  void SelectGroupOf(int piece) {
    for (int i = 0; i < 20 && view->SelectedGroup() != GroupOf(view->Pieces(), piece); ++i)
      Key(Qt::Key_Tab);
    ASSERT_EQ(view->SelectedGroup(), GroupOf(view->Pieces(), piece));
  }
  // Mirrors and turns the selected group like the group holding piece, the shorter way
  // round: R turns clockwise on the screen, which is down the steps unless mirrored.
  void OrientLike(int piece) {
    const PieceSet& pieces = view->Pieces();
    // A copy: every key that changes a group reorders the table.
    const wendrel::PieceGroup target = pieces.Group(GroupOf(pieces, piece));
    if (pieces.Group(view->SelectedGroup()).flipped != target.flipped)
      Key(Qt::Key_M);
    const wendrel::PieceGroup& moving = pieces.Group(view->SelectedGroup());
    const int clockwise = moving.flipped ? (target.rotation - moving.rotation + 12) % 12
                                         : (moving.rotation - target.rotation + 12) % 12;
    for (int i = 0; i < clockwise && clockwise <= 6; ++i)
      Key(Qt::Key_R);
    for (int i = 0; i < 12 - clockwise && clockwise > 6; ++i) {
      Key(Qt::Key_R, Qt::ShiftModifier);
      ++turnsBack;
    }
  }
  // Moves the selected group by (dx, dy) model units with the arrows, tens first, and
  // stops at the first join. The two directions take turns, so that the group goes the
  // straight way and stays in reach, where every move must leave it.
  void MoveBy(int dx, int dy) {
    const int groups = view->Pieces().GroupCount();
    const auto press = [&](int& left, Qt::Key plus, Qt::Key minus, int step) {
      if (std::abs(left) < step || view->Pieces().GroupCount() != groups)
        return false;
      Key(left > 0 ? plus : minus, step == 1 ? Qt::ShiftModifier : Qt::NoModifier);
      left -= left > 0 ? step : -step;
      return true;
    };
    for (const int step : {10, 1}) {
      while (press(dx, Qt::Key_Right, Qt::Key_Left, step) |
             press(dy, Qt::Key_Up, Qt::Key_Down, step)) {
      }
    }
  }
  // Brings a neighbour of the group holding piece 0 into place with the keys alone.
  void JoinANeighbour() {
    const PieceSet& pieces = view->Pieces();
    const int anchor = GroupOf(pieces, 0);
    int neighbour = -1;
    for (int g = 0; g < pieces.GroupCount() && neighbour < 0; ++g) {
      if (g != anchor && GroupsAdjacent(pieces, anchor, g))
        neighbour = g;
    }
    ASSERT_GE(neighbour, 0);
    const int piece = pieces.Group(neighbour).pieces[0];
    SelectGroupOf(piece);
    OrientLike(0);
    const DPoint shift = SolvedDisplacement(pieces, GroupOf(pieces, piece), GroupOf(pieces, 0));
    const int groups = pieces.GroupCount();
    MoveBy(static_cast<int>(std::lround(shift.x)), static_cast<int>(std::lround(shift.y)));
    ASSERT_EQ(pieces.GroupCount(), groups - 1) << "no join";
    // The joined group stays selected.
    EXPECT_EQ(view->SelectedGroup(), GroupOf(pieces, piece));
  }

  int turnsBack = 0;
};

TEST_F(KeyboardTest, AWholePuzzleIsSolvedWithTheKeysAloneAndCongratulated) {
  ASSERT_TRUE(view->hasFocus());
  for (int join = 0; join < 20 && view->Pieces().GroupCount() > 1; ++join) {
    JoinANeighbour();
    if (HasFatalFailure())
      return;
  }
  EXPECT_EQ(view->Pieces().GroupCount(), 1);
  EXPECT_GT(turnsBack, 0) << "the game should have needed Shift+R too";
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text, QStringLiteral("Congratulations!"));
  EXPECT_EQ(services.messages[0].caption, QStringLiteral("Wendrel"));

  // Undoing the solving drop unsolves it; solving it again says so again.
  view->OnEditUndo();
  ASSERT_EQ(view->Pieces().GroupCount(), 2);
  JoinANeighbour();
  ASSERT_EQ(services.messages.size(), 2u);
  EXPECT_EQ(services.messages[1].text, QStringLiteral("Congratulations!"));
}

TEST_F(KeyboardTest, ThreeStepsRightMoveTheGroupThirtyUnitsAndThreeUndosTakeThemBack) {
  const QImage scattered = Picture();
  PieceSet moved = view->Pieces();
  moved.Groups().RaiseToFront(GroupOf(moved, 0));
  moved.MoveGroup(0, 30, 0);

  Key(Qt::Key_Tab);
  for (int i = 0; i < 3; ++i)
    Key(Qt::Key_Right);
  Key(Qt::Key_Escape);

  ASSERT_EQ(view->Pieces().GroupCount(), 15) << "the seed should join nothing here";
  EXPECT_TRUE(Picture() == Expected(moved));
  for (int i = 0; i < 3; ++i)
    view->OnEditUndo();
  EXPECT_TRUE(Picture() == scattered);
  // Nothing more to undo; redo goes forward one step at a time.
  view->OnEditUndo();
  EXPECT_TRUE(Picture() == scattered);
  view->OnEditRedo();
  EXPECT_EQ(view->Pieces().Group(0).position.x, moved.Group(0).position.x - 20);
}

TEST_F(KeyboardTest, TabWalksTheGroupsByLowestPieceAndSelectingChangesNothing) {
  const std::vector<wendrel::Triangle> before = Placed(view->Pieces());
  const int front = view->Pieces().Group(0).pieces[0];
  EXPECT_TRUE(Selected().empty());
  for (int piece = 0; piece < 15; ++piece) {
    Key(Qt::Key_Tab);
    EXPECT_EQ(Selected(), std::vector<int>{piece});
  }
  Key(Qt::Key_Tab);
  EXPECT_EQ(Selected(), std::vector<int>{0}) << "round from the last to the first";
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), std::vector<int>{14});
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), std::vector<int>{13});
  Key(Qt::Key_Escape);
  EXPECT_TRUE(Selected().empty());
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), std::vector<int>{14}) << "backwards from none starts at the end";

  EXPECT_EQ(view->Pieces().Group(0).pieces[0], front) << "selecting raised a group";
  view->OnEditUndo();
  EXPECT_TRUE(Placed(view->Pieces()) == before) << "selecting was recorded";
  EXPECT_TRUE(view->hasFocus());
}

TEST_F(KeyboardTest, TabStaysInTheViewAmongOtherWidgets) {
  view.reset();
  QWidget window;
  auto* layout = new QHBoxLayout(&window);
  auto* before = new QLineEdit(&window);
  auto* inView = new ViewUnderTest(services, &window);
  auto* after = new QLineEdit(&window);
  layout->addWidget(before);
  layout->addWidget(inView);
  layout->addWidget(after);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  inView->OnInitialUpdate();
  inView->SetNextSeed(kSeed);
  inView->OnGenerate();
  inView->setFocus();
  ASSERT_TRUE(inView->hasFocus());

  QTest::keyClick(inView, Qt::Key_Tab);
  QTest::keyClick(inView, Qt::Key_Backtab, Qt::ShiftModifier);
  QTest::keyClick(inView, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(inView->hasFocus());
  EXPECT_EQ(inView->SelectedGroup(), GroupOf(inView->Pieces(), 13));
}

TEST_F(KeyboardTest, ArrowsDropTheGroupAStepAwayUpBeingUpOnTheScreen) {
  const int back = view->Pieces().GroupCount() - 1;
  const int piece = view->Pieces().Group(back).pieces[0];
  SelectGroupOf(piece);
  const DPoint start = view->Pieces().Group(view->SelectedGroup()).position;
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    DPoint move;
  } steps[] = {{Qt::Key_Right, Qt::NoModifier, {10, 0}},
               {Qt::Key_Up, Qt::NoModifier, {0, 10}},
               {Qt::Key_Left, Qt::ShiftModifier, {-1, 0}},
               {Qt::Key_Down, Qt::ShiftModifier, {0, -1}},
               {Qt::Key_Down, Qt::KeypadModifier, {0, -10}}};
  DPoint expected = start;
  for (const auto& step : steps) {
    Key(step.key, step.modifiers);
    expected = DPoint{expected.x + step.move.x, expected.y + step.move.y};
    ASSERT_EQ(view->SelectedGroup(), 0) << "a drop raises the group to the front";
    EXPECT_EQ(view->Pieces().Group(0).pieces[0], piece);
    EXPECT_EQ(view->Pieces().Group(0).position.x, expected.x);
    EXPECT_EQ(view->Pieces().Group(0).position.y, expected.y);
  }
  ExpectPictureShowsModel();
  // Each press is one step, and the first undone gives back the order too.
  for (int i = 0; i < 5; ++i)
    view->OnEditUndo();
  EXPECT_EQ(view->Pieces().Group(back).pieces[0], piece);
  EXPECT_EQ(view->Pieces().Group(back).position.x, start.x);
  EXPECT_EQ(view->Pieces().Group(back).position.y, start.y);
}

TEST_F(KeyboardTest, RTurnsAsARightClickShiftRTurnsBackAndMMirrors) {
  for (const int flipped : {0, 1}) {
    int g = 0;
    while (view->Pieces().Group(g).flipped != flipped)
      ++g;
    const int piece = view->Pieces().Group(g).pieces[0];
    // The same turn by the mouse, on a copy of the pieces.
    PieceSet mouse = view->Pieces();
    mouse.Groups().RaiseToFront(g);
    mouse.RotateGroup(0);
    mouse.KeepOnSurface(0, PieceSet::kSurfaceArea);

    SelectGroupOf(piece);
    const std::vector<wendrel::Triangle> before = Placed(view->Pieces());
    const int rotation = view->Pieces().Group(g).rotation;
    Key(Qt::Key_R);
    EXPECT_EQ(view->Pieces().Group(0).pieces[0], piece);
    EXPECT_TRUE(Placed(view->Pieces()) == Placed(mouse)) << "flipped " << flipped;
    Key(Qt::Key_R, Qt::ShiftModifier);
    EXPECT_EQ(view->Pieces().Group(0).rotation, rotation);
    Key(Qt::Key_M);
    EXPECT_EQ(view->Pieces().Group(0).flipped, 1 - flipped);
    Key(Qt::Key_M);
    // Turned and turned back, mirrored twice: where it was, raised to the front.
    EXPECT_TRUE(Placed(view->Pieces()) == before) << "flipped " << flipped;
    ExpectPictureShowsModel();
  }
}

TEST_F(KeyboardTest, TheSelectedGroupShowsADashedOutlineInTheHighlightColourOnAnyPalette) {
  for (const QColor base : {QColor(Qt::white), QColor(45, 45, 45)}) {
    QPalette palette = view->viewport()->palette();
    palette.setColor(QPalette::Base, base);
    view->setPalette(palette);
    view->viewport()->setPalette(palette);
    const QImage plain = Picture();
    const QRgb highlight = view->viewport()->palette().color(QPalette::Highlight).rgb();

    Key(Qt::Key_Tab);
    const QImage cued = Picture();
    // The cue lies on the selected group's sides only, and there is much of it.
    int changed = 0, highlighted = 0, astray = 0;
    const std::vector<int> triangles = TrianglesOf(view->Pieces(), view->SelectedGroup());
    for (int y = 0; y < cued.height(); ++y) {
      for (int x = 0; x < cued.width(); ++x) {
        if (cued.pixel(x, y) == plain.pixel(x, y))
          continue;
        ++changed;
        highlighted += cued.pixel(x, y) == highlight ? 1 : 0;
        astray += NearASide(view->Pieces(), triangles, QPoint(x, y) + ScrollPosition()) ? 0 : 1;
      }
    }
    EXPECT_GT(highlighted, 100) << "base " << base.name().toStdString();
    EXPECT_GT(changed, highlighted) << "a dashed line, over a line of another colour";
    EXPECT_EQ(astray, 0);

    Key(Qt::Key_Escape);
    EXPECT_TRUE(Picture() == plain);
  }
}

TEST_F(KeyboardTest, AMousePressClearsTheSelectionAndTakesTheFocus) {
  MouseDriver mouse(view->viewport());
  const QImage plain = Picture();
  Key(Qt::Key_Tab);
  view->clearFocus();
  mouse.Click(Qt::LeftButton, QPoint(3, 3));  // empty space
  EXPECT_TRUE(view->hasFocus());
  EXPECT_EQ(view->SelectedGroup(), -1);
  EXPECT_TRUE(Picture() == plain);
  // With nothing selected the keys of a group do nothing.
  const std::vector<wendrel::Triangle> before = Placed(view->Pieces());
  for (const Qt::Key key : {Qt::Key_R, Qt::Key_M, Qt::Key_Right})
    Key(key);
  EXPECT_TRUE(Placed(view->Pieces()) == before);
}

TEST_F(KeyboardTest, DuringADragNeitherUndoRedoNorAnyKeyActs) {
  MouseDriver mouse(view->viewport());
  const std::vector<QPoint> points =
      GrabPoints(view->Pieces(), 2, QRect(QPoint(0, 0), view->viewport()->size()), 3);
  ASSERT_FALSE(points.empty());
  // Two turns, one taken back: there is something to undo and something to redo.
  mouse.Click(Qt::RightButton, points.front());
  mouse.Click(Qt::RightButton, points.front());
  view->OnEditUndo();
  const std::vector<wendrel::Triangle> before = Placed(view->Pieces());

  mouse.Press(Qt::LeftButton, points.front());
  ASSERT_EQ(view->Dragging(), 1);
  const std::vector<wendrel::Triangle> grabbed = Placed(view->Pieces());
  view->OnEditUndo();
  view->OnEditRedo();
  for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Right, Qt::Key_R, Qt::Key_M})
    Key(key);
  EXPECT_TRUE(Placed(view->Pieces()) == grabbed);
  EXPECT_EQ(view->SelectedGroup(), -1);
  mouse.Move(points.front() + QPoint(40, 0));
  mouse.Release(Qt::LeftButton, points.front() + QPoint(40, 0));
  EXPECT_EQ(view->Dragging(), 0);

  // The drop is one step, and the turn undone before it is forgotten.
  const std::vector<wendrel::Triangle> dropped = Placed(view->Pieces());
  ASSERT_FALSE(dropped == grabbed);
  view->OnEditUndo();
  EXPECT_TRUE(Placed(view->Pieces()) == before);
  view->OnEditRedo();
  EXPECT_TRUE(Placed(view->Pieces()) == dropped);
  view->OnEditRedo();
  EXPECT_TRUE(Placed(view->Pieces()) == dropped);
}

TEST_F(KeyboardTest, AfterMixedPlayByMouseAndKeysUndoingEverythingGivesBackTheScatter) {
  const QImage scattered = Picture();
  MouseDriver mouse(view->viewport());
  std::mt19937 random(kSeed);
  const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  const QSize size = view->viewport()->size();
  const auto anywhere = [&] { return QPoint(below(size.width()), below(size.height())); };
  const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_Left, Qt::Key_Right,
                          Qt::Key_Up,  Qt::Key_Down,    Qt::Key_R,      Qt::Key_M};
  int undos = 0;
  for (int i = 0; i < 600; ++i) {
    switch (below(8)) {
      case 0:
        mouse.Drag(anywhere(), anywhere());
        break;
      case 1:
        mouse.Click(Qt::RightButton, anywhere());
        break;
      case 2:
        mouse.DoubleClick(Qt::LeftButton, anywhere());
        break;
      case 3:
        view->OnEditUndo();
        ++undos;
        break;
      case 4:
        view->OnEditRedo();
        break;
      default:
        Key(keys[below(9)], below(3) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
        break;
    }
    ASSERT_EQ(view->Dragging(), 0);
  }
  ExpectPictureShowsModel();
  EXPECT_GT(undos, 0);
  for (int i = 0; i < 600; ++i)
    view->OnEditUndo();
  EXPECT_EQ(view->Pieces().GroupCount(), 15);
  Key(Qt::Key_Escape);
  EXPECT_TRUE(Picture() == scattered);
}

TEST_F(KeyboardTest, ASuccessfulGenerateIsAStepThatUndoTakesBackAndAFailedOneIsNone) {
  const std::vector<wendrel::Triangle> scattered = Placed(view->Pieces());
  Key(Qt::Key_Tab);
  Key(Qt::Key_Right);
  Generate(kFailingSeed);
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_FALSE(Placed(view->Pieces()) == scattered);
  view->OnEditUndo();
  EXPECT_TRUE(Placed(view->Pieces()) == scattered);

  Generate(kSeed + 1);
  const std::vector<wendrel::Triangle> fresh = Placed(view->Pieces());
  EXPECT_EQ(view->SelectedGroup(), -1);
  view->OnEditUndo();
  EXPECT_TRUE(Placed(view->Pieces()) == scattered);
  view->OnEditRedo();
  EXPECT_TRUE(Placed(view->Pieces()) == fresh);
}

// Every shape the player can choose is solved with the keys alone.
class ShapeKeyboardTest : public KeyboardTest,
                          public ::testing::WithParamInterface<wendrel::Shape> {};

TEST_P(ShapeKeyboardTest, ThePuzzleIsSolvedWithTheKeysAlone) {
  // The joins below bring each neighbour straight to piece 0, so the figure built about it
  // must lie wholly in view. Three Hearts' grid lies well inside the surface; the other
  // figures' pieces are spread to the borders, so they get a large window and piece 0 is
  // first taken to its middle.
  const bool spread = GetParam() != wendrel::Shape::kThreeHearts;
  if (spread)
    ResizeViewport(QSize(1900, 1150));
  view->SetShape(GetParam());
  Generate(kSeed);
  ASSERT_EQ(view->Pieces().PieceCount(), wendrel::InfoOf(GetParam()).pieces);
  if (spread) {
    SelectGroupOf(0);
    const wendrel::ModelBox box = *view->Pieces().Bounds(view->SelectedGroup());
    const DPoint middle = wendrel::ToModel(950, 575);
    MoveBy(static_cast<int>(middle.x - (box.minX + box.maxX) / 2),
           static_cast<int>(middle.y - (box.minY + box.maxY) / 2));
  }
  for (int join = 0; join < 20 && view->Pieces().GroupCount() > 1; ++join) {
    JoinANeighbour();
    if (HasFatalFailure())
      return;
  }
  EXPECT_EQ(view->Pieces().GroupCount(), 1);
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text, QStringLiteral("Congratulations!"));
}

INSTANTIATE_TEST_SUITE_P(EveryShape, ShapeKeyboardTest,
                         ::testing::Values(wendrel::Shape::kThreeHearts, wendrel::Shape::kHeart,
                                           wendrel::Shape::kCogWheel, wendrel::Shape::kOval),
                         [](const auto& info) {
                           std::string name = wendrel::InfoOf(info.param).title;
                           std::erase(name, ' ');
                           return name;
                         });

}  // namespace

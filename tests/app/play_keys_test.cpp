// The keys of play in the started program: the view has the focus from the start, and
// the undo and redo keys of the frame reach it.

#include <QApplication>
#include <QTest>

#include "tests/app/started_app.h"

namespace {

class PlayKeys : public StartedApp {
 protected:
  void SetUp() override {
    StartedApp::SetUp();
    View().SetNextSeed(kSeed);
    View().OnGenerate();
    ASSERT_EQ(View().Pieces().GroupCount(), 15);
  }
  // A key as the platform delivers it: to the focused widget.
  static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, key, modifiers);
  }
};

TEST_F(PlayKeys, TheViewHasTheFocusAtStartUpAndTheKeysPlay) {
  EXPECT_EQ(QApplication::focusWidget(), &View());
  const std::vector<double> scattered = Layout(View().Pieces());
  Key(Qt::Key_Tab);
  Key(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), &View());
  Key(Qt::Key_Left);
  EXPECT_NE(Layout(View().Pieces()), scattered);
  EXPECT_EQ(View().Pieces().Group(0).pieces[0], 1) << "Tab twice selects piece 1's group";
}

TEST_F(PlayKeys, CtrlZAndAltBackspaceUndoCtrlYAndCtrlShiftZRedo) {
  std::vector<std::vector<double>> layouts{Layout(View().Pieces())};
  Key(Qt::Key_Tab);
  for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_R}) {
    Key(key);
    layouts.push_back(Layout(View().Pieces()));
  }
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Layout(View().Pieces()), layouts[2]);
  Key(Qt::Key_Backspace, Qt::AltModifier);
  EXPECT_EQ(Layout(View().Pieces()), layouts[1]);
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Layout(View().Pieces()), layouts[2]);
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Layout(View().Pieces()), layouts[3]);
}

}  // namespace

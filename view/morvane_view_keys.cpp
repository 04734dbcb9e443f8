#include <QKeyEvent>
#include <QPainter>

#include "assembly/group_order.h"
#include "view/focus_cue.h"
#include "view/morvane_view.h"
#include "view/window_drawing.h"

namespace {

// How far an arrow key moves the selected group, in model units; with Shift, one unit.
constexpr int kArrowStep = 10;

}  // namespace

// Keyboard play. Tab and Shift+Tab select a group, Escape lets it go; the arrows drop it
// a step away, R and Shift+R turn it either way, M mirrors it. Each acts as the mouse
// gesture it stands for does, through the same steps, so undo takes it back alike.

int CMorvaneView::SelectedGroup() const {
  if (m_nSelectedPiece < 0)
    return -1;
  return wendrel::GroupHolding(m_game.Pieces().Groups(), m_nSelectedPiece);
}

void CMorvaneView::SelectNextGroup(bool backwards) {
  const int next =
      wendrel::NextGroupInPieceOrder(m_game.Pieces().Groups(), SelectedGroup(), backwards);
  if (next < 0)
    return;
  m_nSelectedPiece = wendrel::LowestPiece(m_game.Pieces().Group(next));
  viewport()->update();
}

void CMorvaneView::ClearSelection() {
  if (m_nSelectedPiece < 0)
    return;
  m_nSelectedPiece = -1;
  viewport()->update();
}

void CMorvaneView::DrawFocusCue(QPainter& dc) const {
  const int g = SelectedGroup();
  if (g >= 0)
    ::DrawFocusCue(dc, m_game.Pieces(), g, viewport()->palette());
}

bool CMorvaneView::focusNextPrevChild(bool) {
  // Tab and Shift+Tab walk the groups instead of leaving the view.
  return false;
}

void CMorvaneView::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  const bool shift = modifiers == Qt::ShiftModifier;
  const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
  const bool arrow =
      key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
  const bool playKey =
      tab || arrow || key == Qt::Key_Escape || key == Qt::Key_R || key == Qt::Key_M;
  if (!playKey || (modifiers != Qt::NoModifier && !shift)) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  // While a drag is open, or the board is hidden, the keys do nothing, yet they stay the
  // view's.
  if (m_bDragging != 0 || m_bPaused)
    return;
  if (tab) {
    SelectNextGroup(key == Qt::Key_Backtab || shift);
    return;
  }
  if (key == Qt::Key_Escape) {
    ClearSelection();
    return;
  }
  const int g = SelectedGroup();
  if (g < 0) {
    // With no group selected the arrows scroll the view, as they always did.
    if (arrow)
      QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  // The arrows drop the group a step away; model y runs up, as Up does on the screen.
  const int step = shift ? 1 : kArrowStep;
  int dx = 0, dy = 0;
  switch (key) {
    case Qt::Key_R:
      ChangeGroup(g, shift ? GroupChange::kTurnBack : GroupChange::kTurn);
      return;
    case Qt::Key_M:
      ChangeGroup(g, GroupChange::kMirror);
      return;
    case Qt::Key_Left:
      dx = -step;
      break;
    case Qt::Key_Right:
      dx = step;
      break;
    case Qt::Key_Up:
      dy = step;
      break;
    case Qt::Key_Down:
      dy = -step;
      break;
    default:
      return;
  }
  ShowMove(m_game.Move(g, dx, dy, VisibleArea(), Now()));
}

void CMorvaneView::OnEditUndo() {
  StepHistory(&wendrel::PuzzleGame::Undo);
}

void CMorvaneView::OnEditRedo() {
  StepHistory(&wendrel::PuzzleGame::Redo);
}

void CMorvaneView::StepHistory(
    wendrel::PuzzleGame::Step (wendrel::PuzzleGame::*step)(const wendrel::PlayArea&, wendrel::Ms)) {
  // A table from before the window was made smaller can hold a group out of reach: the
  // record brings it into what the window shows now.
  if (m_bDragging != 0)
    return;
  EndPause();
  switch ((m_game.*step)(VisibleArea(), Now())) {
    case wendrel::PuzzleGame::Step::kNone:
      return;
    case wendrel::PuzzleGame::Step::kRefused:
      // Only a hand-edited saved game holds such a state; the board stays as it was.
      m_services.MessageBox(this,
                            tr("This move of the opened game does not fit its puzzle, "
                               "so it cannot be shown."),
                            QStringLiteral("Wendrel"), UserServices::Icon::Stop);
      return;
    case wendrel::PuzzleGame::Step::kDone:
      ShowGameChange();
      return;
  }
}

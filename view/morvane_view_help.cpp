#include "view/morvane_view.h"

// Help for a player who is stuck. A hint that joins the last two groups solves the puzzle
// with help: no "Congratulations!" box, and the frame says how it was solved. Help given
// during a pause ends it, so that the player sees what it did: the group it helped is
// brought into what the window shows, not only onto the surface, which a small window
// shows a part of.

void CMorvaneView::OnHint() {
  if (m_bDragging != 0)
    return;
  EndPause();
  if (!m_game.Hint(SelectedGroup(), ShownArea(), Now()))
    return;
  ShowGameChange();
  if (m_game.LastSolve())
    emit PuzzleSolved();
}

void CMorvaneView::OnSolve() {
  if (m_bDragging != 0)
    return;
  EndPause();
  if (!m_game.Solve(ShownArea(), Now()))
    return;
  ShowGameChange();
  if (m_game.LastSolve())
    emit PuzzleSolved();
}

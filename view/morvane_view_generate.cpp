#include "view/morvane_view.h"
#include "view/window_drawing.h"

void CMorvaneView::OnFileGenerate() {
  OnGenerate();
}

// Each command that puts other pieces on the board, as undo and redo do too, ends a pause
// first: the player asked for something to look at.

void CMorvaneView::OnGenerate() {
  EndPause();
  // The record takes the number from the clock, or the one given for this Generate. The
  // pieces start where the window shows them, which in a small window is less than the
  // surface.
  if (!m_game.Generate(ShownArea(), Now())) {
    const QString failure = tr("Puzzle creation failed.  Please try again.  \n\r") +
                            QString::number(m_game.LastNumber());
    m_services.MessageBox(this, failure, tr("Error"), UserServices::Icon::Stop);
    return;
  }
  ShowNewPuzzle();
}

void CMorvaneView::ShowNewPuzzle() {
  // An open drag's layers show the old puzzle; its release must not move a new group, and
  // the selection belongs to the old one too.
  m_bDragging = 0;
  m_bFrameShown = false;
  m_nSelectedPiece = -1;
  ShowGameChange();
}

bool CMorvaneView::OpenGame(const wendrel::SavedGame& game) {
  EndPause();
  if (!m_game.Restore(game, VisibleArea(), Now()))
    return false;
  ShowNewPuzzle();
  return true;
}

void CMorvaneView::OnRestart() {
  // An open drag's release belongs to the pieces as they lie now.
  if (m_bDragging != 0)
    return;
  EndPause();
  if (m_game.Restart(VisibleArea(), Now()))
    ShowGameChange();
}

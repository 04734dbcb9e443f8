#include <ctime>

#include "view/morvane_view.h"
#include "view/window_drawing.h"

void CMorvaneView::OnFileGenerate() {
  OnGenerate();
}

void CMorvaneView::OnGenerate() {
  m_nSeed = m_nNextSeed.value_or(static_cast<std::int32_t>(std::time(nullptr)));
  m_nNextSeed.reset();
  const QString failure =
      tr("Puzzle creation failed.  Please try again.  \n\r") + QString::number(m_nSeed);

  // The time so far belongs to the puzzle being replaced.
  StopClock();
  if (!m_game.Generate(m_shape, m_nSeed)) {
    SyncClock();
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
  StopClock();
  if (!m_game.Restore(game, VisibleArea())) {
    SyncClock();
    return false;
  }
  ShowNewPuzzle();
  return true;
}

void CMorvaneView::OnRestart() {
  // An open drag's release belongs to the pieces as they lie now.
  if (m_bDragging != 0)
    return;
  StopClock();
  if (m_game.Restart())
    ShowGameChange();
  else
    SyncClock();
}

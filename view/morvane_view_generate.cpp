#include <ctime>

#include "assembly/generate_puzzle.h"
#include "view/morvane_view.h"
#include "view/window_drawing.h"

void CMorvaneView::OnFileGenerate() {
  OnGenerate();
}

void CMorvaneView::OnGenerate() {
  m_nSeed = m_nNextSeed.value_or(static_cast<std::int32_t>(std::time(nullptr)));
  m_nNextSeed.reset();
  const QString failure =
      QStringLiteral("Puzzle creation failed.  Please try again.  \n\r") + QString::number(m_nSeed);

  // The pieces keep their own copy of the last puzzle's home data, so a failed run,
  // which has rebuilt the generator's storage, leaves the game on screen playable.
  if (!wendrel::GeneratePuzzle(m_nSeed, m_shapes, m_generator, m_pieces)) {
    m_services.MessageBox(this, failure, QStringLiteral("Error"), UserServices::Icon::Stop);
    return;
  }

  // An open drag's layers show the old puzzle; its release must not move a new group.
  m_bDragging = 0;
  m_bFrameShown = false;
  // Nothing done to the old puzzle applies to this one.
  m_history.Clear();
  m_nSelectedPiece = -1;
  InvalidateAndUpdateNow(*viewport());
}

#include <ctime>

#include "generator/random.h"
#include "view/morvane_view.h"
#include "view/window_drawing.h"

namespace {

// A region that grew no triangle cannot be played; the built-in outline never makes
// one, but a degenerate outline could.
bool EveryRegionHasTriangles(const wendrel::PuzzleGenerator& generator) {
  for (int r = 0; r < generator.pieceCount; ++r) {
    if (generator.regions[r].count == 0)
      return false;
  }
  return true;
}

}  // namespace

void CMorvaneView::OnFileGenerate() {
  OnGenerate();
}

void CMorvaneView::OnGenerate() {
  m_nSeed = m_nNextSeed.value_or(static_cast<std::int32_t>(std::time(nullptr)));
  m_nNextSeed.reset();
  wendrel::srand(static_cast<unsigned int>(m_nSeed));
  const QString failure =
      QStringLiteral("Puzzle creation failed.  Please try again.  \n\r") + QString::number(m_nSeed);

  m_generator.LoadOutline(m_shapes.Slot(wendrel::ShapeLibrary::kPuzzleSlot));
  bool made = m_generator.BuildTriangulation() != 0;
  if (made) {
    m_generator.ResetRegions();
    m_generator.FormPieces();
    made = EveryRegionHasTriangles(m_generator);
  }
  // The pieces keep their own copy of the last puzzle's home data, so a failed run,
  // which has rebuilt the generator's storage, leaves the game on screen playable.
  if (!made) {
    m_services.MessageBox(this, failure, QStringLiteral("Error"), UserServices::Icon::Stop);
    return;
  }

  m_pieces.Load(m_generator.triangles, m_generator.regions, m_generator.pieceCount);
  m_pieces.InitPlacement();
  m_pieces.Scatter();
  // An open drag's layers show the old puzzle; its release must not move a new group.
  m_bDragging = 0;
  m_bFrameShown = false;
  // Nothing done to the old puzzle applies to this one.
  m_history.Clear();
  m_nSelectedPiece = -1;
  InvalidateAndUpdateNow(*viewport());
}

#include <QPaintEvent>
#include <QPainter>

#include "view/morvane_view.h"
#include "view/piece_painter.h"

void CMorvaneView::OnPrepareDC(QPainter& dc, bool printing) const {
  if (!printing)
    Mapping().Prepare(dc);
}

void CMorvaneView::OnDraw(QPainter& dc) {
  PiecePainter painter(dc);
  for (int g = m_game.Pieces().GroupCount() - 1; g >= 0; --g)
    painter.DrawGroup(m_game.Pieces(), g);
}

void CMorvaneView::paintEvent(QPaintEvent* event) {
  QPainter dc(viewport());
  if (m_bPaused) {
    DrawPauseNotice(dc);
    return;
  }
  QRegion rest = event->region();
  if (m_bFrameShown) {
    const QRect frame = Mapping().LPtoDP(m_rcSurfaces);
    ShowDragFrame(dc, event->rect() & frame);
    // The frame covers the whole window: a drag's repaint ends here, with no region
    // arithmetic to make.
    if (frame.contains(event->rect()))
      return;
    rest -= frame;
    if (rest.isEmpty())
      return;
    dc.setClipRegion(rest);
  }
  // The window's erase colour, then the puzzle over it.
  dc.fillRect(rest.boundingRect(), viewport()->palette().color(QPalette::Base));
  OnPrepareDC(dc);
  OnDraw(dc);
  DrawFocusCue(dc);
}

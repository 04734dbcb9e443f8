#include <QPainter>

#include "view/morvane_view.h"
#include "view/piece_painter.h"

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

// How far past its corner points a filled triangle can colour pixels.
constexpr int kFillMargin = 2;

// Draws pieces into the bitmap that dc holds now.
template <typename Draw>
void DrawPiecesInto(MemorySurface& dc, Draw draw) {
  QPainter painter(dc.SelectedBitmap());
  PiecePainter pieces(painter);
  draw(pieces);
}

}  // namespace

void CMorvaneView::DrawDragLayers() {
  // The press is where surfaces left too large by a window shrunk during a drag are
  // given back at the latest.
  FitSurfaces(true);
  RedrawDragLayers();
}

void CMorvaneView::RedrawDragLayers() {
  MemorySurface& dc = *m_pLayerDC;
  const BitmapSelection selection(dc, *m_pDragMaskBmp);

  // The mask: the group in black on white, to cut its hole in the frame.
  dc.FillSolidRect(m_rcSurfaces, kWhite);
  DrawPiecesInto(dc,
                 [&](PiecePainter& p) { p.DrawGroupIn(m_game.Pieces(), 0, QBrush(Qt::black)); });

  // The image: the group in its colours on black, which leaves the frame alone where OR-ed.
  dc.SelectBitmap(m_pDragImageBmp.get());
  dc.FillSolidRect(m_rcSurfaces, kBlack);
  DrawPiecesInto(dc, [&](PiecePainter& p) { p.DrawGroup(m_game.Pieces(), 0); });

  // The background: every other group, in the order of a paint, on the colour that a
  // paint erases with, so that a frame shows the painted view on any colour scheme.
  dc.SelectBitmap(m_pBackgroundBmp.get());
  dc.FillSolidRect(m_rcSurfaces, viewport()->palette().color(QPalette::Base).rgb());
  DrawPiecesInto(dc, [&](PiecePainter& p) {
    for (int g = m_game.Pieces().GroupCount() - 1; g >= 1; --g)
      p.DrawGroup(m_game.Pieces(), g);
  });

  // Outside this box the mask is white and the image black: the group changes nothing.
  m_rcDragGroup = GroupExtent(m_game.Pieces(), 0)
                      .toAlignedRect()
                      .adjusted(-kFillMargin, -kFillMargin, kFillMargin, kFillMargin);
}

void CMorvaneView::ResetDragFrame(QPoint travel) {
  {
    const BitmapSelection frameSelection(*m_pFrameDC, *m_pFrameBmp);
    const BitmapSelection layerSelection(*m_pLayerDC, *m_pBackgroundBmp);
    m_pFrameDC->BitBlt(0, 0, m_rcSurfaces.width(), m_rcSurfaces.height(), *m_pLayerDC, 0, 0,
                       MemorySurface::RasterOp::Copy);
  }
  ComposeDragArea(m_rcDragGroup.translated(travel) & m_rcSurfaces, travel);
  m_ptFrameTravel = travel;
}

QRect CMorvaneView::ComposeDragFrame(QPoint travel) {
  // The frame differs from the background only under the group: where it lay in the
  // last frame and where it lies now.
  const QRect changed =
      (m_rcDragGroup.translated(m_ptFrameTravel) | m_rcDragGroup.translated(travel)) & m_rcSurfaces;
  ComposeDragArea(changed, travel);
  m_ptFrameTravel = travel;
  return changed;
}

void CMorvaneView::ComposeDragArea(const QRect& area, QPoint travel) {
  if (area.isEmpty())
    return;
  MemorySurface& frame = *m_pFrameDC;
  MemorySurface& layers = *m_pLayerDC;
  const BitmapSelection frameSelection(frame, *m_pFrameBmp);
  const BitmapSelection layerSelection(layers, *m_pBackgroundBmp);
  const int x = area.x(), y = area.y(), w = area.width(), h = area.height();
  const int sx = x - travel.x(), sy = y - travel.y();

  frame.BitBlt(x, y, w, h, layers, x, y, MemorySurface::RasterOp::Copy);
  layers.SelectBitmap(m_pDragMaskBmp.get());
  frame.BitBlt(x, y, w, h, layers, sx, sy, MemorySurface::RasterOp::And);
  layers.SelectBitmap(m_pDragImageBmp.get());
  frame.BitBlt(x, y, w, h, layers, sx, sy, MemorySurface::RasterOp::Or);
}

void CMorvaneView::ShowDragFrame(QPainter& dc, const QRect& device) const {
  if (device.isEmpty())
    return;  // the repainted part lies beside the frame
  const qreal ratio = m_pFrameBmp->devicePixelRatio();
  const QRect logical = Mapping().DPtoLP(device);
  const QRect pixels(qRound(logical.x() * ratio), qRound(logical.y() * ratio),
                     qRound(logical.width() * ratio), qRound(logical.height() * ratio));
  dc.drawImage(device.topLeft(), *m_pFrameBmp, pixels);
}

#include <QPainter>

#include "view/morvane_view.h"
#include "view/piece_painter.h"

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

// Draws pieces into the bitmap that dc holds now.
template <typename Draw>
void DrawPiecesInto(MemorySurface& dc, Draw draw) {
  QPainter painter(dc.SelectedBitmap());
  PiecePainter pieces(painter);
  draw(pieces);
}

}  // namespace

void CMorvaneView::DrawDragLayers() {
  MemorySurface& dc = *m_pLayerDC;
  const BitmapSelection selection(dc, *m_pDragMaskBmp);

  // The mask: the group in black on white, to cut its hole in the frame.
  dc.FillSolidRect(kDragArea, kWhite);
  DrawPiecesInto(dc, [&](PiecePainter& p) { p.DrawGroupIn(m_pieces, 0, QBrush(Qt::black)); });

  // The image: the group in its colours on black, which leaves the frame alone where OR-ed.
  dc.SelectBitmap(m_pDragImageBmp.get());
  dc.FillSolidRect(kDragArea, kBlack);
  DrawPiecesInto(dc, [&](PiecePainter& p) { p.DrawGroup(m_pieces, 0); });

  // The background: every other group, in the order of a paint, on white.
  dc.SelectBitmap(m_pBackgroundBmp.get());
  dc.FillSolidRect(kDragArea, kWhite);
  DrawPiecesInto(dc, [&](PiecePainter& p) {
    for (int g = m_pieces.GroupCount() - 1; g >= 1; --g)
      p.DrawGroup(m_pieces, g);
  });
}

void CMorvaneView::ComposeDragFrame(QPoint travel) {
  MemorySurface& frame = *m_pFrameDC;
  MemorySurface& layers = *m_pLayerDC;
  const BitmapSelection frameSelection(frame, *m_pFrameBmp);
  const BitmapSelection layerSelection(layers, *m_pBackgroundBmp);
  const int w = kDragArea.width(), h = kDragArea.height();

  frame.BitBlt(0, 0, w, h, layers, 0, 0, MemorySurface::RasterOp::Copy);
  layers.SelectBitmap(m_pDragMaskBmp.get());
  frame.BitBlt(travel.x(), travel.y(), w, h, layers, 0, 0, MemorySurface::RasterOp::And);
  layers.SelectBitmap(m_pDragImageBmp.get());
  frame.BitBlt(travel.x(), travel.y(), w, h, layers, 0, 0, MemorySurface::RasterOp::Or);
}

void CMorvaneView::ShowDragFrame(QPainter& dc, QPoint at) const {
  const qreal ratio = m_pFrameBmp->devicePixelRatio();
  const QRect pixels(0, 0, qRound(kDragArea.width() * ratio), qRound(kDragArea.height() * ratio));
  dc.drawImage(at, *m_pFrameBmp, pixels);
}

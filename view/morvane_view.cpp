#include "view/morvane_view.h"

#include <QScrollBar>
#include <algorithm>

using wendrel::PieceSet;
using wendrel::PlayArea;

namespace {

// Scroll steps: a page click moves 20 units, an arrow click 10.
constexpr int kPageStep = 20;
constexpr int kLineStep = 10;

}  // namespace

CMorvaneView::CMorvaneView(UserServices& services, QWidget* parent)
    : QAbstractScrollArea(parent),
      m_services(services),
      m_pLayerDC(std::make_unique<MemorySurface>()),
      m_pFrameDC(std::make_unique<MemorySurface>()) {
  // Moves arrive with no button held too, so that a drag whose release was missed
  // outside the view goes on showing frames.
  viewport()->setMouseTracking(true);
  // A right click turns a piece and does nothing else.
  viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
  setContextMenuPolicy(Qt::PreventContextMenu);
  // paintEvent erases what it does not cover itself, so that a drag frame replaces the
  // picture in one copy without an erase before it.
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContentsOnFirstShow);
  // The keys of keyboard play reach the view from the start.
  setFocusPolicy(Qt::StrongFocus);
  setFocus();
}

QSize CMorvaneView::viewportSizeHint() const {
  return QSize(PieceSet::kSurfaceWidth, PieceSet::kSurfaceHeight);
}

CMorvaneView::~CMorvaneView() = default;

void CMorvaneView::OnInitialUpdate() {
  viewport()->update();
  m_sizeTotal = QSize(PieceSet::kSurfaceWidth, PieceSet::kSurfaceHeight);
  UpdateScrollBars();
  CreateSurfaces();
}

void CMorvaneView::CreateSurfaces() {
  // The contexts are made once in the life of the view, the bitmaps again only when the
  // window grows: a later New keeps them, and with them a drag that is in progress.
  const qreal ratio = viewport()->devicePixelRatioF();
  if (!m_pLayerDC->HasDC())
    m_pLayerDC->CreateCompatible(ratio);
  if (!m_pFrameDC->HasDC())
    m_pFrameDC->CreateCompatible(ratio);
  GrowSurfaces();
}

bool CMorvaneView::GrowSurfaces() {
  if (!m_pLayerDC->HasDC())
    return false;  // before the first initial update
  const PlayArea area = VisibleArea();
  const QRect needed(area.left, area.top, area.right - area.left, area.bottom - area.top);
  if (m_rcSurfaces.contains(needed))
    return false;
  m_rcSurfaces = m_rcSurfaces.united(needed);
  const int w = m_rcSurfaces.right() + 1, h = m_rcSurfaces.bottom() + 1;
  m_pBackgroundBmp = m_pLayerDC->CreateCompatibleBitmap(w, h);
  m_pDragImageBmp = m_pLayerDC->CreateCompatibleBitmap(w, h);
  m_pDragMaskBmp = m_pLayerDC->CreateCompatibleBitmap(w, h);
  m_pFrameBmp = m_pLayerDC->CreateCompatibleBitmap(w, h);
  return true;
}

PlayArea CMorvaneView::VisibleArea() const {
  const QRect shown = Mapping().DPtoLP(viewport()->rect());
  const QRect area = shown.united(QRect(0, 0, PieceSet::kSurfaceWidth, PieceSet::kSurfaceHeight));
  return PlayArea{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

void CMorvaneView::UpdateScrollBars() {
  const QSize visible = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, m_sizeTotal.width() - visible.width()));
  verticalScrollBar()->setRange(0, std::max(0, m_sizeTotal.height() - visible.height()));
  horizontalScrollBar()->setPageStep(kPageStep);
  verticalScrollBar()->setPageStep(kPageStep);
  horizontalScrollBar()->setSingleStep(kLineStep);
  verticalScrollBar()->setSingleStep(kLineStep);
}

void CMorvaneView::resizeEvent(QResizeEvent*) {
  UpdateScrollBars();
  // A window made smaller can leave groups where no scrolling reaches them.
  const bool grown = GrowSurfaces();
  const bool moved = m_game.BringBack(VisibleArea());
  if (m_bDragging != 0 && (grown || moved)) {
    DrawDragLayers();
    ResetDragFrame(m_ptFrameTravel);
  }
  if (moved)
    viewport()->update();
}

void CMorvaneView::scrollContentsBy(int dx, int dy) {
  viewport()->scroll(dx, dy);
}

ScrolledMapping CMorvaneView::Mapping() const {
  return ScrolledMapping(QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()));
}

void CMorvaneView::SetNextSeed(std::int32_t seed) {
  m_nNextSeed = seed;
}

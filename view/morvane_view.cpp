#include "view/morvane_view.h"

#include <QScrollBar>
#include <algorithm>
#include <chrono>

using wendrel::PieceSet;
using wendrel::PlayArea;

namespace {

// Scroll steps: a page click moves 20 units, an arrow click 10.
constexpr int kPageStep = 20;
constexpr int kLineStep = 10;

// The drag surfaces are made again, smaller, only when the visible area needs less than
// 1 / kShrinkRatio of their pixels. A window once maximised on a large screen then gives
// most of its memory back when it is made small, while a window shrunk a little, or
// shrunk and grown back, keeps its surfaces instead of making four new ones at every
// step of a resize.
constexpr qint64 kShrinkRatio = 2;

qint64 PixelsOf(const QRect& area) {
  return qint64(area.width()) * area.height();
}

PlayArea PlayAreaOf(const QRect& area) {
  return PlayArea{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

}  // namespace

CMorvaneView::CMorvaneView(UserServices& services, wendrel::PuzzleGame& game, QWidget* parent)
    : QAbstractScrollArea(parent),
      m_services(services),
      m_pLayerDC(std::make_unique<MemorySurface>()),
      m_pFrameDC(std::make_unique<MemorySurface>()),
      m_game(game) {
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
  // window's size asks for it: a later New keeps them, and with them a drag that is in
  // progress.
  const qreal ratio = viewport()->devicePixelRatioF();
  if (!m_pLayerDC->HasDC())
    m_pLayerDC->CreateCompatible(ratio);
  if (!m_pFrameDC->HasDC())
    m_pFrameDC->CreateCompatible(ratio);
  FitSurfaces(false);
}

bool CMorvaneView::FitSurfaces(bool mayShrink) {
  if (!m_pLayerDC->HasDC())
    return false;  // before the first initial update
  const PlayArea area = VisibleArea();
  const QRect needed(area.left, area.top, area.right - area.left, area.bottom - area.top);
  QRect fitted = m_rcSurfaces.united(needed);
  if (mayShrink && PixelsOf(needed) * kShrinkRatio < PixelsOf(fitted))
    fitted = needed;
  if (fitted == m_rcSurfaces)
    return false;
  m_rcSurfaces = fitted;
  const int w = m_rcSurfaces.right() + 1, h = m_rcSurfaces.bottom() + 1;
  m_pBackgroundBmp = m_pLayerDC->CreateCompatibleBitmap(w, h);
  m_pDragImageBmp = m_pLayerDC->CreateCompatibleBitmap(w, h);
  m_pDragMaskBmp = m_pLayerDC->CreateCompatibleBitmap(w, h);
  m_pFrameBmp = m_pLayerDC->CreateCompatibleBitmap(w, h);
  return true;
}

qsizetype CMorvaneView::DragSurfaceBytes() const {
  qsizetype bytes = 0;
  for (const QImage* bitmap :
       {m_pBackgroundBmp.get(), m_pDragImageBmp.get(), m_pDragMaskBmp.get(), m_pFrameBmp.get()}) {
    bytes += bitmap != nullptr ? bitmap->sizeInBytes() : 0;
  }
  return bytes;
}

PlayArea CMorvaneView::VisibleArea() const {
  const QRect shown = Mapping().DPtoLP(viewport()->rect());
  return PlayAreaOf(shown.united(QRect(0, 0, PieceSet::kSurfaceWidth, PieceSet::kSurfaceHeight)));
}

PlayArea CMorvaneView::ShownArea() const {
  return PlayAreaOf(Mapping().DPtoLP(viewport()->rect()));
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
  // An open drag keeps its surfaces, and the layers on them, when the window is made
  // smaller, rather than drawing every layer again mid-drag: the next press, which draws
  // them all anyway, fits the surfaces to the window.
  const bool remade = FitSurfaces(m_bDragging == 0);
  // A window made smaller can leave groups where no scrolling reaches them.
  const bool moved = m_game.BringIntoView(VisibleArea());
  if (m_bDragging != 0 && (remade || moved)) {
    RedrawDragLayers();
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

wendrel::Ms CMorvaneView::Now() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

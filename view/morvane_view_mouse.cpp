#include <QMouseEvent>
#include <utility>

#include "view/morvane_view.h"
#include "view/window_drawing.h"

namespace {

const QString kAppTitle = QStringLiteral("Wendrel");

}  // namespace

// Qt's events, passed to the handlers in the order the platform delivers them. There is
// no default handling behind them to pass a message on to: each event is accepted and
// goes no further.

void CMorvaneView::mousePressEvent(QMouseEvent* event) {
  event->accept();
  // Playing with the mouse ends playing with the keys.
  setFocus(Qt::MouseFocusReason);
  // A click on the notice ends the pause and plays nothing: the player has not seen
  // what lies under the pointer.
  m_bResumingClick = m_bPaused;
  if (m_bPaused) {
    EndPause();
    return;
  }
  ClearSelection();
  const QPoint point = event->position().toPoint();
  if (event->button() == Qt::LeftButton)
    OnLButtonDown(point);
  if (event->button() == Qt::RightButton)
    OnRButtonDown(point);
}

void CMorvaneView::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  const QPoint point = event->position().toPoint();
  // The platform sends the release of a press made here to this view even when the
  // button comes up outside it. Such a release is not the view's: the drag stays open,
  // and no group is dropped where the player cannot see it.
  if (event->button() == Qt::LeftButton && viewport()->rect().contains(point))
    OnLButtonUp(point);
}

void CMorvaneView::mouseDoubleClickEvent(QMouseEvent* event) {
  // Not the base handler: it would treat the double click as one more press.
  event->accept();
  if (std::exchange(m_bResumingClick, false) || m_bPaused) {
    EndPause();
    return;
  }
  const QPoint point = event->position().toPoint();
  if (event->button() == Qt::LeftButton)
    OnLButtonDblClk(point);
  if (event->button() == Qt::RightButton)
    OnRButtonDblClk(point);
}

void CMorvaneView::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  OnMouseMove(event->position().toPoint());
}

void CMorvaneView::OnLButtonDown(QPoint point) {
  if (!m_pLayerDC->HasDC())
    return;  // no surfaces before the first initial update
  const QPoint logical = Mapping().DPtoLP(point);
  m_nHitGroup = Pieces().HitGroup(logical.x(), logical.y());
  if (m_nHitGroup == -1)
    return;
  m_bDragging = 1;
  m_game.Grab(m_nHitGroup, Now());
  m_ptDragStart = point;
  // The window keeps showing the last frame until the mouse moves or a paint comes.
  m_bFrameShown = false;
  DrawDragLayers();
  ResetDragFrame(QPoint(0, 0));
}

void CMorvaneView::OnMouseMove(QPoint point) {
  if (!HasWindowSurface(*viewport())) {
    m_services.MessageBox(this, tr("Internal Error - GetDC() failed"), kAppTitle,
                          UserServices::Icon::None);
    return;
  }
  // The button state is not looked at: a drag whose release went elsewhere goes on.
  if (m_bDragging != 1)
    return;
  // The window shows the painted view or the last frame: only what changed is shown again.
  const QRect changed = ComposeDragFrame(point - m_ptDragStart);
  m_bFrameShown = true;
  UpdateAreaNow(*viewport(), Mapping().LPtoDP(changed));
}

void CMorvaneView::OnLButtonUp(QPoint point) {
  if (m_bDragging == 0)
    return;
  m_bDragging = 0;
  m_bFrameShown = false;
  // Model y runs up, the window's down.
  // The group stays where the player let it go.
  ShowMove(m_game.Drop(point.x() - m_ptDragStart.x(), m_ptDragStart.y() - point.y(), Now()));
}

void CMorvaneView::ShowMove(bool solved) {
  ShowGameChange();
  if (solved) {
    m_services.MessageBox(this, tr("Congratulations!"), kAppTitle, UserServices::Icon::None);
    emit PuzzleSolved();
  }
}

void CMorvaneView::ChangeGroupAt(QPoint point, GroupChange change) {
  // While a drag is open its layers and its release belong to group 0: raising and
  // turning another group now would drop that one instead at the release.
  if (m_bDragging != 0)
    return;
  const QPoint logical = Mapping().DPtoLP(point);
  m_nHitGroup = Pieces().HitGroup(logical.x(), logical.y());
  if (m_nHitGroup == -1)
    return;
  ChangeGroup(m_nHitGroup, change);
}

void CMorvaneView::ChangeGroup(int g, GroupChange change) {
  m_game.ChangeGroup(g, change, VisibleArea(), Now());
  ShowGameChange();
}

void CMorvaneView::ShowGameChange() {
  InvalidateAndUpdateNow(*viewport());
  emit GameChanged();
}

void CMorvaneView::OnRButtonDown(QPoint point) {
  ChangeGroupAt(point, GroupChange::kTurn);
}

void CMorvaneView::OnLButtonDblClk(QPoint point) {
  ChangeGroupAt(point, GroupChange::kMirror);
}

void CMorvaneView::OnRButtonDblClk(QPoint point) {
  OnRButtonDown(point);
}

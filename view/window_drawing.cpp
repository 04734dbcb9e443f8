#include "view/window_drawing.h"

#include <QRect>
#include <QWidget>
#include <QWindow>

bool HasWindowSurface(const QWidget& widget) {
  if (!widget.isVisible())
    return false;
  const QWindow* window = widget.window()->windowHandle();
  return window != nullptr && window->isExposed();
}

void InvalidateAndUpdateNow(QWidget& widget) {
  widget.repaint();
}

void UpdateAreaNow(QWidget& widget, const QRect& area) {
  const QRect visible = area.intersected(widget.rect());
  if (!visible.isEmpty())
    widget.repaint(visible);
}

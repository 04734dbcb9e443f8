#pragma once

#include <QPainter>
#include <QPoint>
#include <QRect>

// Logical coordinates of the scrolled view: one unit is one pixel, y runs down, and the
// viewport's top-left corner shows the logical point at the scroll position.
class ScrolledMapping {
 public:
  explicit ScrolledMapping(QPoint scrollPosition) : m_scroll(scrollPosition) {}

  QPoint DPtoLP(QPoint device) const { return device + m_scroll; }
  QRect DPtoLP(const QRect& device) const { return device.translated(m_scroll); }
  QRect LPtoDP(const QRect& logical) const { return logical.translated(-m_scroll); }

  // Sets a painter of the viewport up to draw in logical units.
  void Prepare(QPainter& painter) const { painter.translate(-m_scroll); }

 private:
  QPoint m_scroll;
};

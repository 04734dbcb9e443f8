#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

// Sends mouse events to a widget as the platform would deliver them, keeping track of
// the buttons held. A double click is the real four-event sequence: press, release,
// double click, release.
class MouseDriver {
 public:
  explicit MouseDriver(QWidget* target) : m_target(target) {}

  void Press(Qt::MouseButton button, QPoint at);
  void Release(Qt::MouseButton button, QPoint at);
  void DoubleClickEvent(Qt::MouseButton button, QPoint at);
  void Move(QPoint to);

  void Click(Qt::MouseButton button, QPoint at);
  void DoubleClick(Qt::MouseButton button, QPoint at);
  // Left press at from, moves half way and to to, left release at to.
  void Drag(QPoint from, QPoint to);

 private:
  void Send(int type, Qt::MouseButton button, QPoint at);

  QWidget* m_target;
  Qt::MouseButtons m_held;
};

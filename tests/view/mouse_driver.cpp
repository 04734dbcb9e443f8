#include "tests/view/mouse_driver.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

void MouseDriver::Send(int type, Qt::MouseButton button, QPoint at) {
  QMouseEvent event(static_cast<QEvent::Type>(type), QPointF(at),
                    QPointF(m_target->mapToGlobal(at)), button, m_held, Qt::NoModifier);
  QApplication::sendEvent(m_target, &event);
}

void MouseDriver::Press(Qt::MouseButton button, QPoint at) {
  m_held |= button;
  Send(QEvent::MouseButtonPress, button, at);
}

void MouseDriver::Release(Qt::MouseButton button, QPoint at) {
  m_held &= ~Qt::MouseButtons(button);
  Send(QEvent::MouseButtonRelease, button, at);
}

void MouseDriver::DoubleClickEvent(Qt::MouseButton button, QPoint at) {
  m_held |= button;
  Send(QEvent::MouseButtonDblClick, button, at);
}

void MouseDriver::Move(QPoint to) {
  Send(QEvent::MouseMove, Qt::NoButton, to);
}

void MouseDriver::Click(Qt::MouseButton button, QPoint at) {
  Press(button, at);
  Release(button, at);
}

void MouseDriver::DoubleClick(Qt::MouseButton button, QPoint at) {
  Click(button, at);
  DoubleClickEvent(button, at);
  Release(button, at);
}

void MouseDriver::Drag(QPoint from, QPoint to) {
  Press(Qt::LeftButton, from);
  Move((from + to) / 2);
  Move(to);
  Release(Qt::LeftButton, to);
}

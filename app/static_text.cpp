#include "app/static_text.h"

#include <QLabel>

QLabel* StaticText(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

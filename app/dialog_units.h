#pragma once

#include <QFontMetrics>
#include <QLatin1StringView>
#include <QWidget>

// The dialogs were laid out in dialog units: a quarter of the font's mean letter width across
// and an eighth of its height down, the letter width measured over the 52 letters of the
// alphabet in both cases. Measuring with the widget's own font keeps the proportions of that
// layout in whatever font the platform gives.
inline int DialogUnitsX(const QWidget& widget, int units) {
  static constexpr QLatin1StringView kLetters(
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
  const int letters = widget.fontMetrics().horizontalAdvance(kLetters);
  return (units * letters + 104) / 208;  // units * (letters / 52) / 4, rounded
}

inline int DialogUnitsY(const QWidget& widget, int units) {
  return (units * widget.fontMetrics().height() + 4) / 8;
}

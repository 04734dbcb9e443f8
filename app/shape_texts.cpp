#include "app/shape_texts.h"

#include <QCoreApplication>

#include "app/ui_language.h"
#include "shapes/figure.h"

namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("Shape", text);
}

}  // namespace

ShapeTexts TextsOf(wendrel::Shape shape) {
  switch (shape) {
    case wendrel::Shape::kThreeHearts:
      return {
          Tr(QT_TRANSLATE_NOOP("Shape", "Three Hearts")),
          Tr(QT_TRANSLATE_NOOP("Shape", "&Three Hearts (15 pieces)")),
          Tr(QT_TRANSLATE_NOOP("Shape", "Cut the next puzzles from three hearts, in 15 pieces"))};
    case wendrel::Shape::kHeart:
      return {Tr(QT_TRANSLATE_NOOP("Shape", "Heart")),
              Tr(QT_TRANSLATE_NOOP("Shape", "&Heart (9 pieces)")),
              Tr(QT_TRANSLATE_NOOP("Shape", "Cut the next puzzles from a heart, in 9 pieces"))};
    case wendrel::Shape::kCogWheel:
      return {Tr(QT_TRANSLATE_NOOP("Shape", "Cog Wheel")),
              Tr(QT_TRANSLATE_NOOP("Shape", "&Cog Wheel (9 pieces)")),
              Tr(QT_TRANSLATE_NOOP("Shape", "Cut the next puzzles from a cog wheel, in 9 pieces"))};
    case wendrel::Shape::kOval:
      return {Tr(QT_TRANSLATE_NOOP("Shape", "Oval")),
              Tr(QT_TRANSLATE_NOOP("Shape", "&Oval (3 pieces)")),
              Tr(QT_TRANSLATE_NOOP("Shape", "Cut the next puzzles from an oval, in 3 pieces"))};
  }
  return {};
}

QString FigureTitle(const wendrel::Figure& figure) {
  if (const std::optional<wendrel::Shape> shape = wendrel::BuiltInShapeOf(figure))
    return TextsOf(*shape).title;
  return QString::fromStdString(figure.TitleIn(UiLanguage::Current().toStdString()));
}

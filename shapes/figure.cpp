#include "shapes/figure.h"

#include <array>

#include "shapes/shape_library.h"

namespace wendrel {

const std::string& Figure::TitleIn(const std::string& language) const {
  // "pt_BR" falls back to "pt" before English.
  for (const std::string& code : {language, language.substr(0, language.find('_'))}) {
    const auto found = titles.find(code);
    if (found != titles.end())
      return found->second;
  }
  return title;
}

namespace {

FigureRef MakeBuiltIn(const ShapeLibrary& library, const ShapeInfo& info) {
  const ShapeOutline& slot = library.Slot(info.slot);
  auto figure = std::make_shared<Figure>();
  figure->name = info.name;
  figure->title = info.title;
  figure->outline.assign(slot.vertices, slot.vertices + slot.vertexCount);
  figure->seeds.assign(slot.seeds, slot.seeds + slot.seedCount);
  return figure;
}

}  // namespace

const FigureRef& BuiltInFigure(Shape shape) {
  static const std::array<FigureRef, kShapes.size()> figures = [] {
    const ShapeLibrary library;
    std::array<FigureRef, kShapes.size()> made;
    for (std::size_t i = 0; i < kShapes.size(); ++i)
      made[i] = MakeBuiltIn(library, kShapes[i]);
    return made;
  }();
  for (std::size_t i = 0; i < kShapes.size(); ++i) {
    if (kShapes[i].shape == shape)
      return figures[i];
  }
  return figures[0];
}

std::optional<Shape> BuiltInShapeOf(const Figure& figure) {
  const std::optional<Shape> shape = ShapeNamed(figure.name);
  if (shape && *BuiltInFigure(*shape) == figure)
    return shape;
  return std::nullopt;
}

ShapeOutline OutlineOf(const Figure& figure) {
  ShapeOutline outline;
  for (const DPoint& v : figure.outline) {
    if (outline.vertexCount == ShapeOutline::kMaxVertices)
      break;
    outline.vertices[outline.vertexCount++] = v;
  }
  return outline;
}

}  // namespace wendrel

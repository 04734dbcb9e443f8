#include "io/figure_box.h"

#include "io/figure_box_texts.h"
#include "io/figure_file.h"

namespace wendrel {

const std::vector<FigureRef>& BoxFigures() {
  static const std::vector<FigureRef> box = [] {
    std::vector<FigureRef> figures;
    // Every text is checked by the tests; one that did not read would be left out rather
    // than stop the program.
    for (const BoxFigureText& text : BoxFigureTexts()) {
      FigureFileRead read = ReadFigureFile(text.text, std::string(text.name));
      if (read.ok())
        figures.push_back(std::make_shared<const Figure>(std::move(read.figure)));
    }
    return figures;
  }();
  return box;
}

const std::vector<FigureRef>& KnownFigures() {
  static const std::vector<FigureRef> known = [] {
    std::vector<FigureRef> figures;
    for (const ShapeInfo& info : kShapes)
      figures.push_back(BuiltInFigure(info.shape));
    figures.insert(figures.end(), BoxFigures().begin(), BoxFigures().end());
    return figures;
  }();
  return known;
}

FigureRef KnownFigure(std::string_view name) {
  for (const FigureRef& figure : KnownFigures()) {
    if (figure->name == name)
      return figure;
  }
  return nullptr;
}

bool IsKnown(const Figure& figure) {
  const FigureRef known = KnownFigure(figure.name);
  return known && *known == figure;
}

}  // namespace wendrel

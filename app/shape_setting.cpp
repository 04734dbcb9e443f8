#include "app/shape_setting.h"

#include <QSettings>

namespace {

const QString kShapeKey = QStringLiteral("Game/Shape");

}  // namespace

std::optional<wendrel::Shape> SavedShape() {
  // Settings are the user's to edit: a name this program does not know is no choice.
  return wendrel::ShapeNamed(QSettings().value(kShapeKey).toString().toStdString());
}

void SaveShape(wendrel::Shape shape) {
  QSettings().setValue(kShapeKey, QLatin1String(wendrel::InfoOf(shape).name));
}

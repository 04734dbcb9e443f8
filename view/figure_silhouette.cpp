#include "view/figure_silhouette.h"

#include <QPainter>
#include <algorithm>

QPainterPath FigureSilhouette(const wendrel::Figure& figure, const QRectF& rect) {
  QPainterPath path;
  if (figure.outline.size() < 3)
    return path;
  const wendrel::ShapeOutline outline = wendrel::OutlineOf(figure);
  const wendrel::OutlineBounds bounds = outline.ComputeBounds();
  const double width = bounds.maxX - bounds.minX;
  const double height = bounds.maxY - bounds.minY;
  if (width <= 0.0 || height <= 0.0)
    return path;
  const double scale = std::min(rect.width() / width, rect.height() / height);
  const double midX = (bounds.minX + bounds.maxX) / 2.0;
  const double midY = (bounds.minY + bounds.maxY) / 2.0;
  const QPointF centre = rect.center();
  const auto place = [&](const wendrel::DPoint& p) {
    return QPointF(centre.x() + (p.x - midX) * scale, centre.y() - (p.y - midY) * scale);
  };
  path.moveTo(place(outline.vertices[0]));
  for (int i = 1; i < outline.vertexCount; ++i)
    path.lineTo(place(outline.vertices[i]));
  path.closeSubpath();
  return path;
}

QPixmap SilhouettePixmap(const wendrel::Figure& figure, QSize size, qreal ratio,
                         const QColor& colour) {
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  // A margin of a twelfth of the side keeps pictures set side by side from touching.
  const QRectF room = QRectF(QPointF(0, 0), QSizeF(size));
  const qreal margin = std::min(room.width(), room.height()) / 12;
  painter.fillPath(FigureSilhouette(figure, room.adjusted(margin, margin, -margin, -margin)),
                   colour);
  return pixmap;
}

#include "app/picture_image.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

wendrel::PictureTrace TracePicture(const QString& path) {
  QImageReader reader(path);
  // Photos are often stored turned, with the turn noted beside them.
  reader.setAutoTransform(true);
  // Reading at the size the tracer works at spares memory and time on a large picture. A
  // drawing (SVG) is drawn at that size whatever size it gives, onto transparency, so
  // that its shapes are told from the background by their opacity.
  const QSize size = reader.size();
  const bool drawing = reader.format().startsWith("svg");
  if (size.isValid() && (drawing || std::max(size.width(), size.height()) > wendrel::kMaxTraceSide))
    reader.setScaledSize(
        size.scaled(wendrel::kMaxTraceSide, wendrel::kMaxTraceSide, Qt::KeepAspectRatio));
  const QImage image = reader.read().convertToFormat(QImage::Format_RGBA8888);
  if (image.isNull())
    return {wendrel::PictureRefusal::kEmpty, {}};
  std::vector<std::uint8_t> rgba;
  rgba.reserve(static_cast<std::size_t>(image.width()) * image.height() * 4);
  for (int row = 0; row < image.height(); ++row) {
    const uchar* line = image.constScanLine(row);
    rgba.insert(rgba.end(), line, line + static_cast<std::ptrdiff_t>(image.width()) * 4);
  }
  return wendrel::TraceMask(wendrel::MaskFromRgba(image.width(), image.height(), rgba));
}

QString PictureRefusalText(wendrel::PictureRefusal refusal) {
  return QCoreApplication::translate("PictureTrace", wendrel::PictureRefusalWording(refusal));
}

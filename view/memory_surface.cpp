#include "view/memory_surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// One row: four pixels per step, written out, so that the compiler packs them into one
// vector operation even at the optimisation level that leaves a plain loop scalar.
template <typename Combine>
void CombineRow(quint32* __restrict d, const quint32* __restrict s, int width, Combine combine) {
  int i = 0;
  for (; i + 4 <= width; i += 4) {
    d[i] = combine(d[i], s[i]);
    d[i + 1] = combine(d[i + 1], s[i + 1]);
    d[i + 2] = combine(d[i + 2], s[i + 2]);
    d[i + 3] = combine(d[i + 3], s[i + 3]);
  }
  for (; i < width; ++i)
    d[i] = combine(d[i], s[i]);
}

// The operation is chosen once per transfer, outside the row loop.
template <MemorySurface::RasterOp op>
void TransferRows(uchar* destination, qsizetype destinationStride, const uchar* source,
                  qsizetype sourceStride, int width, int height) {
  for (int row = 0; row < height; ++row) {
    // Source and destination are different bitmaps, so their rows never overlap.
    auto* d = reinterpret_cast<quint32*>(destination + row * destinationStride);
    const auto* s = reinterpret_cast<const quint32*>(source + row * sourceStride);
    if constexpr (op == MemorySurface::RasterOp::Copy) {
      std::memcpy(d, s, static_cast<size_t>(width) * sizeof(quint32));
    } else if constexpr (op == MemorySurface::RasterOp::And) {
      CombineRow(d, s, width, [](quint32 a, quint32 b) { return a & b; });
    } else {
      CombineRow(d, s, width, [](quint32 a, quint32 b) { return a | b; });
    }
  }
}

}  // namespace

void MemorySurface::CreateCompatible(qreal devicePixelRatio) {
  m_ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
}

std::unique_ptr<QImage> MemorySurface::CreateCompatibleBitmap(int width, int height) const {
  // Zeroed memory straight from the system: its pages are touched only when something is
  // drawn into them, so that making the four surfaces costs nothing at start-up. RGB32
  // ignores the top byte, so a fresh bitmap shows black until something is drawn into it.
  const int w = ToDevice(width), h = ToDevice(height);
  const qsizetype bytesPerLine = qsizetype(w) * 4;
  void* memory = std::calloc(static_cast<std::size_t>(bytesPerLine * h), 1);
  if (memory == nullptr)
    throw std::bad_alloc();
  auto bitmap = std::make_unique<QImage>(static_cast<uchar*>(memory), w, h, bytesPerLine,
                                         QImage::Format_RGB32, std::free, memory);
  bitmap->setDevicePixelRatio(m_ratio);
  return bitmap;
}

QImage* MemorySurface::SelectBitmap(QImage* bitmap) {
  QImage* previous = m_bitmap;
  m_bitmap = bitmap;
  return previous;
}

int MemorySurface::ToDevice(int logical) const {
  return qRound(logical * m_ratio);
}

void MemorySurface::FillSolidRect(const QRect& area, QRgb colour) {
  if (m_bitmap == nullptr)
    return;
  const QRect device = QRect(QPoint(ToDevice(area.left()), ToDevice(area.top())),
                             QSize(ToDevice(area.width()), ToDevice(area.height())))
                           .intersected(m_bitmap->rect());
  if (device.isEmpty())
    return;
  uchar* bits = m_bitmap->bits();
  const qsizetype stride = m_bitmap->bytesPerLine();
  // One row filled pixel by pixel, the others copied from it: a copy runs at memory speed.
  const auto rowAt = [&](int y) {
    return reinterpret_cast<quint32*>(bits + y * stride) + device.left();
  };
  const quint32* first = rowAt(device.top());
  std::fill_n(rowAt(device.top()), device.width(), colour);
  for (int y = device.top() + 1; y <= device.bottom(); ++y) {
    std::memcpy(rowAt(y), first, static_cast<size_t>(device.width()) * sizeof(quint32));
  }
}

void MemorySurface::BitBlt(int x, int y, int width, int height, const MemorySurface& source,
                           int sourceX, int sourceY, RasterOp op) {
  const QImage* from = source.m_bitmap;
  if (m_bitmap == nullptr || from == nullptr)
    return;

  int dx = ToDevice(x), dy = ToDevice(y);
  int sx = ToDevice(sourceX), sy = ToDevice(sourceY);
  int w = ToDevice(width), h = ToDevice(height);
  // Clip against the top-left corners of both bitmaps, then against their far sides.
  if (dx < 0)
    sx -= dx, w += dx, dx = 0;
  if (dy < 0)
    sy -= dy, h += dy, dy = 0;
  if (sx < 0)
    dx -= sx, w += sx, sx = 0;
  if (sy < 0)
    dy -= sy, h += sy, sy = 0;
  w = std::min({w, m_bitmap->width() - dx, from->width() - sx});
  h = std::min({h, m_bitmap->height() - dy, from->height() - sy});
  if (w <= 0 || h <= 0)
    return;

  // bits() once per transfer: it detaches a shared image, which must not happen per row.
  const qsizetype dStride = m_bitmap->bytesPerLine();
  const qsizetype sStride = from->bytesPerLine();
  uchar* d = m_bitmap->bits() + dy * dStride + dx * sizeof(quint32);
  const uchar* s = from->constBits() + sy * sStride + sx * sizeof(quint32);
  switch (op) {
    case RasterOp::Copy:
      TransferRows<RasterOp::Copy>(d, dStride, s, sStride, w, h);
      break;
    case RasterOp::And:
      TransferRows<RasterOp::And>(d, dStride, s, sStride, w, h);
      break;
    case RasterOp::Or:
      TransferRows<RasterOp::Or>(d, dStride, s, sStride, w, h);
      break;
  }
}

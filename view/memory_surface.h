#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <memory>

// A memory device context: an off-screen drawing context into which one bitmap at a
// time is selected, as the drag drawing selects its layers in turn. Coordinates are
// logical units (one unit a pixel of the screen at ratio 1, y down); on a screen with a
// device pixel ratio the bitmaps hold that many pixels per unit, so that off-screen
// pictures stay as sharp as the window they are copied to.
//
// The block transfers are plain loops over the image rows: QPainter's raster-operation
// modes give the same bits several times slower, and a drag composes a frame on every
// mouse move.
class MemorySurface {
 public:
  enum class RasterOp { Copy, And, Or };

  // A context with no device yet; HasDC() is false until CreateCompatible.
  MemorySurface() = default;

  // Makes the context usable, compatible with a screen surface of the given ratio.
  void CreateCompatible(qreal devicePixelRatio);
  bool HasDC() const { return m_ratio > 0; }

  // A bitmap of width × height logical units in the screen's colour format.
  std::unique_ptr<QImage> CreateCompatibleBitmap(int width, int height) const;

  // Selects bitmap (or none) and returns the one selected before. Allocates nothing.
  QImage* SelectBitmap(QImage* bitmap);
  QImage* SelectedBitmap() const { return m_bitmap; }

  // Fills the logical rectangle with one colour, clipped to the bitmap.
  void FillSolidRect(const QRect& area, QRgb colour);

  // Transfers the width × height area at (sourceX, sourceY) of source's bitmap to
  // (x, y) of this one, combining each pixel by op: copy, AND or OR. The area is
  // clipped to both bitmaps; offsets may be negative.
  void BitBlt(int x, int y, int width, int height, const MemorySurface& source, int sourceX,
              int sourceY, RasterOp op);

 private:
  int ToDevice(int logical) const;

  qreal m_ratio = 0;
  QImage* m_bitmap = nullptr;
};

// Selects a bitmap into a context for one scope and puts the previous one back after it.
class BitmapSelection {
 public:
  BitmapSelection(MemorySurface& dc, QImage& bitmap)
      : m_dc(dc), m_previous(dc.SelectBitmap(&bitmap)) {}
  ~BitmapSelection() { m_dc.SelectBitmap(m_previous); }
  BitmapSelection(const BitmapSelection&) = delete;
  BitmapSelection& operator=(const BitmapSelection&) = delete;

 private:
  MemorySurface& m_dc;
  QImage* m_previous;
};

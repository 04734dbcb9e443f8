#include "view/memory_surface.h"

#include <gtest/gtest.h>

namespace {

using Op = MemorySurface::RasterOp;

class MemorySurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    target.CreateCompatible(1.0);
    source.CreateCompatible(1.0);
    targetBitmap = target.CreateCompatibleBitmap(40, 30);
    sourceBitmap = source.CreateCompatibleBitmap(20, 10);
    target.SelectBitmap(targetBitmap.get());
    source.SelectBitmap(sourceBitmap.get());
    target.FillSolidRect(QRect(0, 0, 40, 30), kTargetColour);
    // The source: each pixel's colour tells where it came from.
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 20; ++x)
        sourceBitmap->setPixel(x, y, SourceColour(x, y));
    }
  }
  static QRgb SourceColour(int x, int y) { return qRgb(x * 10, y * 20, 0x5a); }
  QRgb At(int x, int y) const { return targetBitmap->pixel(x, y); }

  static constexpr QRgb kTargetColour = qRgb(0x33, 0xcc, 0x0f);
  MemorySurface target, source;
  std::unique_ptr<QImage> targetBitmap, sourceBitmap;
};

TEST(MemorySurface, AFreshContextHasNoDeviceAndABitmapStartsBlack) {
  MemorySurface dc;
  EXPECT_FALSE(dc.HasDC());
  dc.CreateCompatible(1.0);
  EXPECT_TRUE(dc.HasDC());
  const std::unique_ptr<QImage> bitmap = dc.CreateCompatibleBitmap(960, 800);
  EXPECT_EQ(bitmap->size(), QSize(960, 800));
  EXPECT_EQ(bitmap->format(), QImage::Format_RGB32);
  EXPECT_EQ(bitmap->pixel(500, 400), qRgb(0, 0, 0));
}

TEST_F(MemorySurfaceTest, SelectingABitmapGivesBackThePreviousOne) {
  QImage other(4, 4, QImage::Format_RGB32);
  EXPECT_EQ(target.SelectBitmap(&other), targetBitmap.get());
  EXPECT_EQ(target.SelectBitmap(nullptr), &other);
  {
    const BitmapSelection selection(target, other);
    EXPECT_EQ(target.SelectedBitmap(), &other);
  }
  EXPECT_EQ(target.SelectedBitmap(), nullptr);
}

TEST_F(MemorySurfaceTest, FillSolidRectFillsOnlyTheRectangleAndClips) {
  target.FillSolidRect(QRect(35, 25, 10, 10), qRgb(1, 2, 3));
  EXPECT_EQ(At(35, 25), qRgb(1, 2, 3));
  EXPECT_EQ(At(39, 29), qRgb(1, 2, 3));
  EXPECT_EQ(At(34, 29), kTargetColour);
  EXPECT_EQ(At(39, 24), kTargetColour);
}

TEST_F(MemorySurfaceTest, CopyPutsTheSourceAreaAtTheOffset) {
  target.BitBlt(5, 7, 4, 3, source, 2, 1, Op::Copy);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool inside = x >= 5 && x < 9 && y >= 7 && y < 10;
      ASSERT_EQ(At(x, y), inside ? SourceColour(x - 3, y - 6) : kTargetColour) << x << "," << y;
    }
  }
}

TEST_F(MemorySurfaceTest, AndAndOrCombineEachPixelBitByBit) {
  target.BitBlt(0, 0, 20, 10, source, 0, 0, Op::And);
  EXPECT_EQ(At(3, 4), kTargetColour & SourceColour(3, 4));
  EXPECT_EQ(At(19, 9), kTargetColour & SourceColour(19, 9));
  target.FillSolidRect(QRect(0, 0, 40, 30), kTargetColour);
  target.BitBlt(0, 0, 20, 10, source, 0, 0, Op::Or);
  EXPECT_EQ(At(3, 4), kTargetColour | SourceColour(3, 4));
  EXPECT_EQ(At(20, 9), kTargetColour);  // beyond the transferred area
}

TEST_F(MemorySurfaceTest, ANegativeOffsetClipsAtTheTopLeft) {
  target.BitBlt(-3, -2, 20, 10, source, 0, 0, Op::Copy);
  EXPECT_EQ(At(0, 0), SourceColour(3, 2));
  EXPECT_EQ(At(16, 7), SourceColour(19, 9));
  EXPECT_EQ(At(17, 0), kTargetColour);
  EXPECT_EQ(At(0, 8), kTargetColour);
}

TEST_F(MemorySurfaceTest, AnAreaPastEitherBitmapIsClipped) {
  // Past the target's far corner: only 5 × 4 pixels fit.
  target.BitBlt(35, 26, 20, 10, source, 0, 0, Op::Copy);
  EXPECT_EQ(At(39, 29), SourceColour(4, 3));
  EXPECT_EQ(At(34, 29), kTargetColour);
  // Past the source's: the area stops where the source does.
  target.BitBlt(0, 0, 40, 30, source, 15, 5, Op::Copy);
  EXPECT_EQ(At(4, 4), SourceColour(19, 9));
  EXPECT_EQ(At(5, 0), kTargetColour);
  EXPECT_EQ(At(0, 5), kTargetColour);
  // A negative source origin moves the picture right and down.
  target.FillSolidRect(QRect(0, 0, 40, 30), kTargetColour);
  target.BitBlt(0, 0, 10, 10, source, -4, -3, Op::Copy);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool inside = x >= 4 && x < 10 && y >= 3 && y < 10;
      ASSERT_EQ(At(x, y), inside ? SourceColour(x - 4, y - 3) : kTargetColour) << x << "," << y;
    }
  }
}

TEST_F(MemorySurfaceTest, AnAreaWhollyOutsideChangesNothing) {
  target.BitBlt(40, 0, 5, 5, source, 0, 0, Op::Copy);
  target.BitBlt(-20, 0, 20, 5, source, 0, 0, Op::Copy);
  target.BitBlt(0, 0, 5, 5, source, 20, 0, Op::Copy);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x)
      ASSERT_EQ(At(x, y), kTargetColour);
  }
}

TEST(MemorySurface, AtARatioOfTwoEveryUnitIsTwoPixels) {
  MemorySurface target, source;
  target.CreateCompatible(2.0);
  source.CreateCompatible(2.0);
  const std::unique_ptr<QImage> t = target.CreateCompatibleBitmap(10, 10);
  const std::unique_ptr<QImage> s = source.CreateCompatibleBitmap(10, 10);
  EXPECT_EQ(t->size(), QSize(20, 20));
  EXPECT_EQ(t->devicePixelRatio(), 2.0);
  target.SelectBitmap(t.get());
  source.SelectBitmap(s.get());
  target.FillSolidRect(QRect(0, 0, 10, 10), qRgb(255, 255, 255));
  source.FillSolidRect(QRect(1, 1, 1, 1), qRgb(9, 9, 9));

  target.BitBlt(3, 4, 2, 2, source, 1, 1, Op::Copy);

  EXPECT_EQ(t->pixel(6, 8), qRgb(9, 9, 9));
  EXPECT_EQ(t->pixel(7, 9), qRgb(9, 9, 9));
  EXPECT_EQ(t->pixel(5, 8), qRgb(255, 255, 255));
  EXPECT_EQ(t->pixel(8, 8), qRgb(0, 0, 0));  // the source's unfilled black
}

}  // namespace

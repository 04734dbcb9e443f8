#include "view/piece_painter.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <set>

namespace {

TEST(ModelToLogical, TheFractionIsDroppedBeforeTheOriginIsApplied) {
  EXPECT_EQ(ModelToLogical({-0.5, 0.5}), QPoint(460, 350));
  EXPECT_EQ(ModelToLogical({10.9, -10.9}), QPoint(470, 360));
  EXPECT_EQ(ModelToLogical({-460.0, 350.0}), QPoint(0, 0));
  EXPECT_EQ(ModelToLogical({499.99, -449.99}), QPoint(959, 799));
}

TEST(PiecePainter, TrianglesAreFilledFlatWithNoOutlineAndThePainterIsGivenBack) {
  QImage image(60, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  const QPen pen(Qt::red, 3);
  painter.setPen(pen);
  painter.setRenderHint(QPainter::Antialiasing, true);
  {
    PiecePainter pieces(painter);
    // PiecePainter draws through the painter's brush; one triangle with a slanted side.
    painter.setBrush(QColor(0, 128, 0));
    const QPoint corners[3] = {{5, 5}, {50, 12}, {20, 55}};
    painter.drawConvexPolygon(corners, 3);
  }
  EXPECT_EQ(painter.pen(), pen);
  EXPECT_TRUE(painter.testRenderHint(QPainter::Antialiasing));
  painter.end();

  std::set<QRgb> colours;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 60; ++x)
      colours.insert(image.pixel(x, y));
  }
  EXPECT_EQ(colours, (std::set<QRgb>{qRgb(255, 255, 255), qRgb(0, 128, 0)}));
}

}  // namespace

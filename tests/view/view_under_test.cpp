#include <gtest/gtest.h>

#include "tests/view/view_under_test.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "tests/view/expected_picture.h"

void ViewTest::SetUp() {
  ShowView(QSize(1000, 860));
}

void ViewTest::TearDown() {
  view.reset();
}

void ViewTest::ShowView(QSize size) {
  view = std::make_unique<ViewUnderTest>(services);
  view->resize(size);
  view->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  view->OnInitialUpdate();
}

void ViewTest::ResizeViewport(QSize size) {
  view->resize(size + (view->size() - view->viewport()->size()));
  QApplication::processEvents();
  ASSERT_EQ(view->viewport()->size(), size);
}

void ViewTest::Generate(int seed) {
  view->SetNextSeed(seed);
  view->OnGenerate();
}

QImage ViewTest::Picture() const {
  return view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage ViewTest::WindowPicture() const {
  QWidget* window = view->window();
  const QRect viewport(view->viewport()->mapTo(window, QPoint(0, 0)), view->viewport()->size());
  return window->screen()
      ->grabWindow(window->winId(), viewport.x(), viewport.y(), viewport.width(), viewport.height())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

QRect ViewTest::VisibleLogical() const {
  return QRect(ScrollPosition(), view->viewport()->size());
}

QPoint ViewTest::ScrollPosition() const {
  return QPoint(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
}

QPoint ViewTest::LogicalToDevice(QPoint logical) const {
  return logical - ScrollPosition();
}

QRgb ViewTest::PixelAtLogical(const QImage& picture, QPoint logical) const {
  const qreal ratio = picture.devicePixelRatio();
  const QPoint device = LogicalToDevice(logical);
  return picture.pixel(qRound(device.x() * ratio), qRound(device.y() * ratio)) & 0xffffff;
}

void ViewTest::ExpectPictureShowsModel() const {
  const ModelPicture model(view->Pieces());
  const QImage picture = Picture();
  const QRgb background = view->viewport()->palette().color(QPalette::Base).rgb() & 0xffffff;
  const QRect visible(ScrollPosition(), view->viewport()->size());
  int wrong = 0;
  for (int y = visible.top() + 2; y < visible.bottom() - 2; y += 6) {
    for (int x = visible.left() + 2; x < visible.right() - 2; x += 6) {
      if (!model.ClearOfEdges({x, y}, 2))
        continue;
      const std::optional<int> top = model.TopPieceAt({x, y});
      const QRgb expected = top ? PieceRgb(*top) : background;
      if (PixelAtLogical(picture, {x, y}) != expected && ++wrong <= 3) {
        ADD_FAILURE() << "at logical " << x << "," << y;
      }
    }
  }
  EXPECT_EQ(wrong, 0);
}

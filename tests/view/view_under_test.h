#pragma once

#include <QEvent>
#include <QImage>
#include <QWidget>
#include <memory>

#include "tests/support/recording_user_services.h"
#include "view/morvane_view.h"

// The game record that a view under test plays, which the application owns in the
// program; a base, so that it is made before the view that it is lent to.
struct OwnGame {
  wendrel::PuzzleGame game;
};

// The real view with its drawing hooks opened up for tests.
class ViewUnderTest : private OwnGame, public CMorvaneView {
 public:
  explicit ViewUnderTest(UserServices& services, QWidget* parent = nullptr)
      : CMorvaneView(services, game, parent) {}
  using CMorvaneView::OnDraw;
  using CMorvaneView::PrintAndReport;
  using CMorvaneView::PrintOn;
};

// Counts the paint events a widget receives while it lives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) : m_widget(widget) { widget->installEventFilter(this); }
  ~PaintCounter() override { m_widget->removeEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      ++count;
    return false;
  }

  int count = 0;

 private:
  QWidget* m_widget;
};

// A shown, initialised view with a recorder for the desktop, on the offscreen platform.
// The default window leaves the whole surface visible without scrolling.
class ViewTest : public ::testing::Test {
 protected:
  static constexpr int kSeed = 1000;         // a seed whose puzzle can be made
  static constexpr int kFailingSeed = 3752;  // a seed whose triangulation fails

  void SetUp() override;
  void TearDown() override;

  // Shows the view at the given outer size and runs its first initial update.
  void ShowView(QSize size);
  // Resizes the view so that its viewport has the given size.
  void ResizeViewport(QSize size);
  void Generate(int seed);
  // What the viewport shows now, one image pixel per device pixel.
  QImage Picture() const;
  // What has been drawn into the window where the viewport lies, as the screen has it:
  // unlike Picture(), nothing is painted again for it.
  QImage WindowPicture() const;
  // The logical rectangle that the viewport shows.
  QRect VisibleLogical() const;
  // Colour (no alpha) of picture at the device point of a logical point.
  QRgb PixelAtLogical(const QImage& picture, QPoint logical) const;
  QPoint LogicalToDevice(QPoint logical) const;
  QPoint ScrollPosition() const;
  // Checks that the window shows what the model says at every visible point clear of
  // edges, sampled on a grid: the top piece's colour, or the background.
  void ExpectPictureShowsModel() const;

  RecordingUserServices services;
  std::unique_ptr<ViewUnderTest> view;
};

#include "view/figure_pane.h"

#include <QPainter>

#include "view/figure_silhouette.h"

namespace {

// The pane's side in lines of the pane's font: large enough to make out a figure's
// features, small beside the play area.
constexpr int kSideLines = 10;
constexpr int kMinimumSideLines = 4;

}  // namespace

CFigurePane::CFigurePane(const wendrel::PuzzleGame& game, QWidget* parent)
    : QWidget(parent), m_game(game) {
  // paintEvent covers every pixel with the scheme's base colour.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

const wendrel::Figure& CFigurePane::Shown() const {
  return m_game.HasPuzzle() ? m_game.PuzzleFigure() : *m_game.NextFigure();
}

QSize CFigurePane::sizeHint() const {
  const int side = kSideLines * fontMetrics().height();
  return QSize(side, side);
}

QSize CFigurePane::minimumSizeHint() const {
  const int side = kMinimumSideLines * fontMetrics().height();
  return QSize(side, side);
}

void CFigurePane::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The play area's colours, so that the target reads as the pieces' place in any scheme.
  painter.fillRect(rect(), palette().color(QPalette::Base));
  painter.setRenderHint(QPainter::Antialiasing);
  // Half a line of room, so that the figure does not touch the pane's edges.
  const int margin = fontMetrics().height() / 2;
  const QRectF room = QRectF(rect()).adjusted(margin, margin, -margin, -margin);
  painter.fillPath(FigureSilhouette(Shown(), room), palette().color(QPalette::Text));
}

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include "view/morvane_view.h"

namespace {

// The notice's title is this many times the size of the window's text, so that it reads
// from across the room.
constexpr qreal kTitleScale = 2.5;

}  // namespace

void CMorvaneView::SetClockPaused(bool minimised) {
  m_bMinimised = minimised;
  SyncPause();
}

void CMorvaneView::SetPaused(bool paused) {
  // A drag's layers and its release belong to the board as it lies: hiding it mid-drag
  // would leave a drop that the player cannot see.
  if (paused == m_bPaused || (paused && m_bDragging != 0))
    return;
  m_bPaused = paused;
  SyncPause();
  viewport()->update();
  emit PauseChanged(paused);
}

void CMorvaneView::SyncPause() {
  m_game.Pause(m_bMinimised || m_bPaused, Now());
}

void CMorvaneView::DrawPauseNotice(QPainter& dc) const {
  // In window pixels, not logical units: the notice sits in the middle of what the window
  // shows, wherever it is scrolled to. The colours are the scheme's, as the board's are.
  const QPalette& palette = viewport()->palette();
  const QRect window = viewport()->rect();
  dc.fillRect(window, palette.color(QPalette::Base));

  QFont titleFont = viewport()->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * kTitleScale);
  titleFont.setBold(true);
  const QString title = tr("Paused");
  const QString prompt = tr("Press P or click to go on playing");
  const int titleHeight = QFontMetrics(titleFont).height();
  const int promptHeight = QFontMetrics(viewport()->font()).height();
  const int top = window.center().y() - (titleHeight + promptHeight) / 2;

  dc.setPen(palette.color(QPalette::Text));
  dc.setFont(titleFont);
  dc.drawText(QRect(window.left(), top, window.width(), titleHeight), Qt::AlignCenter, title);
  dc.setPen(palette.color(QPalette::PlaceholderText));
  dc.setFont(viewport()->font());
  dc.drawText(QRect(window.left(), top + titleHeight, window.width(), promptHeight),
              Qt::AlignCenter, prompt);
}

#include "view/morvane_view.h"

// The playing time: the record keeps the time as data, the view reads the clock. The clock
// runs while the record says the player's time counts and the window is not minimised.

std::int64_t CMorvaneView::PlayingMs() const {
  return m_game.PlayingMs() + (m_clock.isValid() ? m_clock.elapsed() : 0);
}

const wendrel::PuzzleGame& CMorvaneView::GameToSave() {
  StopClock();
  SyncClock();
  return m_game;
}

void CMorvaneView::SetClockPaused(bool paused) {
  m_bClockPaused = paused;
  SyncClock();
}

void CMorvaneView::SyncClock() {
  if (!m_game.ClockRuns() || m_bClockPaused)
    StopClock();
  else if (!m_clock.isValid())
    m_clock.start();
}

void CMorvaneView::StopClock() {
  if (!m_clock.isValid())
    return;
  m_game.AddPlayingTime(m_clock.elapsed());
  m_clock.invalidate();
}

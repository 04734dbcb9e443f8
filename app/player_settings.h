#pragma once

#include <optional>

#include "assembly/solve_book.h"
#include "assembly/solve_stats.h"
#include "shapes/shape_catalogue.h"

class QMainWindow;

// What the program keeps for the player across runs, in its settings: the shape chosen
// last, whether the timer shows, the statistics of each shape, and the main window's size,
// place and state.

std::optional<wendrel::Shape> SavedShape();
void SaveShape(wendrel::Shape shape);

bool RememberGameOnExit();
void SaveRememberGameOnExit(bool on);

bool TimerShown();
void SaveTimerShown(bool shown);

// Whether the pane with the figure being played shows; it does until the player hides it.
bool FigureOutlineShown();
void SaveFigureOutlineShown(bool shown);

wendrel::SolveStats SavedSolveStats(wendrel::Shape shape);
// The settings' statistics as the game record books its solves into them.
class SettingsSolveBook : public wendrel::SolveBook {
 public:
  wendrel::SolveStats Read(wendrel::Shape shape) const override { return SavedSolveStats(shape); }
  void Write(wendrel::Shape shape, const wendrel::SolveStats& stats) override;
};
void SaveSolveStats(wendrel::Shape shape, const wendrel::SolveStats& stats);
// Forgets the statistics of every shape.
void ClearSolveStats();

// The window's geometry (maximised and full screen included) and its bars, as the last run
// left them. Before the window is first shown; with nothing saved the window keeps the size
// it would have had.
void RestoreWindowLayout(QMainWindow& window);
void SaveWindowLayout(const QMainWindow& window);

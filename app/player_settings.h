#pragma once

#include <optional>
#include <string>
#include <vector>

#include "assembly/solve_book.h"
#include "assembly/solve_stats.h"
#include "shapes/shape_catalogue.h"

class QMainWindow;

// What the program keeps for the player across runs, in its settings: the figure and the
// piece count chosen last, whether the timer shows, the statistics of each kind of puzzle,
// and the main window's size, place and state.

// The name of the figure chosen last; empty when none was.
std::string SavedFigureName();
void SaveFigureName(const std::string& name);
// The piece count chosen last, 0 for each figure's own.
int SavedPieces();
void SavePieces(int pieces);

bool RememberGameOnExit();
void SaveRememberGameOnExit(bool on);

bool TimerShown();
void SaveTimerShown(bool shown);

// Whether the pane with the figure being played shows; it does until the player hides it.
bool FigureOutlineShown();
void SaveFigureOutlineShown(bool shown);

wendrel::SolveStats SavedSolveStats(const wendrel::PuzzleKind& kind);
// The settings' statistics as the game record books its solves into them.
class SettingsSolveBook : public wendrel::SolveBook {
 public:
  wendrel::SolveStats Read(const wendrel::PuzzleKind& kind) const override {
    return SavedSolveStats(kind);
  }
  void Write(const wendrel::PuzzleKind& kind, const wendrel::SolveStats& stats) override;
};
void SaveSolveStats(const wendrel::PuzzleKind& kind, const wendrel::SolveStats& stats);
// Every kind the settings hold statistics for, in no particular order.
std::vector<wendrel::PuzzleKind> SavedSolveKinds();
// Forgets the statistics of every kind.
void ClearSolveStats();

// The window's geometry (maximised and full screen included) and its bars, as the last run
// left them. Before the window is first shown; with nothing saved the window keeps the size
// it would have had.
void RestoreWindowLayout(QMainWindow& window);
void SaveWindowLayout(const QMainWindow& window);

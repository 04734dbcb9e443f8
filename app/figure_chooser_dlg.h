#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "assembly/puzzle_game.h"
#include "assembly/solve_stats.h"
#include "shapes/shape_catalogue.h"
#include "shapes/shape_outline.h"

class QListWidget;
class QPushButton;

// One figure the chooser offers: what the player reads of it, the outline its tile shows,
// and how the player has done with it at the piece count it is offered with.
struct FigureChoice {
  wendrel::Shape shape;
  QString name;
  int pieces;
  const wendrel::ShapeOutline* outline;
  wendrel::SolveStats stats;
};

// The built-in figures in the Shape menu's order, each at its own piece count, with the
// statistics that book holds for it.
std::vector<FigureChoice> BuiltInFigures(const wendrel::SolveBook& book);

// The figures as a grid of tiles, in the order given: each drawn whole from its outline,
// with its name and, once solved, a mark and the best time. The arrows, Home and End move
// through the grid; Return, OK or a double click choose a figure, Escape or Cancel none.
class CFigureChooserDlg : public QDialog {
  Q_OBJECT

 public:
  // The tile of current has the cursor when the dialog opens.
  CFigureChooserDlg(std::vector<FigureChoice> figures, wendrel::Shape current,
                    QWidget* parent = nullptr);

  // The figure the player chose; none unless the dialog ended with a choice.
  std::optional<wendrel::Shape> Chosen() const;

 private:
  void fillTiles(wendrel::Shape current);
  // The cell every tile takes: room for the picture and for the longest line of text of
  // any tile, in the player's language and font.
  QSize tileSize() const;

  std::vector<FigureChoice> m_figures;
  QListWidget* m_pList;
  QPushButton* m_pOk = nullptr;
};

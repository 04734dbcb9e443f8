#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "assembly/puzzle_game.h"
#include "assembly/solve_stats.h"
#include "shapes/figure.h"

class MyFigures;
class QComboBox;
class QListWidget;
class QPushButton;

// One figure the chooser offers: what the player reads of it, and how the player has done
// with it at the piece count it is offered with.
struct FigureChoice {
  wendrel::FigureRef figure;
  QString name;
  int pieces;
  wendrel::SolveStats stats;
  bool mine;
};

// Every figure, the built-in ones first, then the box's, then the player's own, each at
// pieces (0 for each figure's own count), with the statistics that book holds for it.
std::vector<FigureChoice> FigureChoices(const MyFigures& mine, const wendrel::SolveBook& book,
                                        int pieces);

// The figures as a grid of tiles, in the order given: each drawn whole from its outline,
// with its name and, once solved at the chosen piece count, a mark and the best time. The
// arrows, Home and End move through the grid; Return, OK or a double click choose a figure,
// Escape or Cancel none. Pieces picks the count; Remove forgets a figure of the player's.
class CFigureChooserDlg : public QDialog {
  Q_OBJECT

 public:
  // The tile of current has the cursor when the dialog opens.
  CFigureChooserDlg(MyFigures& mine, const wendrel::SolveBook& book,
                    const wendrel::FigureRef& current, int pieces, QWidget* parent = nullptr);

  // The figure the player chose and the piece count (0 for its own); none unless the
  // dialog ended with a choice.
  std::optional<std::pair<wendrel::FigureRef, int>> Chosen() const;

 private:
  void fillTiles(const std::string& current);
  void removeChosen();
  int pieces() const;
  const FigureChoice* selected() const;
  // The cell every tile takes: room for the picture and for the longest line of text of
  // any tile, in the player's language and font.
  QSize tileSize() const;

  MyFigures& m_mine;
  const wendrel::SolveBook& m_book;
  std::vector<FigureChoice> m_figures;
  QListWidget* m_pList;
  QComboBox* m_pPieces;
  QPushButton* m_pOk = nullptr;
  QPushButton* m_pRemove = nullptr;
};

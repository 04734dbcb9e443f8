#pragma once

#include <QWidget>

#include "assembly/puzzle_game.h"
#include "shapes/shape_catalogue.h"

// The target: the figure being played, whole, beside the play area, so that a player can
// see what the pieces make without solving. Before the first puzzle it shows the figure
// that Generate will cut. It draws from the record each time it paints; whoever changes
// the puzzle or the chosen figure asks it to repaint.
class CFigurePane : public QWidget {
  Q_OBJECT

 public:
  explicit CFigurePane(const wendrel::PuzzleGame& game, QWidget* parent = nullptr);

  const wendrel::Figure& Shown() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const wendrel::PuzzleGame& m_game;
};

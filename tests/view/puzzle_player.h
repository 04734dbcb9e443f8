#pragma once

#include <QPoint>
#include <QRect>

#include "tests/view/mouse_driver.h"
#include "view/morvane_view.h"

// Plays the view's puzzle through mouse events alone, working out from the model where
// to click and how far to drag. Groups are named by one of their pieces, since every
// click reorders the group table.
class PuzzlePlayer {
 public:
  PuzzlePlayer(const CMorvaneView& view, MouseDriver& mouse) : m_view(view), m_mouse(mouse) {}

  // One click or double click on moving's group towards the turn and mirror of fixed's.
  // False when they already match or no point of moving's group can be clicked.
  bool TurnTowards(int movingPiece, int fixedPiece);
  // Drags moving's group to its solved place next to fixed's, missed by modelOffset
  // (model units). False when no press point gives a release inside the view.
  bool DropNextTo(int movingPiece, int fixedPiece, QPoint modelOffset = QPoint());
  // One step towards the solution: a turn, a mirror or a drop that joins a group to the
  // one holding piece 0, or else a move of that group that opens new ways. False when
  // no step can be found.
  bool Step();

 private:
  bool TryJoin(int movingPiece, int fixedPiece);
  bool Recentre(int g);
  // Where the view shows logical points now, in logical units.
  QRect VisibleArea() const;
  QPoint ToDevice(QPoint logical) const { return logical - VisibleArea().topLeft(); }

  const CMorvaneView& m_view;
  MouseDriver& m_mouse;
};

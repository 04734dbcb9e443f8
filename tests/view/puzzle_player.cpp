#include "tests/view/puzzle_player.h"

#include <QScrollBar>
#include <cmath>

#include "tests/view/puzzle_moves.h"
#include "view/piece_painter.h"

using wendrel::DPoint;
using wendrel::PieceSet;

QRect PuzzlePlayer::VisibleArea() const {
  const QPoint scroll(m_view.horizontalScrollBar()->value(), m_view.verticalScrollBar()->value());
  return QRect(scroll, m_view.viewport()->size());
}

bool PuzzlePlayer::TurnTowards(int movingPiece, int fixedPiece) {
  const PieceSet& pieces = m_view.Pieces();
  const int moving = GroupOf(pieces, movingPiece);
  const wendrel::PieceGroup& m = pieces.Group(moving);
  const wendrel::PieceGroup& f = pieces.Group(GroupOf(pieces, fixedPiece));
  if (m.flipped == f.flipped && m.rotation == f.rotation)
    return false;
  const std::vector<QPoint> points = GrabPoints(pieces, moving, VisibleArea());
  if (points.empty())
    return false;
  const QPoint at = ToDevice(points.front());
  if (m.flipped != f.flipped) {
    m_mouse.DoubleClick(Qt::LeftButton, at);
    return true;
  }
  // A right click turns one step clockwise on the screen: down the steps when not
  // mirrored, up them when mirrored.
  const int steps =
      m.flipped ? (f.rotation - m.rotation + 12) % 12 : (m.rotation - f.rotation + 12) % 12;
  if (steps >= 2) {
    m_mouse.DoubleClick(Qt::RightButton, at);
  } else {
    m_mouse.Click(Qt::RightButton, at);
  }
  return true;
}

bool PuzzlePlayer::DropNextTo(int movingPiece, int fixedPiece, QPoint modelOffset) {
  const PieceSet& pieces = m_view.Pieces();
  const int moving = GroupOf(pieces, movingPiece);
  const DPoint shift = SolvedDisplacement(pieces, moving, GroupOf(pieces, fixedPiece));
  // On the screen y runs down.
  const QPoint travel(static_cast<int>(std::lround(shift.x)) + modelOffset.x(),
                      -static_cast<int>(std::lround(shift.y)) - modelOffset.y());
  const QRect visible = VisibleArea();
  for (const QPoint& press : GrabPoints(pieces, moving, visible)) {
    if (!visible.contains(press + travel))
      continue;
    m_mouse.Drag(ToDevice(press), ToDevice(press + travel));
    return true;
  }
  return false;
}

bool PuzzlePlayer::TryJoin(int movingPiece, int fixedPiece) {
  const PieceSet& pieces = m_view.Pieces();
  const int moving = GroupOf(pieces, movingPiece);
  // Whether the moving group's pivot would land well inside the view once it fits; the
  // turn only changes where its points lie around the pivot.
  const DPoint shift = SolvedDisplacement(pieces, moving, GroupOf(pieces, fixedPiece));
  const wendrel::PieceGroup& m = pieces.Group(moving);
  const QPoint landing = ModelToLogical(DPoint{m.position.x + shift.x, m.position.y + shift.y});
  if (!VisibleArea().adjusted(30, 30, -30, -30).contains(landing))
    return false;
  return TurnTowards(movingPiece, fixedPiece) || DropNextTo(movingPiece, fixedPiece);
}

bool PuzzlePlayer::Step() {
  const PieceSet& pieces = m_view.Pieces();
  const int anchor = GroupOf(pieces, 0);
  // Bring a neighbour to the growing puzzle; failing that, take the puzzle to one.
  for (const bool toPuzzle : {true, false}) {
    for (int g = 0; g < pieces.GroupCount(); ++g) {
      if (g == anchor || !GroupsAdjacent(pieces, anchor, g))
        continue;
      const int neighbour = pieces.Group(g).pieces[0];
      if (toPuzzle ? TryJoin(neighbour, 0) : TryJoin(0, neighbour))
        return true;
    }
  }
  return Recentre(anchor);
}

bool PuzzlePlayer::Recentre(int g) {
  // Stuck: the growing puzzle covers the neighbours, or lies where they cannot be
  // brought. Take it towards the middle of the view, on a path the join test cannot
  // match by chance, and look again.
  const PieceSet& pieces = m_view.Pieces();
  const QRect visible = VisibleArea();
  const QPoint pivot = ModelToLogical(pieces.Group(g).position);
  const QPoint travel = (visible.center() - pivot) / 2 + QPoint(37, 23);
  for (const QPoint& press : GrabPoints(pieces, g, visible)) {
    if (!visible.contains(press + travel))
      continue;
    m_mouse.Drag(ToDevice(press), ToDevice(press + travel));
    return true;
  }
  return false;
}

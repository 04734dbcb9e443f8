#pragma once

#include <cstdint>
#include <memory>

#include "assembly/group_history.h"
#include "assembly/piece_set.h"
#include "assembly/play_area.h"
#include "shapes/shape_catalogue.h"
#include "shapes/shape_library.h"

namespace wendrel {

class PuzzleGenerator;

// The puzzle being played: which puzzle it is (its shape and number), its pieces and the
// history of the player's moves. Every change of the groups goes through here in one
// order: open a history step, raise the group, change it, keep it in reach, close the
// step. So a move by mouse, by key or by any other road is undone and redone alike, and
// no recorded table leaves a group where the player cannot reach it.
//
// Where the player can reach is the view's to say: every operation that can move a group
// is given the visible area.
class PuzzleGame {
 public:
  enum class Change { kTurn, kTurnBack, kMirror };

  PuzzleGame();
  ~PuzzleGame();
  PuzzleGame(const PuzzleGame&) = delete;
  PuzzleGame& operator=(const PuzzleGame&) = delete;

  // Cuts puzzle number from shape and scatters it, replacing the game in progress with
  // a fresh history. Returns whether a puzzle was made; on failure nothing changes.
  bool Generate(Shape shape, std::int32_t number);

  bool HasPuzzle() const { return m_bHasPuzzle; }
  Shape PuzzleShape() const { return m_shape; }
  std::int32_t Number() const { return m_nNumber; }
  const PieceSet& Pieces() const { return m_pieces; }
  bool Solved() const { return m_bHasPuzzle && m_pieces.GroupCount() == 1; }

  // A drag: Grab raises group g to the front and opens a step; Drop moves the front
  // group by (dx, dy) model units, joins it where it fits and ends the move. Returns
  // whether this drop joined the last two groups.
  void Grab(int g);
  bool Drop(int dx, int dy, const PlayArea& area);
  // A turn or a mirror of group g, as one step.
  void ChangeGroup(int g, Change change, const PlayArea& area);
  // Every piece back where this puzzle's scatter put it, ungrouped, as one step. Returns
  // whether anything moved.
  bool Restart();

  // Help for a player who is stuck, each as one step that undo takes back. Hint joins
  // one more group to the selected group (or, with selected -1, the largest) and counts
  // the hint, which undo does not take back; Solve joins every group. Each returns
  // whether anything joined.
  bool Hint(int selected, const PlayArea& area);
  bool Solve(const PlayArea& area);
  int Hints() const { return m_nHints; }
  bool SolvedByProgram() const { return m_bSolvedByProgram; }
  // Whether the puzzle was, or is being, solved with help.
  bool Helped() const { return m_nHints > 0 || m_bSolvedByProgram; }

  // The playing time. The view reads the clock; the record keeps the time as data. The
  // clock runs from the first gesture after a Generate or a Restart until the puzzle is
  // solved; undo and redo do not touch it.
  std::int64_t PlayingMs() const { return m_nPlayingMs; }
  void AddPlayingTime(std::int64_t ms) { m_nPlayingMs += ms; }
  bool ClockRuns() const { return m_bStarted && !Solved(); }
  // Whether the last move solved this puzzle for the first time: a solve undone and
  // made again counts once.
  bool FirstSolve() const { return m_bFirstSolve; }

  // Neither acts during a drag or when there is nothing to take back; each returns
  // whether it changed the pieces. A table from a larger window is brought into area.
  bool Undo(const PlayArea& area);
  bool Redo(const PlayArea& area);
  bool CanUndo() const { return !m_history.IsOpen() && m_history.UndoCount() > 0; }
  bool CanRedo() const { return !m_history.IsOpen() && m_history.RedoCount() > 0; }

  // Brings every group with no vertex in area back into it, as a window that shrank
  // needs; returns whether any moved.
  bool BringBack(const PlayArea& area);

 private:
  // The one start and end of every move: the start starts the clock; the end keeps the
  // front group in reach, then closes the step. Returns whether this move solved the
  // puzzle.
  void Start();
  bool Finish(const PlayArea& area);

  ShapeLibrary m_shapes;
  // Large, and needed only while a puzzle is cut: kept off the record's own storage.
  std::unique_ptr<PuzzleGenerator> m_pGenerator;
  PieceSet m_pieces;
  GroupHistory m_history;
  // The groups as the scatter left them, for Restart.
  GroupTable m_scattered;
  bool m_bHasPuzzle = false;
  Shape m_shape = kDefaultShape;
  std::int32_t m_nNumber = 0;
  std::int64_t m_nPlayingMs = 0;
  int m_nHints = 0;
  bool m_bSolvedByProgram = false;
  bool m_bStarted = false;
  bool m_bSolvedBefore = false;
  bool m_bFirstSolve = false;
  int m_nGroupsAtStart = 0;
};

}  // namespace wendrel

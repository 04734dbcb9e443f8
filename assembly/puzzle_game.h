#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "assembly/group_history.h"
#include "assembly/piece_set.h"
#include "assembly/play_area.h"
#include "shapes/shape_catalogue.h"
#include "shapes/shape_library.h"

namespace wendrel {

class PuzzleGenerator;

// How far the player has come with one puzzle, beyond where its groups lie.
struct PuzzleProgress {
  std::int64_t playingMs = 0;
  int hints = 0;
  bool solvedByProgram = false;
  // The clock runs from the first gesture after a Generate or a Restart.
  bool started = false;
  // Some move has solved the puzzle: a solve undone and made again counts once.
  bool solvedBefore = false;
};

// Everything a saved game holds: the history of states, oldest first, with the index of
// the state on the board, and the progress with the puzzle on the board.
struct SavedGame {
  std::vector<PuzzleState> states;
  std::size_t current = 0;
  PuzzleProgress progress;
};

// The puzzle being played: which puzzle it is (its shape and number), its pieces and the
// history of the player's moves. Every change of the groups goes through here in one
// order: open a history step, raise the group, change it, keep it in reach, close the
// step. So a move by mouse, by key or by any other road is undone and redone alike, and
// no recorded table leaves a group where the player cannot reach it. A new puzzle is a
// step too, so that a Generate made by mistake can be taken back.
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

  // Cuts puzzle number from shape and scatters it, as one step that undo takes back.
  // Returns whether a puzzle was made; on failure nothing changes.
  bool Generate(Shape shape, std::int32_t number);

  bool HasPuzzle() const { return m_bHasPuzzle; }
  PuzzleId Id() const { return m_id; }
  Shape PuzzleShape() const { return m_id.shape; }
  std::int32_t Number() const { return m_id.number; }
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
  int Hints() const { return m_progress.hints; }
  bool SolvedByProgram() const { return m_progress.solvedByProgram; }
  // Whether the puzzle was, or is being, solved with help.
  bool Helped() const { return m_progress.hints > 0 || m_progress.solvedByProgram; }

  // The playing time. The view reads the clock; the record keeps the time as data. The
  // clock runs from the first gesture after a Generate or a Restart until the puzzle is
  // solved; undo and redo within a puzzle do not touch it.
  std::int64_t PlayingMs() const { return m_progress.playingMs; }
  void AddPlayingTime(std::int64_t ms) { m_progress.playingMs += ms; }
  bool ClockRuns() const { return m_progress.started && !Solved(); }
  // Whether the last move solved this puzzle for the first time.
  bool FirstSolve() const { return m_bFirstSolve; }

  // Neither acts during a drag or when there is nothing to take back; each returns
  // whether it changed the pieces. A step back to another puzzle cuts it again and gives
  // back its progress. A table from a larger window is brought into area.
  bool Undo(const PlayArea& area);
  bool Redo(const PlayArea& area);
  bool CanUndo() const { return m_history.UndoTarget() != nullptr; }
  bool CanRedo() const { return m_history.RedoTarget() != nullptr; }

  // Brings every group with no vertex in area back into it, as a window that shrank
  // needs; returns whether any moved.
  bool BringBack(const PlayArea& area);

  // The game as a file keeps it; none before the first Generate.
  SavedGame Save() const;
  // Puts a saved game in place of this one, as one step that undo takes back: the
  // puzzle on the board is cut again from its shape and number and given the saved
  // state's groups. The tables must have been checked against their puzzles. Returns
  // false, changing nothing, when the puzzle cannot be cut or the game has no state.
  bool Restore(const SavedGame& game, const PlayArea& area);

 private:
  // The one start and end of every move: the start starts the clock; the end keeps the
  // front group in reach, then closes the step. Returns whether this move solved the
  // puzzle.
  void Start();
  bool Finish(const PlayArea& area);
  // Cuts puzzle id into the pieces; on failure nothing changes.
  bool Cut(PuzzleId id);
  // Goes to the state an undo or redo gives, cutting its puzzle first when it is another.
  bool Step(const PuzzleState* target, bool (GroupHistory::*step)(PieceSet&), const PlayArea& area);
  // The progress with the puzzle on the board is kept aside, and puzzle id's taken up.
  void SwitchProgress(PuzzleId id);
  void ForgetPuzzlesOutOfHistory();

  ShapeLibrary m_shapes;
  // Large, and needed only while a puzzle is cut: kept off the record's own storage.
  std::unique_ptr<PuzzleGenerator> m_pGenerator;
  PieceSet m_pieces;
  GroupHistory m_history;
  // The groups as the scatter left them, for Restart.
  GroupTable m_scattered;
  bool m_bHasPuzzle = false;
  PuzzleId m_id;
  PuzzleProgress m_progress;
  // The progress with the other puzzles of the history, for an undo back to them.
  std::map<PuzzleId, PuzzleProgress> m_shelved;
  bool m_bFirstSolve = false;
  int m_nGroupsAtStart = 0;
};

}  // namespace wendrel

#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "assembly/group_history.h"
#include "assembly/piece_set.h"
#include "assembly/play_area.h"
#include "assembly/puzzle_id.h"
#include "assembly/puzzle_progress.h"
#include "assembly/solve_book.h"
#include "assembly/solve_stats.h"

namespace wendrel {

class PuzzleGenerator;

// One cut of a puzzle in the history, with the player's progress on it. A Generate, even
// of the number on the board, and a Restart begin a new segment.
struct PuzzleSegment {
  PuzzleId puzzle;
  PuzzleProgress progress;

  bool operator==(const PuzzleSegment&) const = default;
};

// A puzzle as its Generate cuts and scatters it, before any move.
struct CutPuzzle {
  PuzzleId puzzle;
  PieceSet pieces;
};

// Everything a saved game holds: each segment of the history once, oldest first, and the
// history of states, oldest first, each naming its segment by index, with the index of
// the state on the board. The clock's time so far is in the progress.
struct SavedGame {
  std::vector<PuzzleSegment> segments;
  std::vector<PuzzleState> states;
  std::size_t current = 0;
  // The board's puzzle, when whoever read the game has cut it already to check it: Restore
  // takes it rather than cutting the same puzzle a second time. Shared, as a game is copied
  // whole on its way from the file to the record.
  std::shared_ptr<const CutPuzzle> cut;
};

// How a move that solved the puzzle went, for the player's message and the statistics.
struct SolveOutcome {
  PuzzleKind kind;
  std::int64_t playingMs = 0;
  int hints = 0;
  bool solvedByProgram = false;
  // The first solve of this segment: only that one counts in the statistics.
  bool first = false;
  // An unaided first solve that beat the kind's best time, or its first unaided solve.
  bool newBest = false;
  // The kind's statistics after this solve.
  SolveStats stats;
};

// The game: which puzzle is on the board, its pieces, the history of the player's moves,
// the clock, the progress on every puzzle of the history, the outcome of a solve and the
// statistics. Every change of the groups goes through here in one order: charge the
// clock, open a history step, raise the group, change it, keep it in reach, close the
// step, start or stop the clock. So a move by mouse, by key or by any other road is undone
// and redone alike, and the time and help spent on each puzzle stay with it.
//
// The record holds no window and reads no clock: every call that can start, stop or
// charge the clock is given the time now, and every operation that can move a group is
// given the area the player sees.
class PuzzleGame {
 public:
  enum class Change { kTurn, kTurnBack, kMirror };
  // What an undo or a redo did: nothing to do, done, or refused because the state it
  // would show does not fit its puzzle (a hand-edited saved game); a refusal changes
  // nothing.
  enum class Step { kNone, kDone, kRefused };
  // The number for a Generate that was given none: the calendar time in seconds.
  using NumberSource = std::function<std::int32_t()>;

  explicit PuzzleGame(NumberSource clockSeconds = SecondsOfTheClock);
  ~PuzzleGame();
  PuzzleGame(const PuzzleGame&) = delete;
  PuzzleGame& operator=(const PuzzleGame&) = delete;

  static std::int32_t SecondsOfTheClock();

  // What the next Generate cuts: the chosen figure in the chosen number of pieces (0 for
  // the figure's own), and a number given for it alone, else the clock's.
  void SetNextFigure(FigureRef figure, int pieces = 0) {
    m_nextFigure = std::move(figure);
    m_nextPieces = pieces;
  }
  void SetNextShape(Shape shape) { SetNextFigure(BuiltInFigure(shape)); }
  const FigureRef& NextFigure() const { return m_nextFigure; }
  // The count chosen for the next Generate: 0 for each figure's own.
  int NextPieces() const { return m_nextPieces; }
  void SetNextNumber(std::int32_t number) { m_nextNumber = number; }
  // Cuts the next puzzle and scatters it over area, as one step that undo takes back; the
  // number it tried is LastNumber(). A new cut starts a segment of its own. Returns
  // whether a puzzle was made; on failure nothing changes, an open drag's step included.
  bool Generate(const PlayArea& area, Ms now);
  // The same for a given puzzle.
  bool Generate(PuzzleId puzzle, const PlayArea& area, Ms now);
  std::int32_t LastNumber() const { return m_nLastNumber; }

  bool HasPuzzle() const { return m_bHasPuzzle; }
  PuzzleId Id() const { return Segment().puzzle; }
  const Figure& PuzzleFigure() const { return *Id().figure; }
  std::int32_t Number() const { return Id().number; }
  const PieceSet& Pieces() const { return m_pieces; }
  bool Solved() const { return m_bHasPuzzle && m_pieces.GroupCount() == 1; }

  // A drag: Grab raises group g to the front and opens a step; Drop moves the front group
  // by (dx, dy) model units, joins it where it fits and ends the move. The group stays
  // where the player let it go. Returns whether this drop solved the puzzle.
  void Grab(int g, Ms now);
  bool Drop(int dx, int dy, Ms now);
  // Group g moved by (dx, dy) as one step, as a key moves it: like a drag and a drop,
  // but the group is kept in view. Returns whether it solved the puzzle.
  bool Move(int g, int dx, int dy, const PlayArea& area, Ms now);
  // A turn or a mirror of group g, as one step.
  void ChangeGroup(int g, Change change, const PlayArea& area, Ms now);
  // Every piece back where this puzzle's scatter put it, ungrouped, with the clock at
  // nought, as one step that undo takes back with the time; a piece that the scatter, made
  // for a larger window, put beyond area is brought back into it. Returns whether anything
  // moved.
  bool Restart(const PlayArea& area, Ms now);

  // Help for a player who is stuck, each as one step that undo takes back. Hint joins
  // one more group to the selected group (or, with selected -1, the largest) and counts
  // the hint, which undo does not take back; Solve joins every group. The group that
  // gained is brought wholly into area where it fits, so that the player sees the help,
  // and the finished figure, whole. Each returns whether anything joined.
  bool Hint(int selected, const PlayArea& area, Ms now);
  bool Solve(const PlayArea& area, Ms now);
  int Hints() const { return Segment().progress.hints; }
  bool SolvedByProgram() const { return Segment().progress.solvedByProgram; }
  bool Helped() const { return Segment().progress.Helped(); }
  // Set by the move that solved the puzzle, until the next call that changes the game.
  const std::optional<SolveOutcome>& LastSolve() const { return m_lastSolve; }

  // The playing time of the puzzle on the board. The clock runs from the first gesture
  // after a Generate or a Restart until the puzzle is solved, and stands still while the
  // game is paused (the window minimised).
  std::int64_t PlayingMs(Ms now) const;
  bool ClockRuns() const;
  void Pause(bool paused, Ms now);
  bool Paused() const { return m_bPaused; }

  // Neither acts during a drag. A step to another segment cuts its puzzle again when it is
  // another puzzle; the clock leaves the segment left and runs on the one reached if it
  // ran there. A table from a larger window is brought into area.
  Step Undo(const PlayArea& area, Ms now);
  Step Redo(const PlayArea& area, Ms now);
  bool CanUndo() const { return m_history.UndoTarget() != nullptr; }
  bool CanRedo() const { return m_history.RedoTarget() != nullptr; }

  // Brings every group that the player could not see back into area, as a window that
  // shrank needs. No step of its own: the state shown is amended. Returns whether any
  // group moved.
  bool BringIntoView(const PlayArea& area);

  // The game as a file keeps it, the clock's time so far included; none before the first
  // Generate.
  SavedGame Save(Ms now) const;
  // Puts a saved game in place of this one, as one step that undo takes back. The puzzle
  // on the board is cut again, unless the game brings it cut, and its table checked; the
  // other segments' puzzles are cut when undo or redo reaches them. Their tables must have
  // passed MembershipFault and the file's own range checks. Returns false, changing
  // nothing, when the puzzle cannot be cut, its table does not fit it, or the game has no
  // state.
  bool Restore(const SavedGame& game, const PlayArea& area, Ms now);

  // Where every first solve is booked; a table of the record's own until one is given,
  // which must outlive the record.
  void SetSolveBook(SolveBook& book) { m_pBook = &book; }
  const SolveBook& Book() const { return *m_pBook; }

 private:
  using SegmentId = std::size_t;

  const PuzzleSegment& Segment() const;
  PuzzleProgress& Progress() { return m_segments[m_segment].progress; }
  // Charges the running clock's time to the segment on the board.
  void ChargeClock(Ms now);
  // Starts the clock on the segment on the board if it runs there, else stops it.
  void SyncClock(Ms now);
  // The start and end of every move: Begin charges the clock and opens a step; Finish
  // keeps the front group in reach when given an area, closes the step, decides whether
  // the move solved the puzzle and books the solve, then syncs the clock.
  void Begin(Ms now);
  bool Finish(const PlayArea* area, Ms now);
  void BookSolve();
  // Cuts puzzle into the pieces, scattered over area; on failure nothing changes.
  bool Cut(PuzzleId puzzle, const PlayArea& area);
  SegmentId NewSegment(PuzzleId puzzle, PuzzleProgress progress);
  // Goes to the state an undo or redo gives, cutting its puzzle first when it is another;
  // area is where that cut scatters, for a Restart.
  Step StepTo(const PuzzleState* target, bool (GroupHistory::*step)(PieceSet&),
              const PlayArea& area, Ms now);
  void ForgetSegmentsOutOfHistory();
  // Checks every table of a restored segment against its puzzle, cut, and gives them
  // their pivots; false, changing nothing, when one does not fit.
  bool FitSegment(SegmentId segment, const PieceSet& cut);

  NumberSource m_clockSeconds;
  FigureRef m_nextFigure = BuiltInFigure(kDefaultShape);
  int m_nextPieces = 0;
  std::optional<std::int32_t> m_nextNumber;
  std::int32_t m_nLastNumber = 0;

  // Large, and needed only while a puzzle is cut: kept off the record's own storage.
  std::unique_ptr<PuzzleGenerator> m_pGenerator;
  PieceSet m_pieces;
  // The puzzle the pieces were cut from, and its groups as the scatter left them.
  PuzzleId m_cut;
  GroupTable m_scattered;
  bool m_bHasPuzzle = false;

  GroupHistory m_history;
  std::map<SegmentId, PuzzleSegment> m_segments;
  SegmentId m_segment = 0;
  SegmentId m_nextSegment = 0;
  // Segments of a restored game whose tables are checked only when undo or redo first
  // reaches them, so that opening a long history cuts one puzzle.
  std::set<SegmentId> m_unchecked;

  // The segment shown before the first Generate.
  static const PuzzleSegment kNoSegment;
  // Since when the clock runs on the segment on the board; none while it stands still.
  std::optional<Ms> m_clockSince;
  bool m_bPaused = false;
  int m_nGroupsAtStart = 0;
  std::optional<SolveOutcome> m_lastSolve;
  SolveTable m_ownBook;
  SolveBook* m_pBook = &m_ownBook;
};

}  // namespace wendrel

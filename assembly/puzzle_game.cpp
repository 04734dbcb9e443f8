#include "assembly/puzzle_game.h"

#include <ctime>
#include <set>

#include "assembly/generate_puzzle.h"
#include "assembly/hint.h"
#include "assembly/table_fit.h"
#include "generator/puzzle_generator.h"

namespace wendrel {

const PuzzleSegment PuzzleGame::kNoSegment{};

PuzzleGame::PuzzleGame(NumberSource clockSeconds)
    : m_clockSeconds(std::move(clockSeconds)), m_pGenerator(std::make_unique<PuzzleGenerator>()) {}

PuzzleGame::~PuzzleGame() = default;

std::int32_t PuzzleGame::SecondsOfTheClock() {
  return static_cast<std::int32_t>(std::time(nullptr));
}

const PuzzleSegment& PuzzleGame::Segment() const {
  return m_bHasPuzzle ? m_segments.at(m_segment) : kNoSegment;
}

bool PuzzleGame::ClockRuns() const {
  return m_bHasPuzzle && Segment().progress.started && !Solved() && !m_bPaused;
}

void PuzzleGame::ChargeClock(Ms now) {
  if (!m_clockSince)
    return;
  Progress().AddTime(now - *m_clockSince);
  m_clockSince = now;
}

void PuzzleGame::SyncClock(Ms now) {
  if (!ClockRuns())
    m_clockSince.reset();
  else if (!m_clockSince)
    m_clockSince = now;
}

std::int64_t PuzzleGame::PlayingMs(Ms now) const {
  PuzzleProgress progress = Segment().progress;
  if (m_clockSince)
    progress.AddTime(now - *m_clockSince);
  return progress.playingMs;
}

void PuzzleGame::Pause(bool paused, Ms now) {
  ChargeClock(now);
  m_bPaused = paused;
  SyncClock(now);
}

bool PuzzleGame::Cut(PuzzleId puzzle, const PlayArea& area) {
  // The pieces keep their own copy of the last puzzle's home data, so a failed run, which
  // has rebuilt the generator's storage, leaves the game in progress playable.
  if (!GeneratePuzzle(puzzle, *m_pGenerator, m_pieces, area))
    return false;
  m_cut = puzzle;
  m_scattered = m_pieces.Groups();
  m_bHasPuzzle = true;
  return true;
}

PuzzleGame::SegmentId PuzzleGame::NewSegment(PuzzleId puzzle, PuzzleProgress progress) {
  const SegmentId id = m_nextSegment++;
  m_segments[id] = PuzzleSegment{puzzle, progress};
  return id;
}

bool PuzzleGame::Generate(const PlayArea& area, Ms now) {
  m_nLastNumber = m_nextNumber.value_or(m_clockSeconds());
  m_nextNumber.reset();
  return Generate(PuzzleId{m_nextFigure, m_nLastNumber, m_nextPieces}, area, now);
}

bool PuzzleGame::Generate(PuzzleId puzzle, const PlayArea& area, Ms now) {
  ChargeClock(now);
  m_lastSolve.reset();
  const bool hadPuzzle = m_bHasPuzzle;
  // A drag's open step stays open with the state it found: the new puzzle is then one
  // step from the table before the grab, and a failure leaves the drag as it was.
  const bool opened = hadPuzzle && !m_history.IsOpen();
  if (opened)
    m_history.Open(m_pieces, m_segment);
  if (!Cut(puzzle, area)) {
    if (opened)
      m_history.Close(m_pieces, m_segment);  // nothing changed: no step
    SyncClock(now);
    return false;
  }
  m_segment = NewSegment(puzzle, PuzzleProgress{});
  if (hadPuzzle)
    m_history.Close(m_pieces, m_segment);
  else
    m_history.Clear();
  ForgetSegmentsOutOfHistory();
  SyncClock(now);
  return true;
}

void PuzzleGame::ForgetSegmentsOutOfHistory() {
  // The history's cap lets old states fall away; the progress of their segments goes
  // with them.
  std::set<SegmentId> kept{m_segment};
  for (const PuzzleState& state : m_history.States())
    kept.insert(state.segment);
  std::erase_if(m_segments, [&](const auto& segment) { return !kept.contains(segment.first); });
  std::erase_if(m_unchecked, [&](SegmentId id) { return !kept.contains(id); });
}

void PuzzleGame::Begin(Ms now) {
  ChargeClock(now);
  m_lastSolve.reset();
  Progress().started = true;
  if (!m_history.IsOpen())
    m_nGroupsAtStart = m_pieces.GroupCount();
  m_history.Open(m_pieces, m_segment);
}

bool PuzzleGame::Finish(const PlayArea* area, Ms now) {
  if (area)
    m_pieces.KeepOnSurface(0, *area);
  m_history.Close(m_pieces, m_segment);
  const bool solved = m_nGroupsAtStart > 1 && m_pieces.GroupCount() == 1;
  if (solved)
    BookSolve();
  SyncClock(now);
  return solved;
}

void PuzzleGame::BookSolve() {
  PuzzleProgress& progress = Progress();
  SolveOutcome outcome;
  outcome.kind = Id().Kind();
  outcome.playingMs = progress.playingMs;
  outcome.hints = progress.hints;
  outcome.solvedByProgram = progress.solvedByProgram;
  outcome.first = !progress.solvedBefore;
  progress.solvedBefore = true;
  // A solve undone and made again counts once.
  SolveStats stats = m_pBook->Read(outcome.kind);
  if (outcome.first) {
    outcome.newBest = stats.Add(outcome.playingMs, progress.Helped());
    m_pBook->Write(outcome.kind, stats);
  }
  outcome.stats = stats;
  m_lastSolve = outcome;
}

void PuzzleGame::Grab(int g, Ms now) {
  Begin(now);
  m_pieces.Groups().RaiseToFront(g);
  SyncClock(now);
}

bool PuzzleGame::Drop(int dx, int dy, Ms now) {
  ChargeClock(now);
  m_pieces.DropFrontGroup(dx, dy);
  return Finish(nullptr, now);
}

bool PuzzleGame::Move(int g, int dx, int dy, const PlayArea& area, Ms now) {
  Grab(g, now);
  m_pieces.DropFrontGroup(dx, dy);
  return Finish(&area, now);
}

void PuzzleGame::ChangeGroup(int g, Change change, const PlayArea& area, Ms now) {
  Grab(g, now);
  switch (change) {
    case Change::kTurn:
      m_pieces.RotateGroup(0);
      break;
    case Change::kTurnBack:
      m_pieces.RotateGroupBack(0);
      break;
    case Change::kMirror:
      m_pieces.FlipGroup(0);
      break;
  }
  Finish(&area, now);
}

bool PuzzleGame::Restart(const PlayArea& area, Ms now) {
  if (!m_bHasPuzzle || m_history.IsOpen())
    return false;
  // A scatter made for a larger window can have put pieces beyond this one.
  PieceSet restarted = m_pieces;
  restarted.SetGroups(m_scattered);
  for (int g = 0; g < restarted.GroupCount(); ++g)
    restarted.KeepOnSurface(g, area);
  if (SameGroups(m_pieces.Groups(), restarted.Groups()))
    return false;
  ChargeClock(now);
  m_lastSolve.reset();
  m_history.Open(m_pieces, m_segment);
  m_pieces = std::move(restarted);
  // The clock starts afresh with the next gesture on a segment of its own, so that undo
  // gives the time back; the help already taken stays counted.
  PuzzleProgress progress = Segment().progress;
  progress.playingMs = 0;
  progress.started = false;
  m_segment = NewSegment(Id(), progress);
  m_history.Close(m_pieces, m_segment);
  ForgetSegmentsOutOfHistory();
  SyncClock(now);
  return true;
}

bool PuzzleGame::Hint(int selected, const PlayArea& area, Ms now) {
  const int target = HintTarget(m_pieces.Groups(), selected);
  if (target < 0 || m_history.IsOpen())
    return false;
  Begin(now);
  const bool joined = JoinNeighbour(m_pieces, target);
  if (joined) {
    Progress().CountHint();
    m_pieces.KeepWhollyInView(0, area);
  }
  Finish(&area, now);
  return joined;
}

bool PuzzleGame::Solve(const PlayArea& area, Ms now) {
  if (m_pieces.GroupCount() < 2 || m_history.IsOpen())
    return false;
  Begin(now);
  const bool joined = JoinAllGroups(m_pieces) > 0;
  if (m_pieces.GroupCount() == 1)
    Progress().solvedByProgram = true;
  if (joined)
    m_pieces.KeepWhollyInView(0, area);
  Finish(&area, now);
  return joined;
}

bool PuzzleGame::FitSegment(SegmentId segment, const PieceSet& cut) {
  if (!m_unchecked.contains(segment))
    return true;
  // Every table of the segment is checked before any is used, so that a refusal leaves
  // the history as it was.
  PieceSet scratch = cut;
  std::vector<GroupTable> fitted;
  for (const PuzzleState& state : m_history.States()) {
    if (state.segment != segment)
      continue;
    fitted.push_back(state.groups);
    if (FitTable(fitted.back(), scratch))
      return false;
  }
  auto next = fitted.begin();
  for (PuzzleState& state : m_history.States()) {
    if (state.segment == segment)
      state.groups = *next++;
  }
  m_unchecked.erase(segment);
  return true;
}

PuzzleGame::Step PuzzleGame::StepTo(const PuzzleState* target,
                                    bool (GroupHistory::*step)(PieceSet&), const PlayArea& area,
                                    Ms now) {
  if (!target)
    return Step::kNone;
  const SegmentId segment = target->segment;
  const PuzzleId puzzle = m_segments.at(segment).puzzle;
  // It was cut before, so it can be cut again; the board stays as it is until the other
  // puzzle's tables are known to fit it.
  std::unique_ptr<PieceSet> cut;
  if (puzzle != m_cut) {
    cut = std::make_unique<PieceSet>();
    if (!GeneratePuzzle(puzzle, *m_pGenerator, *cut, area))
      return Step::kRefused;
  }
  if (!FitSegment(segment, cut ? *cut : m_pieces))
    return Step::kRefused;
  if (cut) {
    m_scattered = cut->Groups();
    m_pieces = std::move(*cut);
    m_cut = puzzle;
  }
  ChargeClock(now);
  m_lastSolve.reset();
  (m_history.*step)(m_pieces);
  m_segment = segment;
  BringIntoView(area);
  SyncClock(now);
  return Step::kDone;
}

PuzzleGame::Step PuzzleGame::Undo(const PlayArea& area, Ms now) {
  return StepTo(m_history.UndoTarget(), &GroupHistory::Undo, area, now);
}

PuzzleGame::Step PuzzleGame::Redo(const PlayArea& area, Ms now) {
  return StepTo(m_history.RedoTarget(), &GroupHistory::Redo, area, now);
}

bool PuzzleGame::BringIntoView(const PlayArea& area) {
  bool moved = false;
  for (int g = 0; g < m_pieces.GroupCount(); ++g)
    moved = m_pieces.KeepOnSurface(g, area) || moved;
  if (moved)
    m_history.Amend(m_pieces);
  return moved;
}

SavedGame PuzzleGame::Save(Ms now) const {
  SavedGame game;
  if (!m_bHasPuzzle)
    return game;
  // Segments are numbered in the order the history first shows them.
  std::map<SegmentId, std::size_t> index;
  const auto indexOf = [&](SegmentId id) {
    const auto [at, added] = index.emplace(id, game.segments.size());
    if (added)
      game.segments.push_back(m_segments.at(id));
    return at->second;
  };
  if (m_history.States().empty()) {
    game.states.push_back(PuzzleState{indexOf(m_segment), m_pieces.Groups()});
  } else {
    // A long history is large: copied once, into room made for it.
    game.states.reserve(m_history.States().size());
    for (const PuzzleState& state : m_history.States())
      game.states.push_back(PuzzleState{indexOf(state.segment), state.groups});
    game.current = m_history.UndoCount();
  }
  game.segments[indexOf(m_segment)].progress.playingMs = PlayingMs(now);
  return game;
}

bool PuzzleGame::Restore(const SavedGame& game, const PlayArea& area, Ms now) {
  if (game.current >= game.states.size())
    return false;
  for (const PuzzleState& state : game.states) {
    if (state.segment >= game.segments.size())
      return false;
  }
  const std::size_t shown = game.states[game.current].segment;
  const PuzzleId puzzle = game.segments[shown].puzzle;
  // Only the scatter, which a Restart gives back, depends on area: the tables are the
  // file's.
  auto cut = std::make_unique<PieceSet>();
  if (game.cut && game.cut->puzzle == puzzle)
    *cut = game.cut->pieces;
  else if (!GeneratePuzzle(puzzle, *m_pGenerator, *cut, area))
    return false;
  const GroupTable scattered = cut->Groups();
  // The board's tables are checked now: undo and redo within its segment cut nothing.
  // With room for the state now on the board, which goes in front: a long history would
  // otherwise be copied twice over into fresh memory.
  std::vector<PuzzleState> states;
  states.reserve(game.states.size() + 1);
  states.assign(game.states.begin(), game.states.end());
  for (PuzzleState& state : states) {
    if (state.segment == shown && FitTable(state.groups, *cut))
      return false;
  }

  ChargeClock(now);
  m_lastSolve.reset();
  const bool hadPuzzle = m_bHasPuzzle;
  const PuzzleState before{m_segment, m_pieces.Groups()};
  std::vector<SegmentId> ids;
  for (const PuzzleSegment& segment : game.segments)
    ids.push_back(NewSegment(segment.puzzle, segment.progress));
  for (PuzzleState& state : states) {
    if (state.segment != shown)
      m_unchecked.insert(ids[state.segment]);
    state.segment = ids[state.segment];
  }
  // The game that was on the board stays one undo away.
  std::size_t current = game.current;
  if (hadPuzzle) {
    states.insert(states.begin(), before);
    ++current;
  }
  m_history.Assign(std::move(states), current);
  m_pieces = std::move(*cut);
  m_cut = puzzle;
  m_scattered = scattered;
  m_bHasPuzzle = true;
  m_segment = ids[shown];
  m_pieces.SetGroups(m_history.States()[m_history.UndoCount()].groups);
  ForgetSegmentsOutOfHistory();
  BringIntoView(area);
  SyncClock(now);
  return true;
}

}  // namespace wendrel

#include "assembly/puzzle_game.h"

#include <algorithm>

#include "assembly/generate_puzzle.h"
#include "assembly/hint.h"
#include "generator/puzzle_generator.h"

namespace wendrel {

PuzzleGame::PuzzleGame() : m_pGenerator(std::make_unique<PuzzleGenerator>()) {}

PuzzleGame::~PuzzleGame() = default;

bool PuzzleGame::Cut(PuzzleId id) {
  // The pieces keep their own copy of the last puzzle's home data, so a failed run, which
  // has rebuilt the generator's storage, leaves the game in progress playable.
  if (!GeneratePuzzle(id.number, m_shapes, *m_pGenerator, m_pieces, id.shape))
    return false;
  m_scattered = m_pieces.Groups();
  m_bHasPuzzle = true;
  return true;
}

void PuzzleGame::SwitchProgress(PuzzleId id) {
  if (m_bHasPuzzle)
    m_shelved[m_id] = m_progress;
  const auto shelved = m_shelved.find(id);
  m_progress = shelved == m_shelved.end() ? PuzzleProgress{} : shelved->second;
  m_id = id;
  m_bFirstSolve = false;
}

bool PuzzleGame::Generate(Shape shape, std::int32_t number) {
  const PuzzleId id{shape, number};
  const bool hadPuzzle = m_bHasPuzzle;
  if (hadPuzzle)
    m_history.Open(m_pieces, m_id);
  if (!Cut(id)) {
    if (hadPuzzle)
      m_history.Close(m_pieces, m_id);  // nothing changed: no step
    return false;
  }
  SwitchProgress(id);
  // A new cut of the same puzzle starts afresh too.
  m_progress = PuzzleProgress{};
  if (hadPuzzle)
    m_history.Close(m_pieces, m_id);
  else
    m_history.Clear();
  ForgetPuzzlesOutOfHistory();
  return true;
}

void PuzzleGame::ForgetPuzzlesOutOfHistory() {
  // The history's cap lets old puzzles fall away; their progress goes with them.
  std::erase_if(m_shelved, [&](const auto& shelved) {
    return std::none_of(m_history.States().begin(), m_history.States().end(),
                        [&](const PuzzleState& state) { return state.puzzle == shelved.first; });
  });
}

void PuzzleGame::Start() {
  m_progress.started = true;
  if (!m_history.IsOpen())
    m_nGroupsAtStart = m_pieces.GroupCount();
  m_history.Open(m_pieces, m_id);
}

void PuzzleGame::Grab(int g) {
  Start();
  m_pieces.Groups().RaiseToFront(g);
}

bool PuzzleGame::Drop(int dx, int dy, const PlayArea& area) {
  m_pieces.DropFrontGroup(dx, dy);
  return Finish(area);
}

void PuzzleGame::ChangeGroup(int g, Change change, const PlayArea& area) {
  Grab(g);
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
  Finish(area);
}

bool PuzzleGame::Restart() {
  if (!m_bHasPuzzle || m_history.IsOpen() || SameGroups(m_pieces.Groups(), m_scattered))
    return false;
  m_history.Open(m_pieces, m_id);
  m_pieces.SetGroups(m_scattered);
  // The scatter's grid lies on the surface, which every window shows.
  m_history.Close(m_pieces, m_id);
  // The clock starts afresh with the next gesture.
  m_progress.playingMs = 0;
  m_progress.started = false;
  return true;
}

bool PuzzleGame::Hint(int selected, const PlayArea& area) {
  const int target = HintTarget(m_pieces.Groups(), selected);
  if (target < 0 || m_history.IsOpen())
    return false;
  Start();
  const bool joined = JoinNeighbour(m_pieces, target);
  Finish(area);
  if (joined)
    ++m_progress.hints;
  return joined;
}

bool PuzzleGame::Solve(const PlayArea& area) {
  if (m_pieces.GroupCount() < 2 || m_history.IsOpen())
    return false;
  Start();
  const bool joined = JoinAllGroups(m_pieces) > 0;
  if (Finish(area))
    m_progress.solvedByProgram = true;
  return joined;
}

bool PuzzleGame::Finish(const PlayArea& area) {
  m_pieces.KeepOnSurface(0, area);
  m_history.Close(m_pieces, m_id);
  const bool solved = m_nGroupsAtStart > 1 && m_pieces.GroupCount() == 1;
  m_bFirstSolve = solved && !m_progress.solvedBefore;
  m_progress.solvedBefore = m_progress.solvedBefore || solved;
  return solved;
}

bool PuzzleGame::Step(const PuzzleState* target, bool (GroupHistory::*step)(PieceSet&),
                      const PlayArea& area) {
  if (!target)
    return false;
  if (target->puzzle != m_id) {
    // It was cut before, so it can be cut again.
    if (!Cut(target->puzzle))
      return false;
    SwitchProgress(target->puzzle);
  }
  (m_history.*step)(m_pieces);
  BringBack(area);
  return true;
}

bool PuzzleGame::Undo(const PlayArea& area) {
  return Step(m_history.UndoTarget(), &GroupHistory::Undo, area);
}

bool PuzzleGame::Redo(const PlayArea& area) {
  return Step(m_history.RedoTarget(), &GroupHistory::Redo, area);
}

bool PuzzleGame::BringBack(const PlayArea& area) {
  bool moved = false;
  for (int g = 0; g < m_pieces.GroupCount(); ++g)
    moved = m_pieces.KeepOnSurface(g, area) || moved;
  return moved;
}

SavedGame PuzzleGame::Save() const {
  SavedGame game;
  if (!m_bHasPuzzle)
    return game;
  game.progress = m_progress;
  if (m_history.States().empty()) {
    game.states.push_back(PuzzleState{m_id, m_pieces.Groups()});
    return game;
  }
  game.states.assign(m_history.States().begin(), m_history.States().end());
  game.current = m_history.UndoCount();
  // The table on the board: equal to the recorded one unless a window that shrank
  // brought a group back since.
  game.states[game.current].groups = m_pieces.Groups();
  return game;
}

bool PuzzleGame::Restore(const SavedGame& game, const PlayArea& area) {
  if (game.current >= game.states.size())
    return false;
  const PuzzleState& shown = game.states[game.current];
  const bool hadPuzzle = m_bHasPuzzle;
  const PuzzleState before{m_id, m_pieces.Groups()};
  if (!Cut(shown.puzzle))
    return false;
  SwitchProgress(shown.puzzle);
  m_progress = game.progress;
  // The game that was on the board stays one undo away.
  std::vector<PuzzleState> states;
  std::size_t current = game.current;
  if (hadPuzzle) {
    states.push_back(before);
    ++current;
  }
  states.insert(states.end(), game.states.begin(), game.states.end());
  m_history.Assign(std::move(states), current);
  ForgetPuzzlesOutOfHistory();
  m_pieces.SetGroups(shown.groups);
  BringBack(area);
  return true;
}

}  // namespace wendrel

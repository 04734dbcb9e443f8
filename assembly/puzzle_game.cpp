#include "assembly/puzzle_game.h"

#include "assembly/generate_puzzle.h"
#include "assembly/hint.h"
#include "generator/puzzle_generator.h"

namespace wendrel {

PuzzleGame::PuzzleGame() : m_pGenerator(std::make_unique<PuzzleGenerator>()) {}

PuzzleGame::~PuzzleGame() = default;

bool PuzzleGame::Generate(Shape shape, std::int32_t number) {
  // The pieces keep their own copy of the last puzzle's home data, so a failed run, which
  // has rebuilt the generator's storage, leaves the game in progress playable.
  if (!GeneratePuzzle(number, m_shapes, *m_pGenerator, m_pieces, shape))
    return false;
  m_bHasPuzzle = true;
  m_shape = shape;
  m_nNumber = number;
  m_scattered = m_pieces.Groups();
  m_nPlayingMs = 0;
  m_nHints = 0;
  m_bSolvedByProgram = false;
  m_bStarted = false;
  m_bSolvedBefore = false;
  m_bFirstSolve = false;
  // Nothing done to the old puzzle applies to this one.
  m_history.Clear();
  return true;
}

void PuzzleGame::Start() {
  m_bStarted = true;
  if (!m_history.IsOpen())
    m_nGroupsAtStart = m_pieces.GroupCount();
  m_history.Open(m_pieces);
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
  m_history.Open(m_pieces);
  m_pieces.SetGroups(m_scattered);
  // The scatter's grid lies on the surface, which every window shows.
  m_history.Close(m_pieces);
  // The clock starts afresh with the next gesture.
  m_nPlayingMs = 0;
  m_bStarted = false;
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
    ++m_nHints;
  return joined;
}

bool PuzzleGame::Solve(const PlayArea& area) {
  if (m_pieces.GroupCount() < 2 || m_history.IsOpen())
    return false;
  Start();
  const bool joined = JoinAllGroups(m_pieces) > 0;
  if (Finish(area))
    m_bSolvedByProgram = true;
  return joined;
}

bool PuzzleGame::Finish(const PlayArea& area) {
  m_pieces.KeepOnSurface(0, area);
  m_history.Close(m_pieces);
  const bool solved = m_nGroupsAtStart > 1 && m_pieces.GroupCount() == 1;
  m_bFirstSolve = solved && !m_bSolvedBefore;
  m_bSolvedBefore = m_bSolvedBefore || solved;
  return solved;
}

bool PuzzleGame::Undo(const PlayArea& area) {
  if (!m_history.Undo(m_pieces))
    return false;
  BringBack(area);
  return true;
}

bool PuzzleGame::Redo(const PlayArea& area) {
  if (!m_history.Redo(m_pieces))
    return false;
  BringBack(area);
  return true;
}

bool PuzzleGame::BringBack(const PlayArea& area) {
  bool moved = false;
  for (int g = 0; g < m_pieces.GroupCount(); ++g)
    moved = m_pieces.KeepOnSurface(g, area) || moved;
  return moved;
}

}  // namespace wendrel

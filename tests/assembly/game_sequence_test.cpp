#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "assembly/group_history.h"
#include "assembly/puzzle_game.h"

// A long random game on a fake clock: gestures, Generates (of new numbers, of the number
// on the board, and of one that cannot be cut, with a drag open too), Restarts, undos,
// redos, pauses, saves and opens. After every step each puzzle segment of the history must
// hold the time, hints and solved flags that a plain tally of the same steps gives, and
// the statistics what the tally booked.

namespace wendrel {
namespace {

constexpr PlayArea kArea = PieceSet::kSurfaceArea;
constexpr std::int32_t kUncuttable = 3752;  // Three Hearts cannot be cut from this number

// What the player did to each segment, counted the simple way: time goes to the segment
// on the board for every interval in which it was started, unsolved and not paused.
struct Tally {
  struct Segment {
    PuzzleKind kind;
    PuzzleProgress progress;
  };
  std::vector<Segment> segments;
  std::vector<std::size_t> history;  // the segment of each state
  std::size_t current = 0;
  bool paused = false;
  bool running = false;
  Ms last = 0;
  std::map<PuzzleKind, SolveStats> stats;

  Segment& Board() { return segments[history[current]]; }
  void Charge(Ms now) {
    if (running)
      Board().progress.AddTime(now - last);
    last = now;
  }
  void Settle(const PuzzleGame& game) {
    running = !history.empty() && Board().progress.started && !game.Solved() && !paused;
  }
  void Push(std::size_t segment) {
    history.resize(history.empty() ? 0 : current + 1);
    history.push_back(segment);
    current = history.size() - 1;
  }
  void NewSegment(PuzzleKind kind, PuzzleProgress progress = {}) {
    segments.push_back(Segment{kind, progress});
    Push(segments.size() - 1);
  }
  void Solved() {
    PuzzleProgress& p = Board().progress;
    if (p.solvedBefore)
      return;
    p.solvedBefore = true;
    SolveStats& s = stats[Board().kind];
    ++s.solved;
    if (p.hints > 0 || p.solvedByProgram) {
      ++s.solvedWithHelp;
    } else {
      s.totalMs += p.playingMs;
      s.bestMs = s.solved - s.solvedWithHelp == 1 ? p.playingMs : std::min(s.bestMs, p.playingMs);
    }
  }
};

class Sequence {
 public:
  explicit Sequence(unsigned seed) : m_random(seed) {}

  void Run(int steps) {
    for (int i = 0; i < steps; ++i) {
      m_now += Pick(0, 4) == 0 ? 0 : Pick(1, 9000);
      m_tally.Charge(m_now);
      Act();
      m_tally.Settle(*m_game);
      Check(i);
      if (::testing::Test::HasFatalFailure())
        return;
    }
  }

 private:
  int Pick(int least, int most) { return std::uniform_int_distribution(least, most)(m_random); }

  // Whether the last move changed the table or the segment, as the history records it.
  void Record(const GroupTable& before, bool solvable, int groupsBefore) {
    if (!SameGroups(before, m_game->Pieces().Groups()))
      m_tally.Push(m_tally.history[m_tally.current]);
    m_tally.Board().progress.started = true;
    if (solvable && groupsBefore > 1 && m_game->Pieces().GroupCount() == 1)
      m_tally.Solved();
  }

  void Generate(PuzzleId puzzle) {
    if (!m_game->Generate(puzzle, kArea, m_now))
      return;
    if (m_tally.history.empty() || !m_hadPuzzle) {
      m_tally.segments.push_back({puzzle.Kind(), {}});
      m_tally.history = {m_tally.segments.size() - 1};
      m_tally.current = 0;
    } else {
      m_tally.NewSegment(puzzle.Kind());
    }
    m_hadPuzzle = true;
  }

  void Act() {
    const int groups = m_game->Pieces().GroupCount();
    const GroupTable before = m_game->Pieces().Groups();
    const int g = groups > 0 ? Pick(0, groups - 1) : 0;
    const int choice = m_hadPuzzle ? Pick(0, 99) : 0;
    if (choice < 4) {
      Generate(
          PuzzleId{static_cast<Shape>(Pick(0, 3)), Pick(0, 40), Pick(0, 2) == 0 ? Pick(3, 8) : 0});
    } else if (choice < 7) {
      Generate(m_game->Id());  // Generate Number with the number on the board
    } else if (choice < 9) {
      // A Generate that fails, with a drag open or not, changes nothing.
      const bool drag = Pick(0, 1) == 1;
      if (drag)
        m_game->Grab(g, m_now);
      EXPECT_FALSE(m_game->Generate(PuzzleId{Shape::kThreeHearts, kUncuttable}, kArea, m_now));
      if (drag) {
        const bool solved = m_game->Drop(Pick(-30, 30), Pick(-30, 30), m_now);
        Record(before, solved, groups);
      }
    } else if (choice < 30) {
      m_game->Grab(g, m_now);
      const bool solved = m_game->Drop(Pick(-200, 200), Pick(-200, 200), m_now);
      Record(before, solved, groups);
    } else if (choice < 40) {
      const bool solved = m_game->Move(g, Pick(-10, 10), Pick(-10, 10), kArea, m_now);
      Record(before, solved, groups);
    } else if (choice < 50) {
      m_game->ChangeGroup(g, static_cast<PuzzleGame::Change>(Pick(0, 2)), kArea, m_now);
      Record(before, false, groups);
    } else if (choice < 58) {
      if (groups > 1) {
        const bool joined = m_game->Hint(-1, kArea, m_now);
        if (joined)
          m_tally.Board().progress.CountHint();
        Record(before, true, groups);
      }
    } else if (choice < 60) {
      if (groups > 1) {
        m_game->Solve(kArea, m_now);
        if (m_game->Pieces().GroupCount() == 1)
          m_tally.Board().progress.solvedByProgram = true;
        Record(before, true, groups);
      }
    } else if (choice < 64) {
      if (m_game->Restart(kArea, m_now)) {
        PuzzleProgress progress = m_tally.Board().progress;
        progress.playingMs = 0;
        progress.started = false;
        m_tally.NewSegment(m_tally.Board().kind, progress);
      }
    } else if (choice < 77) {
      if (m_game->Undo(kArea, m_now) == PuzzleGame::Step::kDone)
        --m_tally.current;
    } else if (choice < 88) {
      if (m_game->Redo(kArea, m_now) == PuzzleGame::Step::kDone)
        ++m_tally.current;
    } else if (choice < 92) {
      m_tally.paused = !m_tally.paused;
      m_game->Pause(m_tally.paused, m_now);
    } else if (choice < 96) {
      // Closed and started again: the saved game comes back in a new record.
      const SavedGame saved = m_game->Save(m_now);
      auto reopened = std::make_unique<PuzzleGame>();
      reopened->SetSolveBook(m_book);
      ASSERT_TRUE(reopened->Restore(saved, kArea, m_now));
      reopened->Pause(m_tally.paused, m_now);
      m_game = std::move(reopened);
    } else {
      // Opened over the game in progress: the game left is one undo away.
      const SavedGame saved = m_game->Save(m_now);
      ASSERT_TRUE(m_game->Restore(saved, kArea, m_now));
      // Each segment of the opened game is a copy: the one left keeps its own progress.
      std::map<std::size_t, std::size_t> copies;
      std::vector<std::size_t> history{m_tally.history[m_tally.current]};
      for (const std::size_t segment : m_tally.history) {
        if (!copies.contains(segment)) {
          copies[segment] = m_tally.segments.size();
          m_tally.segments.push_back(m_tally.segments[segment]);
        }
        history.push_back(copies[segment]);
      }
      m_tally.history = history;
      ++m_tally.current;
    }
  }

  void Check(int step) {
    if (!m_hadPuzzle)
      return;
    const SavedGame saved = m_game->Save(m_now);
    ASSERT_EQ(saved.states.size(), m_tally.history.size()) << "step " << step;
    ASSERT_EQ(saved.current, m_tally.current) << "step " << step;
    for (std::size_t i = 0; i < saved.states.size(); ++i) {
      const PuzzleProgress& got = saved.segments[saved.states[i].segment].progress;
      const PuzzleProgress& want = m_tally.segments[m_tally.history[i]].progress;
      ASSERT_EQ(got, want) << "step " << step << ", state " << i << ": time " << got.playingMs
                           << " against " << want.playingMs << ", hints " << got.hints
                           << " against " << want.hints;
    }
    ASSERT_EQ(m_game->PlayingMs(m_now), m_tally.Board().progress.playingMs);
    for (const auto& [kind, want] : m_tally.stats) {
      const SolveStats got = m_book.Read(kind);
      ASSERT_EQ(got.solved, want.solved) << "step " << step;
      ASSERT_EQ(got.solvedWithHelp, want.solvedWithHelp) << "step " << step;
      ASSERT_EQ(got.bestMs, want.bestMs) << "step " << step;
      ASSERT_EQ(got.totalMs, want.totalMs) << "step " << step;
    }
  }

  std::mt19937 m_random;
  Ms m_now = 1'000'000;
  SolveTable m_book;
  std::unique_ptr<PuzzleGame> m_game = [this] {
    auto game = std::make_unique<PuzzleGame>();
    game->SetSolveBook(m_book);
    return game;
  }();
  bool m_hadPuzzle = false;
  Tally m_tally;
};

TEST(GameSequence, EverySegmentKeepsTheTimeAndHelpThatATallyOfTheStepsGives) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE(::testing::Message() << "sequence " << seed);
    Sequence(seed).Run(400);
    if (HasFatalFailure())
      return;
  }
}

TEST(GameSequence, CountersAtTheirLimitsStandStill) {
  PuzzleGame game;
  ASSERT_TRUE(game.Generate(PuzzleId{Shape::kOval, 5}, kArea, 0));
  SavedGame saved = game.Save(0);
  saved.segments[0].progress = PuzzleProgress{kMaxPlayingMs - 10, kMaxHints, false, true, false};
  ASSERT_TRUE(game.Restore(saved, kArea, 0));
  EXPECT_TRUE(game.Hint(-1, kArea, 1000));
  EXPECT_EQ(game.Hints(), kMaxHints);
  EXPECT_EQ(game.PlayingMs(5000), kMaxPlayingMs);
  ASSERT_TRUE(game.Solve(kArea, 9000));
  ASSERT_TRUE(game.LastSolve());
  EXPECT_EQ(game.LastSolve()->playingMs, kMaxPlayingMs);
}

}  // namespace
}  // namespace wendrel

// Memory over many puzzles on one view: every Generate refills the storage that the
// generator, the pieces and the drag surfaces already hold, and is one step of a history
// that keeps at most its cap, so once the history is full the program's peak memory must
// stay where it is.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <iostream>

#include "assembly/group_history.h"
#include "tests/view/view_under_test.h"

namespace {

constexpr int kFirstGenerates = static_cast<int>(wendrel::GroupHistory::kMaxSteps) + 10;
constexpr int kAllGenerates = 2 * kFirstGenerates;
// Room for the allocator's own bookkeeping; a leak of 2 KB a puzzle would use it up.
constexpr long kMarginKb = 2048;

// The process's peak resident memory so far, in kilobytes.
long PeakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

class MemorySteadiness : public ViewTest {};

TEST_F(MemorySteadiness, GeneratesPastTheHistoryCapNeedNoMoreMemory) {
  long afterFirst = 0;
  int failed = 0;
  for (int i = 1; i <= kAllGenerates; ++i) {
    const std::size_t messages = services.messages.size();
    Generate(i);
    failed += services.messages.size() != messages;
    // Whatever the window queued for later (deferred paints, deletions) is done too.
    QCoreApplication::processEvents();
    if (i == kFirstGenerates)
      afterFirst = PeakRssKb();
  }
  const long afterAll = PeakRssKb();
  std::cout << "peak RSS after " << kFirstGenerates << " Generates: " << afterFirst << " KB, after "
            << kAllGenerates << ": " << afterAll << " KB (" << failed << " seeds failed)\n";
  RecordProperty("PeakRssAfterFirstKb", std::to_string(afterFirst));
  RecordProperty("PeakRssAfterAllKb", std::to_string(afterAll));
  EXPECT_GT(view->Pieces().PieceCount(), 0);
  EXPECT_LE(afterAll, afterFirst + kMarginKb);
}

}  // namespace

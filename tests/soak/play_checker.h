#pragma once

#include <QObject>
#include <cstddef>
#include <string>

#include "tests/support/recording_user_services.h"
#include "view/morvane_view.h"

class QMouseEvent;

// Watches every mouse event that reaches the view's viewport and checks, once the view
// has handled it, that the game is still whole: every piece in exactly one group, group
// counts that only fall, every placed triangle where its group's placement puts it, the
// drag state that the last presses and releases call for, and no message but one
// "Congratulations!" at the drop that leaves one group.
//
// The view handles an event after the filter has seen it, so the expectations are worked
// out from the state before the event, and checked when the next event arrives or when
// Settle() is called, whichever comes first.
class PlayChecker : public QObject {
 public:
  struct Tally {
    long events = 0;
    long grabs = 0;  // left presses that hit a group
    long turns = 0;  // turns and mirrors of a group that was hit
    long joins = 0;
    long congratulations = 0;
  };

  PlayChecker(const CMorvaneView& view, const RecordingUserServices& services);
  ~PlayChecker() override;

  // A Generate has just been run; checks that it made a new puzzle without a message.
  // Settle() first, so that the last event is judged on the puzzle it acted on.
  void PuzzleGenerated();
  // Checks the outcome of the last event (or, when none came since the last check, that
  // the drag state and the messages stayed), and then that the game is whole.
  void Settle();

  bool Failed() const { return !m_failure.empty(); }
  const std::string& Failure() const { return m_failure; }
  const Tally& Counts() const { return m_tally; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What the event must do, worked out from the state before it.
  void Expect(const QMouseEvent& event);
  void CheckOutcome();
  void CheckDragging();
  void CheckGroups();
  void CheckPlacements();
  void CheckNewMessages(bool congratulationsDue);
  void Fail(const std::string& what);

  const CMorvaneView& m_view;
  const RecordingUserServices& m_services;
  std::string m_failure;
  Tally m_tally;

  // About the event handled last, before its outcome has been checked.
  bool m_pending = false;
  std::string m_lastEvent;
  int m_expectedDragging = 0;
  int m_groupsBefore = 0;
  bool m_drop = false;  // a left release that the view takes while a drag is open
  // A group that the event hits: one of its pieces, and the turn and mirror it must have
  // afterwards, at the front of the table. -1 when the event hits none.
  int m_hitPiece = -1;
  int m_expectedRotation = 0;
  int m_expectedFlipped = 0;

  int m_lastGroupCount = 0;
  std::size_t m_messagesSeen = 0;
  bool m_congratulated = false;
};

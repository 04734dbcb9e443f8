#include "tests/soak/play_checker.h"

#include "tests/view/puzzle_moves.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <cmath>
#include <sstream>
#include <vector>

namespace {

using wendrel::DPoint;
using wendrel::PieceSet;

// Placements are recomputed from the home triangles on every change, so they agree to
// rounding at most.
constexpr double kTolerance = 1e-9;

bool Near(DPoint a, DPoint b) {
  return std::abs(a.x - b.x) <= kTolerance && std::abs(a.y - b.y) <= kTolerance;
}

const char* Name(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
      return "press";
    case QEvent::MouseButtonRelease:
      return "release";
    case QEvent::MouseButtonDblClick:
      return "double click";
    default:
      return "move";
  }
}

bool IsMouseEvent(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

}  // namespace

PlayChecker::PlayChecker(const CMorvaneView& view, const RecordingUserServices& services)
    : m_view(view), m_services(services), m_messagesSeen(services.messages.size()) {
  view.viewport()->installEventFilter(this);
}

PlayChecker::~PlayChecker() {
  m_view.viewport()->removeEventFilter(this);
}

bool PlayChecker::eventFilter(QObject*, QEvent* event) {
  if (IsMouseEvent(event->type())) {
    Settle();
    Expect(*static_cast<QMouseEvent*>(event));
  }
  return false;
}

void PlayChecker::PuzzleGenerated() {
  m_pending = false;
  if (m_services.messages.size() != m_messagesSeen) {
    Fail("Generate said: " + m_services.messages.back().text.toStdString());
    m_messagesSeen = m_services.messages.size();
  }
  if (m_view.Dragging() != 0)
    Fail("a drag is still open after a Generate");
  m_expectedDragging = 0;
  m_lastGroupCount = m_view.Pieces().PieceCount();
  m_congratulated = false;
  CheckGroups();
  CheckPlacements();
}

void PlayChecker::Expect(const QMouseEvent& event) {
  const PieceSet& pieces = m_view.Pieces();
  const QPoint point = event.position().toPoint();
  const QPoint scroll(m_view.horizontalScrollBar()->value(), m_view.verticalScrollBar()->value());
  const QPoint logical = point + scroll;
  const Qt::MouseButton button = event.button();
  const QEvent::Type type = event.type();

  std::ostringstream name;
  name << "event " << m_tally.events << ": " << Name(type) << " of button " << button << " at "
       << point.x() << "," << point.y() << " (logical " << logical.x() << "," << logical.y() << ")";
  m_lastEvent = name.str();
  ++m_tally.events;
  m_pending = true;
  m_groupsBefore = pieces.GroupCount();
  m_drop = false;
  m_hitPiece = -1;

  const bool left = button == Qt::LeftButton;
  const bool right = button == Qt::RightButton;
  const bool press = type == QEvent::MouseButtonPress;
  const bool doubleClick = type == QEvent::MouseButtonDblClick;
  if ((!left && !right) || type == QEvent::MouseButtonRelease) {
    // A release counts only where the player can see it: the platform also hands the
    // view the release of a press made in it when the button comes up outside.
    const bool taken =
        left && type == QEvent::MouseButtonRelease && m_view.viewport()->rect().contains(point);
    m_drop = taken && m_expectedDragging == 1;
    if (taken)
      m_expectedDragging = 0;
    return;
  }
  // Turns and mirrors wait while a drag is open; a right release does nothing.
  const bool grab = left && press;
  const bool change = (right && (press || doubleClick)) || (left && doubleClick);
  if (!grab && !(change && m_expectedDragging == 0))
    return;
  const int hit = pieces.HitGroup(logical.x(), logical.y());
  if (hit == -1)
    return;  // a miss leaves everything as it was, an open drag included
  const wendrel::PieceGroup& group = pieces.Group(hit);
  m_hitPiece = group.pieces[0];
  m_expectedRotation = group.rotation;
  m_expectedFlipped = group.flipped;
  if (grab) {
    m_expectedDragging = 1;
    ++m_tally.grabs;
  } else if (right) {
    // One step clockwise on the screen, which the mirror reverses in the model.
    m_expectedRotation = (group.rotation + (group.flipped ? 1 : 11)) % 12;
    ++m_tally.turns;
  } else {
    m_expectedFlipped = 1 - group.flipped;
    ++m_tally.turns;
  }
}

void PlayChecker::Settle() {
  if (Failed())
    return;
  if (m_pending) {
    m_pending = false;
    CheckOutcome();
  } else {
    // Nothing the mouse did since the last check: the drag and the messages stay.
    CheckDragging();
    CheckNewMessages(false);
  }
  CheckGroups();
  CheckPlacements();
}

void PlayChecker::CheckOutcome() {
  const PieceSet& pieces = m_view.Pieces();
  CheckDragging();
  const int groups = pieces.GroupCount();
  const int fall = m_groupsBefore - groups;
  if (fall != 0 && !(m_drop && fall == 1)) {
    Fail("the group count went from " + std::to_string(m_groupsBefore) + " to " +
         std::to_string(groups));
  }
  if (fall == 1)
    ++m_tally.joins;
  if (m_hitPiece != -1) {
    const int g = GroupOf(pieces, m_hitPiece);
    if (g != 0) {
      Fail("the group that was hit is group " + std::to_string(g) + ", not the front one");
    } else if (pieces.Group(0).rotation != m_expectedRotation ||
               pieces.Group(0).flipped != m_expectedFlipped) {
      Fail("the group that was hit has turn " + std::to_string(pieces.Group(0).rotation) +
           " and mirror " + std::to_string(pieces.Group(0).flipped) + ", expected " +
           std::to_string(m_expectedRotation) + " and " + std::to_string(m_expectedFlipped));
    }
  }
  CheckNewMessages(m_drop && m_groupsBefore == 2 && groups == 1);
}

void PlayChecker::CheckDragging() {
  if (m_view.Dragging() != m_expectedDragging) {
    Fail("dragging is " + std::to_string(m_view.Dragging()) + ", expected " +
         std::to_string(m_expectedDragging));
  }
}

void PlayChecker::CheckNewMessages(bool congratulationsDue) {
  const auto& messages = m_services.messages;
  const std::size_t fresh = messages.size() - m_messagesSeen;
  for (std::size_t i = m_messagesSeen; i < messages.size(); ++i) {
    if (messages[i].text != QLatin1String("Congratulations!") ||
        messages[i].caption != QLatin1String("Wendrel")) {
      Fail("unexpected message: " + messages[i].text.toStdString());
    } else if (m_congratulated) {
      Fail("a second \"Congratulations!\" for the same puzzle");
    }
  }
  if (fresh != (congratulationsDue ? 1u : 0u)) {
    Fail(std::to_string(fresh) + " messages where " + (congratulationsDue ? "1" : "none") +
         " was due");
  }
  if (congratulationsDue) {
    m_congratulated = true;
    ++m_tally.congratulations;
  }
  m_messagesSeen = messages.size();
}

void PlayChecker::CheckGroups() {
  const PieceSet& pieces = m_view.Pieces();
  const int groups = pieces.GroupCount();
  if (groups > m_lastGroupCount) {
    Fail("the group count rose from " + std::to_string(m_lastGroupCount) + " to " +
         std::to_string(groups));
  }
  m_lastGroupCount = groups;
  std::vector<int> seen(pieces.PieceCount(), 0);
  for (int g = 0; g < groups; ++g) {
    const wendrel::PieceGroup& group = pieces.Group(g);
    if (group.count < 1)
      Fail("group " + std::to_string(g) + " is empty");
    for (int j = 0; j < group.count; ++j) {
      const int p = group.pieces[j];
      if (p < 0 || p >= pieces.PieceCount()) {
        Fail("group " + std::to_string(g) + " holds piece " + std::to_string(p));
        return;
      }
      ++seen[p];
    }
  }
  for (int p = 0; p < pieces.PieceCount(); ++p) {
    if (seen[p] != 1)
      Fail("piece " + std::to_string(p) + " is in " + std::to_string(seen[p]) + " groups");
  }
}

void PlayChecker::CheckPlacements() {
  const PieceSet& pieces = m_view.Pieces();
  for (int g = 0; g < pieces.GroupCount(); ++g) {
    const wendrel::PieceGroup& group = pieces.Group(g);
    // Fail keeps the first fault only, so the walk need not stop at it.
    pieces.ForEachTriangle(group, [&](int t) {
      const wendrel::Triangle& home = pieces.Home(t);
      const wendrel::Triangle& placed = pieces.Placed(t);
      if (!Near(placed.a, PieceSet::PlacedPoint(group, home.a)) ||
          !Near(placed.b, PieceSet::PlacedPoint(group, home.b)) ||
          !Near(placed.c, PieceSet::PlacedPoint(group, home.c)))
        Fail("triangle " + std::to_string(t) + " of group " + std::to_string(g) +
             " is not where the group's placement puts it");
    });
  }
}

void PlayChecker::Fail(const std::string& what) {
  if (Failed())
    return;  // the first fault tells; the rest follow from it
  m_failure = what + " after " + (m_lastEvent.empty() ? "the start" : m_lastEvent);
}

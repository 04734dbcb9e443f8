#include "app/player_settings.h"

#include <QMainWindow>
#include <QSettings>
#include <algorithm>

namespace {

// Named so when the figures were the four built-in shapes; it holds any figure's name.
const QString kShapeKey = QStringLiteral("Game/Shape");
const QString kPiecesKey = QStringLiteral("Game/Pieces");
const QString kRememberKey = QStringLiteral("Game/RememberOnExit");
const QString kTimerKey = QStringLiteral("View/Timer");
const QString kFigureOutlineKey = QStringLiteral("View/FigureOutline");
const QString kStatsGroup = QStringLiteral("Statistics");
const QString kGeometryKey = QStringLiteral("Window/Geometry");
const QString kWindowStateKey = QStringLiteral("Window/State");

QString StatsGroup(const wendrel::PuzzleKind& kind) {
  return kStatsGroup + u'/' + QString::fromStdString(kind.figure) + u'/' +
         QString::number(kind.pieces);
}

// Where the statistics of a built-in shape in its own pieces were kept before they were
// kept for every piece count; none for any other kind.
std::optional<QString> OldStatsGroup(const wendrel::PuzzleKind& kind) {
  const std::optional<wendrel::Shape> shape = wendrel::ShapeNamed(kind.figure);
  if (!shape || wendrel::InfoOf(*shape).pieces != kind.pieces)
    return std::nullopt;
  return kStatsGroup + u'/' + QString::fromStdString(kind.figure);
}

}  // namespace

std::string SavedFigureName() {
  return QSettings().value(kShapeKey).toString().toStdString();
}

void SaveFigureName(const std::string& name) {
  QSettings().setValue(kShapeKey, QString::fromStdString(name));
}

int SavedPieces() {
  // Settings are the user's to edit: a count no figure can be cut into is no choice.
  const int pieces = QSettings().value(kPiecesKey, 0).toInt();
  return pieces >= wendrel::Figure::kMinPieces && pieces <= wendrel::Figure::kMaxPieces ? pieces
                                                                                        : 0;
}

void SavePieces(int pieces) {
  QSettings().setValue(kPiecesKey, pieces);
}

bool RememberGameOnExit() {
  // Off unless chosen, so that the program starts with an empty view as it always did.
  return QSettings().value(kRememberKey, false).toBool();
}

void SaveRememberGameOnExit(bool on) {
  QSettings().setValue(kRememberKey, on);
}

bool TimerShown() {
  return QSettings().value(kTimerKey, true).toBool();
}

void SaveTimerShown(bool shown) {
  QSettings().setValue(kTimerKey, shown);
}

bool FigureOutlineShown() {
  return QSettings().value(kFigureOutlineKey, true).toBool();
}

void SaveFigureOutlineShown(bool shown) {
  QSettings().setValue(kFigureOutlineKey, shown);
}

wendrel::SolveStats SavedSolveStats(const wendrel::PuzzleKind& kind) {
  QSettings settings;
  const std::optional<QString> old = OldStatsGroup(kind);
  const bool carried = old && !settings.contains(StatsGroup(kind) + QStringLiteral("/Solved")) &&
                       settings.contains(*old + QStringLiteral("/Solved"));
  settings.beginGroup(carried ? *old : StatsGroup(kind));
  wendrel::SolveStats stats;
  // Hand-edited values are kept within what a real record could hold.
  stats.solved = std::max(0, settings.value(QStringLiteral("Solved")).toInt());
  stats.solvedWithHelp =
      std::clamp(settings.value(QStringLiteral("SolvedWithHelp")).toInt(), 0, stats.solved);
  stats.bestMs = std::max<qint64>(0, settings.value(QStringLiteral("BestMs")).toLongLong());
  stats.totalMs = std::max<qint64>(0, settings.value(QStringLiteral("TotalMs")).toLongLong());
  return stats;
}

void SettingsSolveBook::Write(const wendrel::PuzzleKind& kind, const wendrel::SolveStats& stats) {
  SaveSolveStats(kind, stats);
}

void SaveSolveStats(const wendrel::PuzzleKind& kind, const wendrel::SolveStats& stats) {
  QSettings settings;
  // Written now where every kind's are; the old place, read until now, is left empty.
  if (const std::optional<QString> old = OldStatsGroup(kind)) {
    for (const char* key : {"Solved", "SolvedWithHelp", "BestMs", "TotalMs"})
      settings.remove(*old + u'/' + QLatin1String(key));
  }
  settings.beginGroup(StatsGroup(kind));
  settings.setValue(QStringLiteral("Solved"), stats.solved);
  settings.setValue(QStringLiteral("SolvedWithHelp"), stats.solvedWithHelp);
  settings.setValue(QStringLiteral("BestMs"), static_cast<qint64>(stats.bestMs));
  settings.setValue(QStringLiteral("TotalMs"), static_cast<qint64>(stats.totalMs));
}

std::vector<wendrel::PuzzleKind> SavedSolveKinds() {
  std::vector<wendrel::PuzzleKind> kinds;
  QSettings settings;
  settings.beginGroup(kStatsGroup);
  for (const QString& figure : settings.childGroups()) {
    settings.beginGroup(figure);
    for (const QString& pieces : settings.childGroups()) {
      bool number = false;
      const int count = pieces.toInt(&number);
      if (number)
        kinds.push_back({figure.toStdString(), count});
    }
    settings.endGroup();
    // A built-in shape's statistics from before there were piece counts.
    const std::optional<wendrel::Shape> shape = wendrel::ShapeNamed(figure.toStdString());
    const wendrel::PuzzleKind old{figure.toStdString(), shape ? wendrel::InfoOf(*shape).pieces : 0};
    if (shape && settings.contains(figure + QStringLiteral("/Solved")) &&
        std::find(kinds.begin(), kinds.end(), old) == kinds.end())
      kinds.push_back(old);
  }
  return kinds;
}

void ClearSolveStats() {
  QSettings().remove(kStatsGroup);
}

void RestoreWindowLayout(QMainWindow& window) {
  // Qt checks what it reads, and keeps a window that no longer fits the screens on one.
  const QSettings settings;
  window.restoreGeometry(settings.value(kGeometryKey).toByteArray());
  window.restoreState(settings.value(kWindowStateKey).toByteArray());
}

void SaveWindowLayout(const QMainWindow& window) {
  QSettings settings;
  settings.setValue(kGeometryKey, window.saveGeometry());
  settings.setValue(kWindowStateKey, window.saveState());
}

#include "app/player_settings.h"

#include <QMainWindow>
#include <QSettings>
#include <algorithm>

namespace {

const QString kShapeKey = QStringLiteral("Game/Shape");
const QString kRememberKey = QStringLiteral("Game/RememberOnExit");
const QString kTimerKey = QStringLiteral("View/Timer");
const QString kFigureOutlineKey = QStringLiteral("View/FigureOutline");
const QString kStatsGroup = QStringLiteral("Statistics");
const QString kGeometryKey = QStringLiteral("Window/Geometry");
const QString kWindowStateKey = QStringLiteral("Window/State");

QString StatsGroup(wendrel::Shape shape) {
  return kStatsGroup + u'/' + QLatin1String(wendrel::InfoOf(shape).name);
}

}  // namespace

std::optional<wendrel::Shape> SavedShape() {
  // Settings are the user's to edit: a name this program does not know is no choice.
  return wendrel::ShapeNamed(QSettings().value(kShapeKey).toString().toStdString());
}

void SaveShape(wendrel::Shape shape) {
  QSettings().setValue(kShapeKey, QLatin1String(wendrel::InfoOf(shape).name));
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

wendrel::SolveStats SavedSolveStats(wendrel::Shape shape) {
  QSettings settings;
  settings.beginGroup(StatsGroup(shape));
  wendrel::SolveStats stats;
  // Hand-edited values are kept within what a real record could hold.
  stats.solved = std::max(0, settings.value(QStringLiteral("Solved")).toInt());
  stats.solvedWithHelp =
      std::clamp(settings.value(QStringLiteral("SolvedWithHelp")).toInt(), 0, stats.solved);
  stats.bestMs = std::max<qint64>(0, settings.value(QStringLiteral("BestMs")).toLongLong());
  stats.totalMs = std::max<qint64>(0, settings.value(QStringLiteral("TotalMs")).toLongLong());
  return stats;
}

void SettingsSolveBook::Write(wendrel::Shape shape, const wendrel::SolveStats& stats) {
  SaveSolveStats(shape, stats);
}

void SaveSolveStats(wendrel::Shape shape, const wendrel::SolveStats& stats) {
  QSettings settings;
  settings.beginGroup(StatsGroup(shape));
  settings.setValue(QStringLiteral("Solved"), stats.solved);
  settings.setValue(QStringLiteral("SolvedWithHelp"), stats.solvedWithHelp);
  settings.setValue(QStringLiteral("BestMs"), static_cast<qint64>(stats.bestMs));
  settings.setValue(QStringLiteral("TotalMs"), static_cast<qint64>(stats.totalMs));
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

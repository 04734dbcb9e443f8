#include "app/statistics_dlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include <vector>

#include "io/figure_box.h"

#include "app/my_figures.h"
#include "app/player_settings.h"
#include "app/shape_texts.h"
#include "view/user_services.h"

namespace {

// Rows shown before the table scrolls.
constexpr int kMostRows = 12;

// A cell that sorts by a number of its own, so that 10 follows 9 and 1:05 follows 0:59, and
// a cell without a time ("–") comes last.
class Cell : public QTableWidgetItem {
 public:
  Cell(const QString& text, qint64 key, Qt::Alignment alignment = Qt::AlignRight)
      : QTableWidgetItem(text), m_key(key) {
    setTextAlignment(alignment | Qt::AlignVCenter);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    const auto* cell = dynamic_cast<const Cell*>(&other);
    return cell && m_key != cell->m_key ? m_key < cell->m_key
                                        : text().localeAwareCompare(other.text()) < 0;
  }

 private:
  qint64 m_key;
};

// The built-in figures in their own pieces first, as they were always shown, then every
// other kind with statistics, in the order the chooser offers the figures.
std::vector<wendrel::PuzzleKind> KindsShown(const MyFigures& figures) {
  std::vector<wendrel::PuzzleKind> kinds;
  for (const wendrel::ShapeInfo& info : wendrel::kShapes)
    kinds.push_back({info.name, info.pieces});
  std::vector<wendrel::PuzzleKind> saved = SavedSolveKinds();
  std::vector<std::string> order;
  for (const wendrel::FigureRef& figure : wendrel::KnownFigures())
    order.push_back(figure->name);
  for (const wendrel::FigureRef& figure : figures.Figures())
    order.push_back(figure->name);
  const auto rank = [&](const wendrel::PuzzleKind& kind) {
    return std::pair(std::find(order.begin(), order.end(), kind.figure) - order.begin(), kind);
  };
  std::sort(saved.begin(), saved.end(),
            [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
  for (const wendrel::PuzzleKind& kind : saved) {
    if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end())
      kinds.push_back(kind);
  }
  return kinds;
}

}  // namespace

CStatisticsDlg::CStatisticsDlg(UserServices& services, const MyFigures& figures, QWidget* parent)
    : QDialog(parent),
      m_services(services),
      m_figures(figures),
      m_pTable(new QTableWidget(0, 6, this)) {
  setWindowTitle(tr("Statistics"));
  m_pTable->setHorizontalHeaderLabels({tr("Figure"), tr("Pieces"), tr("Solved"), tr("With help"),
                                       tr("Best time"), tr("Mean time")});
  m_pTable->verticalHeader()->hide();
  m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_pTable->setSelectionMode(QAbstractItemView::NoSelection);
  m_pTable->setFocusPolicy(Qt::NoFocus);
  // No column is sorted until the player asks: the rows keep the chooser's order.
  m_pTable->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  m_pTable->horizontalHeader()->setSortIndicatorShown(true);
  m_pTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Fill();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* reset = buttons->addButton(tr("Reset"), QDialogButtonBox::ResetRole);
  connect(reset, &QPushButton::clicked, this, &CStatisticsDlg::OnReset);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pTable);
  layout->addWidget(buttons);
}

void CStatisticsDlg::Fill() {
  m_pTable->setSortingEnabled(false);
  const std::vector<wendrel::PuzzleKind> kinds = KindsShown(m_figures);
  m_pTable->setRowCount(static_cast<int>(kinds.size()));
  for (int row = 0; row < m_pTable->rowCount(); ++row) {
    const wendrel::PuzzleKind& kind = kinds[static_cast<std::size_t>(row)];
    const wendrel::SolveStats stats = SavedSolveStats(kind);
    const wendrel::FigureRef figure = m_figures.Find(kind.figure);
    // A figure of the player's that was removed keeps its statistics under its name.
    const QString title = figure ? FigureTitle(*figure) : QString::fromStdString(kind.figure);
    const bool timed = stats.SolvedUnaided() > 0;
    const auto time = [&](std::int64_t ms) {
      return new Cell(timed ? QString::fromStdString(wendrel::FormatPlayingTime(ms)) : tr("–"),
                      timed ? ms : std::numeric_limits<qint64>::max());
    };
    m_pTable->setItem(row, 0, new Cell(title, 0, Qt::AlignLeft));
    m_pTable->setItem(row, 1, new Cell(QString::number(kind.pieces), kind.pieces));
    m_pTable->setItem(row, 2, new Cell(QString::number(stats.solved), stats.solved));
    m_pTable->setItem(row, 3,
                      new Cell(QString::number(stats.solvedWithHelp), stats.solvedWithHelp));
    m_pTable->setItem(row, 4, time(stats.bestMs));
    m_pTable->setItem(row, 5, time(stats.MeanMs()));
  }
  m_pTable->setSortingEnabled(true);
  // The table shows every column whole, and rows down to kMostRows, and the dialog fits
  // around it.
  m_pTable->resizeColumnsToContents();
  m_pTable->resizeRowsToContents();
  const int rows = std::min(m_pTable->rowCount(), kMostRows);
  const bool scrolls = m_pTable->rowCount() > kMostRows;
  m_pTable->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  const int scrollBar = scrolls ? m_pTable->verticalScrollBar()->sizeHint().width() : 0;
  const int width = m_pTable->horizontalHeader()->length() + 2 * m_pTable->frameWidth() + scrollBar;
  int rowsHeight = 0;
  for (int row = 0; row < rows; ++row)
    rowsHeight += m_pTable->rowHeight(row);
  const int height =
      m_pTable->horizontalHeader()->height() + rowsHeight + 2 * m_pTable->frameWidth();
  m_pTable->setFixedSize(width, height);
}

void CStatisticsDlg::OnReset() {
  if (!m_services.Ask(this, tr("Clear the statistics of every shape?"), tr("Statistics")))
    return;
  ClearSolveStats();
  Fill();
}

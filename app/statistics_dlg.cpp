#include "app/statistics_dlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/player_settings.h"
#include "app/shape_texts.h"
#include "view/user_services.h"

namespace {

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignRight) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(alignment | Qt::AlignVCenter);
  return item;
}

}  // namespace

CStatisticsDlg::CStatisticsDlg(UserServices& services, QWidget* parent)
    : QDialog(parent),
      m_services(services),
      m_pTable(new QTableWidget(static_cast<int>(wendrel::kShapes.size()), 5, this)) {
  setWindowTitle(tr("Statistics"));
  m_pTable->setHorizontalHeaderLabels(
      {tr("Shape"), tr("Solved"), tr("With help"), tr("Best time"), tr("Mean time")});
  m_pTable->verticalHeader()->hide();
  m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_pTable->setSelectionMode(QAbstractItemView::NoSelection);
  m_pTable->setFocusPolicy(Qt::NoFocus);
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
  for (int row = 0; row < m_pTable->rowCount(); ++row) {
    const wendrel::ShapeInfo& info = wendrel::kShapes[static_cast<std::size_t>(row)];
    const wendrel::Shape shape = info.shape;
    const wendrel::SolveStats stats = SavedSolveStats({info.name, info.pieces});
    const bool timed = stats.SolvedUnaided() > 0;
    const auto time = [&](std::int64_t ms) {
      return timed ? QString::fromStdString(wendrel::FormatPlayingTime(ms)) : tr("–");
    };
    m_pTable->setItem(row, 0, Cell(TextsOf(shape).title, Qt::AlignLeft));
    m_pTable->setItem(row, 1, Cell(QString::number(stats.solved)));
    m_pTable->setItem(row, 2, Cell(QString::number(stats.solvedWithHelp)));
    m_pTable->setItem(row, 3, Cell(time(stats.bestMs)));
    m_pTable->setItem(row, 4, Cell(time(stats.MeanMs())));
  }
  // The table shows every row and column whole, and the dialog fits around it.
  m_pTable->resizeColumnsToContents();
  m_pTable->resizeRowsToContents();
  const int width = m_pTable->horizontalHeader()->length() + 2 * m_pTable->frameWidth();
  const int height = m_pTable->horizontalHeader()->height() + m_pTable->verticalHeader()->length() +
                     2 * m_pTable->frameWidth();
  m_pTable->setFixedSize(width, height);
}

void CStatisticsDlg::OnReset() {
  if (!m_services.Ask(this, tr("Clear the statistics of every shape?"), tr("Statistics")))
    return;
  ClearSolveStats();
  Fill();
}

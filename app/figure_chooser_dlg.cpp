#include "app/figure_chooser_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "app/my_figures.h"
#include "app/shape_texts.h"
#include "io/figure_box.h"
#include "view/figure_silhouette.h"

namespace {

// The grid shows this many tiles across and, with more figures than fit, this many rows
// before it scrolls.
constexpr int kColumns = 4;
constexpr int kRows = 3;
// A picture's side, in lines of the dialog's font.
constexpr int kPictureLines = 5;
// Shows that a figure was solved at least once, in any font the desktop gives.
constexpr char16_t kSolvedMark = u'\u2713';

QString Time(std::int64_t ms) {
  return QString::fromStdString(wendrel::FormatPlayingTime(ms));
}

// The tile's line under the name: the mark once solved, with the best time once solved
// without help; solves with help set no time.
QString MarkLine(const FigureChoice& figure) {
  if (figure.stats.solved == 0)
    return QString();
  if (figure.stats.SolvedUnaided() == 0)
    return QString(QChar(kSolvedMark));
  return QString(QChar(kSolvedMark)) + u' ' + Time(figure.stats.bestMs);
}

}  // namespace

std::vector<FigureChoice> FigureChoices(const MyFigures& mine, const wendrel::SolveBook& book,
                                        int pieces) {
  std::vector<FigureChoice> figures;
  const auto offer = [&](const wendrel::FigureRef& figure, bool own) {
    const wendrel::PuzzleId kind(figure, 0, pieces);
    figures.push_back({figure, FigureTitle(*figure), kind.pieces, book.Read(kind.Kind()), own});
  };
  for (const wendrel::FigureRef& figure : wendrel::KnownFigures())
    offer(figure, false);
  for (const wendrel::FigureRef& figure : mine.Figures())
    offer(figure, true);
  return figures;
}

CFigureChooserDlg::CFigureChooserDlg(MyFigures& mine, const wendrel::SolveBook& book,
                                     const wendrel::FigureRef& current, int pieces, QWidget* parent)
    : QDialog(parent),
      m_mine(mine),
      m_book(book),
      m_figures(FigureChoices(mine, book, pieces)),
      m_pList(new QListWidget(this)),
      m_pPieces(new QComboBox(this)) {
  setWindowTitle(tr("Choose Figure"));
  m_pList->setViewMode(QListView::IconMode);
  m_pList->setMovement(QListView::Static);
  m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
  m_pList->setWordWrap(false);
  const int picture = kPictureLines * fontMetrics().height();
  m_pList->setIconSize(QSize(picture, picture));
  m_pList->setGridSize(tileSize());
  fillTiles(current->name);

  m_pPieces->addItem(tr("Each figure's own"), 0);
  for (int n = wendrel::Figure::kMinPieces; n <= wendrel::Figure::kMaxPieces; ++n)
    m_pPieces->addItem(QString::number(n), n);
  m_pPieces->setCurrentIndex(std::max(0, m_pPieces->findData(pieces)));
  auto* piecesLabel = new QLabel(tr("&Pieces:"), this);
  piecesLabel->setBuddy(m_pPieces);
  // The marks and times are those of the count shown.
  connect(m_pPieces, &QComboBox::currentIndexChanged, this, [this] {
    const QListWidgetItem* at = m_pList->currentItem();
    const std::string current =
        at ? m_figures[static_cast<std::size_t>(at->data(Qt::UserRole).toInt())].figure->name
           : std::string();
    m_figures = FigureChoices(m_mine, m_book, this->pieces());
    fillTiles(current);
  });

  // The grid shows a whole row of tiles, and whole rows down to kRows, without scrolling
  // sideways.
  const int tiles = static_cast<int>(m_figures.size());
  const int columns = std::clamp(tiles, 1, kColumns);
  const int rows = std::max(1, (tiles + columns - 1) / columns);
  const int frame = 2 * m_pList->frameWidth();
  // A scroll bar that came and went with the width it takes would change the columns;
  // the grid has one from the start when it needs one, and none otherwise.
  const bool scrolls = rows > kRows;
  m_pList->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  m_pList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const int scrollBar =
      scrolls ? m_pList->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_pList) : 0;
  // The grid's layout starts a new row where a cell would reach the viewport's last pixel
  // column, hence the one pixel more.
  m_pList->setFixedSize(columns * m_pList->gridSize().width() + frame + scrollBar + 1,
                        std::min(rows, kRows) * m_pList->gridSize().height() + frame);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_pOk = buttons->button(QDialogButtonBox::Ok);
  m_pRemove = buttons->addButton(tr("&Remove"), QDialogButtonBox::ActionRole);
  m_pRemove->setToolTip(tr("Remove the chosen figure of your own"));
  connect(m_pRemove, &QPushButton::clicked, this, &CFigureChooserDlg::removeChosen);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // Return and a double click reach the tile under the cursor even where it was left
  // unselected, and choose it.
  connect(m_pList, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    item->setSelected(true);
    accept();
  });
  const auto enable = [this] {
    m_pOk->setEnabled(selected() != nullptr);
    m_pRemove->setEnabled(selected() && selected()->mine);
  };
  connect(m_pList, &QListWidget::itemSelectionChanged, this, enable);
  enable();

  auto* count = new QHBoxLayout;
  count->addWidget(piecesLabel);
  count->addWidget(m_pPieces);
  count->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pList);
  layout->addLayout(count);
  layout->addWidget(buttons);
  m_pList->setFocus();
}

void CFigureChooserDlg::fillTiles(const std::string& current) {
  m_pList->clear();
  const QPalette colours = m_pList->palette();
  const qreal ratio = devicePixelRatioF();
  for (std::size_t i = 0; i < m_figures.size(); ++i) {
    const FigureChoice& figure = m_figures[i];
    // The scheme's text colour, and for the chosen tile, whose name is highlighted, the
    // highlight's colour, so that the figure shows in light and dark schemes alike.
    QIcon icon;
    icon.addPixmap(
        SilhouettePixmap(*figure.figure, m_pList->iconSize(), ratio, colours.color(QPalette::Text)),
        QIcon::Normal);
    icon.addPixmap(SilhouettePixmap(*figure.figure, m_pList->iconSize(), ratio,
                                    colours.color(QPalette::Highlight)),
                   QIcon::Selected);
    const QString mark = MarkLine(figure);
    auto* tile = new QListWidgetItem(
        icon, mark.isEmpty() ? figure.name : figure.name + u'\n' + mark, m_pList);
    tile->setData(Qt::UserRole, static_cast<int>(i));
    // A tile as tall as its cell, so that the grid scrolled to its end shows the last row
    // whole, with the room below it that the rows above have.
    tile->setSizeHint(m_pList->gridSize());
    tile->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QString about = tr("%1, %2 pieces").arg(figure.name).arg(figure.pieces);
    if (figure.stats.solved > 0)
      about += u'\n' + tr("Solved: %1").arg(figure.stats.solved);
    if (figure.stats.SolvedUnaided() > 0)
      about += u'\n' + tr("Best time: %1").arg(Time(figure.stats.bestMs));
    tile->setToolTip(about);
    if (figure.figure->name == current)
      m_pList->setCurrentItem(tile);
  }
}

QSize CFigureChooserDlg::tileSize() const {
  const QFontMetrics metrics = m_pList->fontMetrics();
  int text = 0;
  for (const FigureChoice& figure : m_figures) {
    text = std::max(text, metrics.horizontalAdvance(figure.name));
    text = std::max(text, metrics.horizontalAdvance(MarkLine(figure)));
  }
  // A line's height of room around the picture and the text, and two lines of text.
  const int room = metrics.height();
  const QSize picture = m_pList->iconSize();
  return QSize(std::max(picture.width(), text) + room,
               picture.height() + 2 * metrics.lineSpacing() + room);
}

const FigureChoice* CFigureChooserDlg::selected() const {
  const QList<QListWidgetItem*> chosen = m_pList->selectedItems();
  if (chosen.isEmpty())
    return nullptr;
  return &m_figures[static_cast<std::size_t>(chosen.front()->data(Qt::UserRole).toInt())];
}

int CFigureChooserDlg::pieces() const {
  return m_pPieces->currentData().toInt();
}

std::optional<std::pair<wendrel::FigureRef, int>> CFigureChooserDlg::Chosen() const {
  if (result() != QDialog::Accepted || !selected())
    return std::nullopt;
  return std::pair(selected()->figure, pieces());
}

void CFigureChooserDlg::removeChosen() {
  const FigureChoice* chosen = selected();
  if (!chosen || !chosen->mine)
    return;
  QString error;
  if (!m_mine.Remove(chosen->figure->name, error)) {
    QMessageBox::warning(this, windowTitle(), tr("Cannot remove %1: %2").arg(chosen->name, error));
    return;
  }
  m_figures = FigureChoices(m_mine, m_book, pieces());
  fillTiles(std::string());
}

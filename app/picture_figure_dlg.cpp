#include "app/picture_figure_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "shapes/figure.h"
#include "shapes/shape_outline.h"
#include "view/figure_silhouette.h"

namespace {

// The preview's side in device-independent pixels.
constexpr int kPreviewSide = 240;
// A name shows on the chooser's tiles and in the title bar, where a long one is cut off.
constexpr int kLongestName = 40;

}  // namespace

CPictureFigureDlg::CPictureFigureDlg(QWidget* parent, const std::vector<wendrel::DPoint>& outline,
                                     const QString& name)
    : QDialog(parent),
      m_pName(new QLineEdit(name.left(kLongestName), this)),
      m_pPieces(new QSpinBox(this)) {
  setWindowTitle(tr("New Figure from Picture"));

  // Drawn as the chooser draws a figure, so that it looks the same there afterwards.
  wendrel::Figure shape;
  shape.outline = outline;
  auto* preview = new QLabel(this);
  preview->setPixmap(SilhouettePixmap(shape, QSize(kPreviewSide, kPreviewSide), devicePixelRatioF(),
                                      palette().color(QPalette::Text)));
  preview->setAlignment(Qt::AlignCenter);

  m_pName->setMaxLength(kLongestName);
  m_pPieces->setRange(wendrel::Figure::kMinPieces, wendrel::Figure::kMaxPieces);
  m_pPieces->setValue(wendrel::Figure::kAutomaticPieces);
  auto* fields = new QFormLayout;
  fields->addRow(tr("&Name:"), m_pName);
  fields->addRow(tr("&Pieces:"), m_pPieces);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  const auto named = [this, ok] { ok->setEnabled(!Name().isEmpty()); };
  connect(m_pName, &QLineEdit::textChanged, this, named);
  named();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(preview);
  layout->addLayout(fields);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  m_pName->setFocus();
  m_pName->selectAll();
}

QString CPictureFigureDlg::Name() const {
  return m_pName->text().trimmed();
}

int CPictureFigureDlg::Pieces() const {
  return m_pPieces->value();
}

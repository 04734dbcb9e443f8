#include "app/generate_number_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <variant>

#include "app/static_text.h"
#include "io/seed_parser.h"

CGenerateNumberDlg::CGenerateNumberDlg(QWidget* parent)
    : QDialog(parent), m_pEdit(new QLineEdit(this)), m_pError(StaticText(QString(), this)) {
  setWindowTitle(tr("Generate Number"));
  auto* prompt = new QLabel(tr("&Puzzle number:"), this);
  prompt->setBuddy(m_pEdit);
  // The error shows in the palette's own colour for links: readable on light and dark.
  m_pError->setForegroundRole(QPalette::LinkVisited);
  m_pError->setWordWrap(true);
  m_pError->hide();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(m_pEdit);
  layout->addWidget(m_pError);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  m_pEdit->setMinimumWidth(m_pEdit->fontMetrics().horizontalAdvance(QStringLiteral("-2147483648")) *
                           2);
}

void CGenerateNumberDlg::accept() {
  const QString text = m_pEdit->text();
  const std::variant<std::int32_t, wendrel::SeedFault> read = wendrel::ReadSeed(text.toStdString());
  if (const wendrel::SeedFault* fault = std::get_if<wendrel::SeedFault>(&read)) {
    m_pError->setText(FaultText(*fault, text));
    m_pError->show();
    m_pEdit->setFocus();
    m_pEdit->selectAll();
    return;
  }
  m_nNumber = std::get<std::int32_t>(read);
  QDialog::accept();
}

QString CGenerateNumberDlg::FaultText(wendrel::SeedFault fault, const QString& text) {
  // In English the words of --seed, so that both say the same.
  switch (fault) {
    case wendrel::SeedFault::kMissing:
      return tr("the puzzle number needs a number");
    case wendrel::SeedFault::kNotWhole:
      return tr("seed '%1' is not a whole number").arg(text);
    case wendrel::SeedFault::kOutOfRange:
      return tr("seed '%1' is out of range (%2 to %3)")
          .arg(text, QString::number(wendrel::kLowestSeed), QString::number(wendrel::kHighestSeed));
  }
  return QString();
}

#include "app/generate_number_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <string>

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
  std::string error;
  const std::optional<std::int32_t> number =
      wendrel::ParseSeed("the puzzle number", m_pEdit->text().toStdString(), error);
  if (!number) {
    m_pError->setText(QString::fromStdString(error));
    m_pError->show();
    m_pEdit->setFocus();
    m_pEdit->selectAll();
    return;
  }
  m_nNumber = number;
  QDialog::accept();
}

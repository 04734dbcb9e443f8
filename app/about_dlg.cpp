#include "app/about_dlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/dialog_units.h"
#include "app/product_info.h"
#include "app/static_text.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About %1").arg(QLatin1String(product::kName)));

  auto* icon = new QLabel(this);
  icon->setPixmap(QApplication::windowIcon().pixmap(32));
  auto* version = StaticText(QLatin1String(product::kVersionText), this);
  auto* rights = StaticText(QLatin1String(product::kRightsNotice), this);
  version->setMinimumWidth(DialogUnitsX(*this, 119));
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setDefault(true);
  ok->setMinimumWidth(DialogUnitsX(*this, 50));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(DialogUnitsX(*this, 11), DialogUnitsY(*this, 7),
                             DialogUnitsX(*this, 7), DialogUnitsY(*this, 7));
  layout->setHorizontalSpacing(DialogUnitsX(*this, 9));
  layout->setVerticalSpacing(DialogUnitsY(*this, 7));
  layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignCenter);
  layout->addWidget(version, 0, 1);
  layout->addWidget(rights, 1, 1);
  layout->addWidget(ok, 0, 2, Qt::AlignTop);
  // A modal frame: the box keeps the size its contents give it.
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "view/morvane_view.h"

void CMorvaneView::PrintOn(QPaintDevice& device) {
  QPainter dc;
  if (!dc.begin(&device))
    return;
  OnPrepareDC(dc, true);
  OnDraw(dc);
}

void CMorvaneView::OnFilePrint() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted)
    return;
  PrintOn(printer);
}

void CMorvaneView::OnFilePrintDirect() {
  // Straight to the default printer; with none there is nowhere to print.
  if (QPrinterInfo::defaultPrinter().isNull())
    return;
  QPrinter printer(QPrinter::HighResolution);
  PrintOn(printer);
}

void CMorvaneView::OnFilePrintPreview() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* target) { PrintOn(*target); });
  preview.exec();
}

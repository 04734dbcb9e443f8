#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTransform>
#include <algorithm>

#include "view/morvane_view.h"
#include "view/piece_painter.h"

namespace {

// Maps extent onto the middle of page, as large as fits in proportion.
QTransform FitToPage(const QRectF& extent, const QRectF& page) {
  const qreal scale = std::min(page.width() / extent.width(), page.height() / extent.height());
  QTransform fit;
  fit.translate(page.center().x(), page.center().y());
  fit.scale(scale, scale);
  fit.translate(-extent.center().x(), -extent.center().y());
  return fit;
}

}  // namespace

void CMorvaneView::PrintOn(QPaintDevice& device) {
  QPainter dc;
  if (!dc.begin(&device))
    return;
  QRectF extent;
  for (int g = 0; g < m_game.Pieces().GroupCount(); ++g)
    extent |= GroupExtent(m_game.Pieces(), g);
  if (extent.isEmpty())
    return;  // nothing to print: the page stays empty
  OnPrepareDC(dc, true);
  // The triangles stay polygons on the page, so a printout is sharp at any resolution.
  dc.setTransform(FitToPage(extent, QRectF(0, 0, device.width(), device.height())), true);
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

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTransform>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <string_view>
#include <system_error>

#include "io/output_file.h"
#include "view/file_error_text.h"
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

// A printout to a file goes through the one writer, as a Save does: Qt's PDF printer says
// nothing of a write that fails and leaves a broken file. So the PDF is made in memory, on a
// writer set up as the printer is (the same page, resolution, names and PDF version give
// the same bytes), and a file that cannot take it is left as it was, with the reason.
std::error_code PrintToFile(const QPrinter& printer,
                            const std::function<bool(QPaintDevice&)>& print) {
  wendrel::OutputFile file(std::filesystem::path(printer.outputFileName().toStdU16String()));
  if (const std::error_code ec = file.Open())
    return ec;
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setPageLayout(printer.pageLayout());
  writer.setResolution(printer.resolution());
  writer.setCreator(printer.creator());
  writer.setTitle(printer.docName());
  writer.setPdfVersion(printer.pdfVersion());
  if (!print(writer))
    return std::make_error_code(std::errc::io_error);
  return file.Commit(std::string_view(pdf.constData(), pdf.size()));
}

}  // namespace

bool CMorvaneView::PrintOn(QPaintDevice& device) {
  QPainter dc;
  if (!dc.begin(&device))
    return false;
  QRectF extent;
  for (int g = 0; g < m_game.Pieces().GroupCount(); ++g)
    extent |= GroupExtent(m_game.Pieces(), g);
  if (!extent.isEmpty()) {  // else nothing to print: the page stays empty
    OnPrepareDC(dc, true);
    // The triangles stay polygons on the page, so a printout is sharp at any resolution.
    dc.setTransform(FitToPage(extent, QRectF(0, 0, device.width(), device.height())), true);
    OnDraw(dc);
  }
  return dc.end();
}

void CMorvaneView::PrintAndReport(QPrinter& printer) {
  QString failure;
  if (printer.outputFileName().isEmpty()) {
    if (!PrintOn(printer))
      failure = tr("The printer did not take the printout.");
  } else if (const std::error_code ec =
                 PrintToFile(printer, [this](QPaintDevice& device) { return PrintOn(device); })) {
    failure = tr("Cannot print to %1:\n%2")
                  .arg(QDir::toNativeSeparators(printer.outputFileName()), FileErrorText(ec));
  }
  if (!failure.isEmpty())
    m_services.MessageBox(this, failure, QStringLiteral("Wendrel"), UserServices::Icon::Stop);
}

void CMorvaneView::OnFilePrint() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted)
    return;
  PrintAndReport(printer);
}

void CMorvaneView::OnFilePrintDirect() {
  // Straight to the default printer; with none there is nowhere to print.
  if (QPrinterInfo::defaultPrinter().isNull())
    return;
  QPrinter printer(QPrinter::HighResolution);
  PrintAndReport(printer);
}

void CMorvaneView::OnFilePrintPreview() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* target) { PrintOn(*target); });
  preview.exec();
}

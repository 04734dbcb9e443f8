#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "tests/view/expected_picture.h"
#include "tests/view/puzzle_moves.h"
#include "tests/view/view_under_test.h"
#include "view/piece_painter.h"

using wendrel::PieceSet;

namespace {

constexpr QRgb kPaper = 0xffffff;

// The logical rectangle that the puzzle's corner points span, worked out from the model.
QRectF PuzzleExtent(const PieceSet& pieces) {
  double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
  for (int t = 0; t < pieces.PlacedCount(); ++t) {
    const wendrel::Triangle& tri = pieces.Placed(t);
    for (const wendrel::DPoint& v : {tri.a, tri.b, tri.c}) {
      const QPoint p = ModelToLogical(v);
      left = std::min<double>(left, p.x());
      right = std::max<double>(right, p.x());
      top = std::min<double>(top, p.y());
      bottom = std::max<double>(bottom, p.y());
    }
  }
  return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// The smallest rectangle holding every pixel of picture that is not paper; null when all is.
QRect InkBox(const QImage& picture) {
  QRect box;
  for (int y = 0; y < picture.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      if ((row[x] & 0xffffff) != kPaper)
        box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

class PrintTest : public ViewTest {
 protected:
  void SetUp() override {
    // A small window, scrolled: the printout must not depend on what the window shows.
    ShowView(QSize(500, 400));
    Generate(kSeed);
    view->horizontalScrollBar()->setValue(200);
    view->verticalScrollBar()->setValue(150);
  }

  // Prints to a PDF at the given resolution and orientation, and renders the file back
  // at dpi with the system's PDF rasteriser. Also gives the printable area at dpi.
  QImage PrintToPdf(int resolution, QPageLayout::Orientation orientation, int dpi,
                    QRectF& printable) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(resolution);
    printer.setPageOrientation(orientation);
    const QString pdf = scratch.filePath("print.pdf");
    printer.setOutputFileName(pdf);
    view->PrintOn(printer);
    const QRectF points = printer.pageLayout().paintRect(QPageLayout::Point);
    printable = QRectF(points.topLeft() * dpi / 72.0, points.size() * dpi / 72.0);

    imageList = Run("pdfimages", {"-list", pdf});
    Run("pdftoppm",
        {"-png", "-r", QString::number(dpi), "-singlefile", pdf, scratch.filePath("page")});
    return QImage(scratch.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
  }

  // Runs one of the system's PDF tools and gives what it wrote.
  static QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
  }

  // Checks every seventh pixel of page against the model: where the puzzle's extent,
  // scaled to fit area in proportion and centred, puts a logical point clear of
  // edges, the page shows that point's top piece in its colour, or paper.
  void ExpectPageShowsPuzzle(const QImage& page, const QRectF& area) const {
    const ModelPicture model(view->Pieces());
    const QRectF extent = PuzzleExtent(view->Pieces());
    const double scale = std::min(area.width() / extent.width(), area.height() / extent.height());
    const int radius = static_cast<int>(std::ceil(2 / scale)) + 1;
    int pieces = 0, paper = 0;
    for (int y = 0; y < page.height(); y += 7) {
      for (int x = 0; x < page.width(); x += 7) {
        const QPointF at = extent.center() + (QPointF(x + 0.5, y + 0.5) - area.center()) / scale;
        const QPoint logical(static_cast<int>(std::floor(at.x())),
                             static_cast<int>(std::floor(at.y())));
        if (!model.ClearOfEdges(logical, radius))
          continue;
        const std::optional<int> top = model.TopPieceAt(logical);
        ASSERT_EQ(page.pixel(x, y) & 0xffffff, top ? PieceRgb(*top) : kPaper) << x << "," << y;
        ++(top ? pieces : paper);
      }
    }
    EXPECT_GT(pieces, 1000);
    EXPECT_GT(paper, 1000);
  }

  QTemporaryDir scratch;
  // What pdfimages found in the last PDF: a heading of two lines, then a line an image.
  QString imageList;
};

// Each page pixel shows what the model puts at its logical point: the picture is the
// screen's, scaled in proportion to fill the page, and centred.
TEST_F(PrintTest, APrintoutIsThePuzzleScaledToFillThePageAndCentred) {
  const QRectF extent = PuzzleExtent(view->Pieces());
  for (const QSize size : {QSize(1500, 2100), QSize(2100, 1500)}) {
    SCOPED_TRACE(size.width());
    QImage page(size, QImage::Format_RGB32);
    page.fill(kPaper);

    view->PrintOn(page);

    ExpectPageShowsPuzzle(page, QRectF(QPointF(0, 0), size));

    // The puzzle reaches two opposite sides of the page, and lies as far from the others.
    const QRect ink = InkBox(page);
    const bool fillsWidth = size.width() / extent.width() <= size.height() / extent.height();
    if (fillsWidth) {
      EXPECT_LE(ink.left(), 1);
      EXPECT_GE(ink.right(), size.width() - 2);
      EXPECT_NEAR(ink.top(), size.height() - 1 - ink.bottom(), 3);
    } else {
      EXPECT_LE(ink.top(), 1);
      EXPECT_GE(ink.bottom(), size.height() - 2);
      EXPECT_NEAR(ink.left(), size.width() - 1 - ink.right(), 3);
    }
  }
}

TEST_F(PrintTest, APdfPrintoutFillsThePrintableWidthOrHeightAtEveryResolution) {
  constexpr int kDpi = 100;
  for (const int resolution : {300, 1200}) {
    for (const auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
      SCOPED_TRACE(::testing::Message() << resolution << " dpi, orientation " << orientation);
      QRectF printable;
      const QImage page = PrintToPdf(resolution, orientation, kDpi, printable);
      ASSERT_FALSE(page.isNull());
      EXPECT_EQ(page.width() > page.height(), orientation == QPageLayout::Landscape);

      const QRect ink = InkBox(page);
      ASSERT_FALSE(ink.isNull());
      EXPECT_TRUE(ink.width() >= 0.95 * printable.width() ||
                  ink.height() >= 0.95 * printable.height())
          << "ink " << ink.width() << " x " << ink.height() << " on " << printable.width() << " x "
          << printable.height();
      // Within the printable area, and centred in it.
      EXPECT_GE(ink.left(), printable.left() - 1);
      EXPECT_LE(ink.right(), printable.right() + 1);
      EXPECT_GE(ink.top(), printable.top() - 1);
      EXPECT_LE(ink.bottom(), printable.bottom() + 1);
      EXPECT_NEAR(ink.center().x(), printable.center().x(), 3);
      EXPECT_NEAR(ink.center().y(), printable.center().y(), 3);
      // The triangles are drawn as shapes, not as a picture.
      EXPECT_EQ(imageList.trimmed().split('\n').size(), 2) << imageList.toStdString();
    }
  }
}

// A viewer smooths the edges of the shapes in a PDF: inside a piece no seam between its
// triangles may show, so that the page shows what the screen shows.
TEST_F(PrintTest, APdfPrintoutShowsThePuzzleAsTheScreenDoesWithNoSeams) {
  QRectF printable;
  const QImage page = PrintToPdf(1200, QPageLayout::Portrait, 100, printable);
  ASSERT_FALSE(page.isNull());
  ExpectPageShowsPuzzle(page, printable);
}

TEST_F(PrintTest, AnEmptyViewPrintsAnEmptyPage) {
  ShowView(QSize(500, 400));
  QImage image(400, 300, QImage::Format_RGB32);
  image.fill(kPaper);
  view->PrintOn(image);
  EXPECT_TRUE(InkBox(image).isNull());

  QRectF printable;
  const QImage page = PrintToPdf(1200, QPageLayout::Portrait, 50, printable);
  ASSERT_FALSE(page.isNull());
  EXPECT_TRUE(InkBox(page).isNull());
}

}  // namespace

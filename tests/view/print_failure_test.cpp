// A printout that cannot be made says so, with the reason, and leaves no broken file; one
// printed into a file is the PDF that the printer itself would have written.

#include <sys/resource.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QPrinter>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <system_error>

#include "io/file_errors.h"
#include "tests/io/device_nodes.h"
#include "tests/io/scratch_dir.h"
#include "tests/view/view_under_test.h"

namespace {

using wendrel::testing::ReadFile;
namespace fs = std::filesystem;

class PrintFailureTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    Generate(kSeed);
  }

  fs::path InScratch(const char* name) const { return scratch.path() / name; }
  // Prints as the Print command does once its dialog is closed, as a PDF into path.
  void PrintInto(const fs::path& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path.string()));
    view->PrintAndReport(printer);
  }
  // The one box that reported a failure names the file and says why.
  void ExpectReported(const fs::path& path, std::error_code reason) {
    ASSERT_EQ(services.messages.size(), 1u);
    const QString& text = services.messages[0].text;
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(QString::fromStdString(path.string()))))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromLocal8Bit(reason.message()))) << text.toStdString();
    EXPECT_EQ(services.messages[0].icon, UserServices::Icon::Stop);
    services.messages.clear();
  }

  wendrel::testing::ScratchDir scratch;
};

TEST_F(PrintFailureTest, PrintoutIntoAFileIsThePdfThePrinterMakes) {
  PrintInto(InScratch("through-the-writer.pdf"));
  EXPECT_TRUE(services.messages.empty());
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(InScratch("by-the-printer.pdf").string()));
  ASSERT_TRUE(view->PrintOn(printer));

  // Only the time of making may differ.
  const std::regex made(R"(/CreationDate \(D:[^)]*\))");
  const std::string printout = ReadFile(InScratch("through-the-writer.pdf"));
  EXPECT_EQ(printout.rfind("%PDF-", 0), 0u);
  EXPECT_EQ(std::regex_replace(printout, made, ""),
            std::regex_replace(ReadFile(InScratch("by-the-printer.pdf")), made, ""));
}

TEST_F(PrintFailureTest, PrintoutThatAFileCannotTakeIsReportedAndLeavesTheFileAsItWas) {
  const fs::path full = InScratch("full"), fifo = InScratch("fifo"),
                 missing = InScratch("missing/printout.pdf"), old = InScratch("old.pdf");
  ASSERT_EQ(wendrel::testing::MakeCharDevice(full, wendrel::testing::kFullDevice), "");
  ASSERT_EQ(wendrel::testing::MakeFifo(fifo), "");
  std::ofstream(old) << "old printout";

  PrintInto(full);
  ExpectReported(full, std::make_error_code(std::errc::no_space_on_device));
  PrintInto(fifo);
  ExpectReported(fifo, wendrel::FileError::kNoReader);
  PrintInto(missing);
  ExpectReported(missing, std::make_error_code(std::errc::no_such_file_or_directory));

  // A disk that fills up while the printout is written, as a limit of a file's size does.
  rlimit before{};
  getrlimit(RLIMIT_FSIZE, &before);
  const rlimit limited{1000, before.rlim_max};
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &limited);
  PrintInto(old);
  setrlimit(RLIMIT_FSIZE, &before);
  std::signal(SIGXFSZ, oldHandler);
  ExpectReported(old, std::make_error_code(std::errc::file_too_large));

  EXPECT_EQ(wendrel::testing::CharDevice(full), wendrel::testing::kFullDevice);
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
  EXPECT_EQ(ReadFile(old), "old printout");
  EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path()), fs::directory_iterator{}), 3)
      << "no temporary file and no folder left";
}

// Here no printer at all: the machine of the tests has none.
TEST_F(PrintFailureTest, PrinterThatTakesNothingIsReported) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPrinterName(QStringLiteral("no-such-printer"));
  view->PrintAndReport(printer);
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].icon, UserServices::Icon::Stop);
}

}  // namespace

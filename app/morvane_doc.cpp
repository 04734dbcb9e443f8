#include "app/morvane_doc.h"

#include <QByteArray>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "app/product_info.h"
#include "io/file_to_read.h"
#include "io/output_file.h"
#include "view/user_services.h"

CMorvaneDoc::CMorvaneDoc(UserServices& services) : m_services(services) {}

bool CMorvaneDoc::OnNewDocument() {
  return true;
}

bool CMorvaneDoc::OnOpenDocument(const QString& path, QWidget* owner) {
  // Checked before it is opened: opening a FIFO or a device could wait for ever.
  const std::error_code unfit =
      wendrel::CheckFileToRead(std::filesystem::path(path.toStdU16String()));
  QFile file(path);
  if (unfit || !file.open(QIODevice::ReadOnly)) {
    const QString reason = unfit ? QString::fromLocal8Bit(unfit.message()) : file.errorString();
    ReportFileError(owner, tr("Cannot open %1:\n%2").arg(QDir::toNativeSeparators(path), reason));
    return false;
  }
  QDataStream archive(&file);
  Serialize(archive);
  return true;
}

void CMorvaneDoc::OnFileSave(QWidget* owner) {
  const QString path = m_services.SaveFileName(owner);
  if (!path.isEmpty())
    OnSaveDocument(path, owner);
}

bool CMorvaneDoc::OnSaveDocument(const QString& path, QWidget* owner) {
  QByteArray contents;
  QDataStream archive(&contents, QIODevice::WriteOnly);
  Serialize(archive);
  // The shared writer: a file is replaced only once written whole, so that a failed save
  // leaves it as it was, and a device or a FIFO chosen as the file is written, not replaced.
  wendrel::OutputFile file(std::filesystem::path(path.toStdU16String()));
  std::error_code ec = file.Open();
  if (!ec)
    ec = file.Commit(std::string_view(contents.constData(), contents.size()));
  if (!ec)
    return true;
  ReportFileError(owner,
                  tr("Cannot save %1:\n%2")
                      .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(ec.message())));
  return false;
}

void CMorvaneDoc::Serialize(QDataStream&) {}

void CMorvaneDoc::ReportFileError(QWidget* owner, const QString& text) {
  m_services.MessageBox(owner, text, QString::fromLatin1(product::kName), UserServices::Icon::Stop);
}

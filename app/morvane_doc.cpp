#include "app/morvane_doc.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "app/product_info.h"
#include "view/user_services.h"

CMorvaneDoc::CMorvaneDoc(UserServices& services) : m_services(services) {}

bool CMorvaneDoc::OnNewDocument() {
  return true;
}

bool CMorvaneDoc::OnOpenDocument(const QString& path, QWidget* owner) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ReportFileError(
        owner, tr("Cannot open %1:\n%2").arg(QDir::toNativeSeparators(path), file.errorString()));
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
  // Written aside and moved into place on commit, so that a failed save leaves an existing
  // file as it was.
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly)) {
    QDataStream archive(&file);
    Serialize(archive);
    if (file.commit())
      return true;
  }
  ReportFileError(
      owner, tr("Cannot save %1:\n%2").arg(QDir::toNativeSeparators(path), file.errorString()));
  return false;
}

void CMorvaneDoc::Serialize(QDataStream&) {}

void CMorvaneDoc::ReportFileError(QWidget* owner, const QString& text) {
  m_services.MessageBox(owner, text, QString::fromLatin1(product::kName), UserServices::Icon::Stop);
}

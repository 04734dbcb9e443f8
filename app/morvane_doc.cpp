#include "app/morvane_doc.h"

#include <QDir>
#include <QFileInfo>

#include "app/product_info.h"
#include "view/user_services.h"

CMorvaneDoc::CMorvaneDoc(UserServices& services) : m_services(services) {}

QString CMorvaneDoc::FileFilter() {
  return tr("Wendrel games (*.%1);;All files (*)").arg(QLatin1String(kExtension));
}

bool CMorvaneDoc::OnNewDocument() {
  m_strPathName.clear();
  return true;
}

GameFileIo::Read::Outcome CMorvaneDoc::OnOpenDocument(const QString& path, QWidget* owner,
                                                      wendrel::SavedGame& game) {
  GameFileIo::Read read = GameFileIo::ReadFrom(path);
  if (read.outcome == GameFileIo::Read::Outcome::kFailed) {
    ReportFileError(owner,
                    tr("Cannot open %1:\n%2").arg(QDir::toNativeSeparators(path), read.reason));
    return read.outcome;
  }
  m_strPathName = path;
  game = std::move(read.game);
  return read.outcome;
}

void CMorvaneDoc::OnFileSave(QWidget* owner, const wendrel::PuzzleGame& game) {
  if (m_strPathName.isEmpty())
    OnFileSaveAs(owner, game);
  else
    OnSaveDocument(m_strPathName, owner, game);
}

void CMorvaneDoc::OnFileSaveAs(QWidget* owner, const wendrel::PuzzleGame& game) {
  QString path = m_services.SaveFileName(owner, FileFilter());
  if (path.isEmpty())
    return;
  // A new name without an extension gets the game's; a name chosen from what is there
  // already (a device, say) is taken as it is.
  const QFileInfo chosen(path);
  if (chosen.suffix().isEmpty() && !chosen.exists() && !chosen.isSymLink())
    path += u'.' + QLatin1String(kExtension);
  if (OnSaveDocument(path, owner, game))
    m_strPathName = path;
}

bool CMorvaneDoc::OnSaveDocument(const QString& path, QWidget* owner,
                                 const wendrel::PuzzleGame& game) {
  const std::optional<QString> failure = GameFileIo::WriteTo(path, game);
  if (!failure)
    return true;
  ReportFileError(owner, tr("Cannot save %1:\n%2").arg(QDir::toNativeSeparators(path), *failure));
  return false;
}

void CMorvaneDoc::ReportFileError(QWidget* owner, const QString& text) {
  m_services.MessageBox(owner, text, QString::fromLatin1(product::kName), UserServices::Icon::Stop);
}

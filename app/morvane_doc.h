#pragma once

#include <QCoreApplication>
#include <QString>

class QDataStream;
class QWidget;
class UserServices;

// The program's one document. The game keeps nothing in files: the puzzle lives in the view
// and every Generate rebuilds it, so the document holds no state and reads and writes
// nothing. It keeps no file name either, which is why Save always asks for one and a file
// opened earlier is never emptied behind the user's back.
class CMorvaneDoc {
  Q_DECLARE_TR_FUNCTIONS(CMorvaneDoc)

 public:
  explicit CMorvaneDoc(UserServices& services);

  // Nothing to reset; true, so that New always succeeds.
  bool OnNewDocument();
  // Opens the file for reading to make sure it can be read, and reads nothing. A file that
  // cannot be opened is reported in a box owned by owner (none before the main window is
  // shown), and false returned.
  bool OnOpenDocument(const QString& path, QWidget* owner);
  // The save command: asks for a file name and writes the document there.
  void OnFileSave(QWidget* owner);
  // Writes the document, that is an empty file; a failure is reported and false returned.
  bool OnSaveDocument(const QString& path, QWidget* owner);
  // The document's contents in either direction: none.
  void Serialize(QDataStream& archive);

 private:
  void ReportFileError(QWidget* owner, const QString& text);

  UserServices& m_services;
};

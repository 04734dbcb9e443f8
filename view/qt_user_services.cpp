#include "view/qt_user_services.h"

#include <QFileDialog>
#include <QProcess>

std::unique_ptr<QMessageBox> QtUserServices::BuildMessageBox(QWidget* owner, const QString& text,
                                                             const QString& caption, Icon icon) {
  const QMessageBox::Icon shown = icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon;
  auto box = std::make_unique<QMessageBox>(shown, caption, text, QMessageBox::Ok, owner);
  // What a box says can be copied: an address to visit, the name of a file, a reason to
  // pass on.
  box->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return box;
}

void QtUserServices::MessageBox(QWidget* owner, const QString& text, const QString& caption,
                                Icon icon) {
  BuildMessageBox(owner, text, caption, icon)->exec();
}

bool QtUserServices::Ask(QWidget* owner, const QString& text, const QString& caption) {
  // No is the default, so that a stray Enter loses nothing.
  return QMessageBox::question(owner, caption, text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

bool QtUserServices::StartProgram(const QString& program, const QStringList& arguments) {
  // The arguments go to the program as they are; no shell sees them.
  return QProcess::startDetached(program, arguments);
}

QString QtUserServices::OpenFileName(QWidget* owner, const QString& filter) {
  return QFileDialog::getOpenFileName(owner, QString(), QString(), filter);
}

QString QtUserServices::SaveFileName(QWidget* owner, const QString& filter) {
  return QFileDialog::getSaveFileName(owner, QString(), QString(), filter);
}

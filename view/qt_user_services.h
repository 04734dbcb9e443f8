#pragma once

#include <QMessageBox>
#include <memory>

#include "view/user_services.h"

// The desktop as the program really uses it: Qt's message box and file dialogs, and
// programs started on their own, outside this process.
class QtUserServices : public UserServices {
 public:
  void MessageBox(QWidget* owner, const QString& text, const QString& caption, Icon icon) override;
  bool Ask(QWidget* owner, const QString& text, const QString& caption) override;
  bool StartProgram(const QString& program, const QStringList& arguments) override;
  QString OpenFileName(QWidget* owner, const QString& filter) override;
  QString SaveFileName(QWidget* owner, const QString& filter) override;

  // The box that MessageBox shows: owned by owner, the caption as given, the critical
  // icon for Icon::Stop and none otherwise, the one button OK, and text that the mouse
  // can select.
  static std::unique_ptr<QMessageBox> BuildMessageBox(QWidget* owner, const QString& text,
                                                      const QString& caption, Icon icon);
};

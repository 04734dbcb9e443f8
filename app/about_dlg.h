#pragma once

#include <QDialog>

// The About box: the program's icon, name and version, and its rights notice. OK, Enter,
// Escape or the close box end it.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

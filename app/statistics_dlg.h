#pragma once

#include <QDialog>

class QTableWidget;
class UserServices;

// The player's statistics for every shape: puzzles solved, how many with help, and the
// best and mean times of the solves without help. Reset clears them all after asking.
class CStatisticsDlg : public QDialog {
  Q_OBJECT

 public:
  CStatisticsDlg(UserServices& services, QWidget* parent = nullptr);

  void OnReset();

 private:
  void Fill();

  UserServices& m_services;
  QTableWidget* m_pTable;
};

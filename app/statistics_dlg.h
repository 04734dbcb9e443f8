#pragma once

#include <QDialog>

class MyFigures;
class QTableWidget;
class UserServices;

// The player's statistics for every figure and piece count they solved, and for the
// built-in figures in their own pieces always: puzzles solved, how many with help, and the
// best and mean times of the solves without help. A click on a column's head sorts by it.
// Reset clears them all after asking.
class CStatisticsDlg : public QDialog {
  Q_OBJECT

 public:
  CStatisticsDlg(UserServices& services, const MyFigures& figures, QWidget* parent = nullptr);

  void OnReset();

 private:
  void Fill();

  UserServices& m_services;
  const MyFigures& m_figures;
  QTableWidget* m_pTable;
};

#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

#include "io/seed_parser.h"

class QLabel;
class QLineEdit;

// Asks for a puzzle number, taking exactly what --seed takes. OK with a bad number shows
// why in the dialog, which stays open; Cancel, Escape or the close box change nothing.
class CGenerateNumberDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CGenerateNumberDlg(QWidget* parent = nullptr);

  // The number the player accepted; none unless the dialog ended with OK.
  std::optional<std::int32_t> Number() const { return m_nNumber; }

  void accept() override;

 private:
  static QString FaultText(wendrel::SeedFault fault, const QString& text);

  QLineEdit* m_pEdit;
  QLabel* m_pError;
  std::optional<std::int32_t> m_nNumber;
};

#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "geometry/primitives.h"

class QLineEdit;
class QSpinBox;

// Shows the figure traced from a picture as the player will see it, a filled silhouette,
// and asks for its name, which must not be empty, and how many pieces to cut it into.
class CPictureFigureDlg : public QDialog {
  Q_OBJECT

 public:
  // outline: the tracer's, y up, in any units; name: the one offered, as the picture's
  // base name.
  CPictureFigureDlg(QWidget* parent, const std::vector<wendrel::DPoint>& outline,
                    const QString& name);

  // The name without blanks at its ends.
  QString Name() const;
  int Pieces() const;

 private:
  QLineEdit* m_pName;
  QSpinBox* m_pPieces;
};

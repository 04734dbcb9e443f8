#pragma once

#include <QDialog>
#include <QString>

#include "app/web_browser.h"

class QLineEdit;
class UserServices;

// Shows the address of the page with more games, twice, each with a button that hands the
// address in its box to a web browser, and the address for questions and comments. The
// boxes can be edited; a button passes on what its box says when pressed. Cancel, Escape,
// the close box, or Enter in a box end the dialog; there is no OK button.
class CMoreGamesDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CMoreGamesDlg(UserServices& services, QWidget* parent = nullptr);

  // Put into the boxes 1002, 1004 and 1003 when the dialog opens.
  QString m_strExplorerUrl;
  QString m_strNetscapeUrl;
  QString m_strEmail;

  void OnInternetExplorer();
  void OnNetscapeNavigator();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Hands address to the browser; when none can be started, says so and shows the address.
  void OpenPage(WebBrowser browser, const QString& address);

  UserServices& m_services;
  QLineEdit* m_pExplorerUrl;
  QLineEdit* m_pNetscapeUrl;
  QLineEdit* m_pEmail;
};

#include "app/more_games_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "app/dialog_units.h"
#include "app/static_text.h"
#include "app/web_browser.h"
#include "view/user_services.h"

namespace {

QLineEdit* AddressBox(const char* id, int width, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QLatin1String(id));
  box->setMinimumWidth(width);
  return box;
}

// Without auto-default Enter never presses a button: in an address box it ends the
// dialog, as the boxes' returnPressed says.
QPushButton* Button(const QString& text, const char* id, int width, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QLatin1String(id));
  button->setAutoDefault(false);
  button->setMinimumWidth(width);
  return button;
}

}  // namespace

CMoreGamesDlg::CMoreGamesDlg(UserServices& services, QWidget* parent)
    : QDialog(parent), m_services(services) {
  setWindowTitle(tr("More Games"));

  // Made in the order in which Tab visits them.
  const int addressWidth = DialogUnitsX(*this, 145);
  const int browserWidth = DialogUnitsX(*this, 78);
  auto* cancel = Button(tr("Cancel"), "2", DialogUnitsX(*this, 50), this);
  auto* invitation = StaticText(
      tr("My website has more games like this that you can download.  If you have Microsoft "
         "Internet Explorer or Netscape Navigator and a connection to the Internet, these "
         "buttons will launch your browser and take you to my web page."),
      this);
  invitation->setWordWrap(true);
  const int invitationWidth = DialogUnitsX(*this, 210);
  invitation->setFixedWidth(invitationWidth);
  // The fixed-size layout goes by size hints, which know nothing of wrapping: the text
  // asks for the height of all its lines at its width, however many a language needs.
  invitation->setMinimumHeight(invitation->heightForWidth(invitationWidth));
  m_pExplorerUrl = AddressBox("1002", addressWidth, this);
  auto* explorer = Button(tr("Internet Explorer"), "1000", browserWidth, this);
  m_pNetscapeUrl = AddressBox("1004", addressWidth, this);
  auto* netscape = Button(tr("Netscape Navigator"), "1001", browserWidth, this);
  auto* contact = StaticText(tr("If you have a question or a comment, please write to:"), this);
  m_pEmail = AddressBox("1003", DialogUnitsX(*this, 90), this);

  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(explorer, &QPushButton::clicked, this, &CMoreGamesDlg::OnInternetExplorer);
  connect(netscape, &QPushButton::clicked, this, &CMoreGamesDlg::OnNetscapeNavigator);
  for (QLineEdit* box : {m_pExplorerUrl, m_pNetscapeUrl, m_pEmail}) {
    connect(box, &QLineEdit::returnPressed, this, &QDialog::accept);
  }

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(DialogUnitsX(*this, 7), DialogUnitsY(*this, 7), DialogUnitsX(*this, 7),
                             DialogUnitsY(*this, 7));
  layout->setHorizontalSpacing(DialogUnitsX(*this, 8));
  layout->setVerticalSpacing(DialogUnitsY(*this, 6));
  layout->addWidget(invitation, 0, 0, 1, 2, Qt::AlignHCenter);
  layout->addWidget(m_pExplorerUrl, 1, 0);
  layout->addWidget(explorer, 1, 1);
  layout->addWidget(m_pNetscapeUrl, 2, 0);
  layout->addWidget(netscape, 2, 1);
  layout->addWidget(contact, 3, 0, 1, 2);
  layout->addWidget(m_pEmail, 4, 0, Qt::AlignLeft);
  layout->addWidget(cancel, 4, 1, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CMoreGamesDlg::OnInternetExplorer() {
  OpenPage(WebBrowser::InternetExplorer, m_pExplorerUrl->text());
}

void CMoreGamesDlg::OnNetscapeNavigator() {
  OpenPage(WebBrowser::NetscapeNavigator, m_pNetscapeUrl->text());
}

void CMoreGamesDlg::OpenPage(WebBrowser browser, const QString& address) {
  if (OpenInBrowser(m_services, browser, address) != BrowserStart::kNoBrowser)
    return;
  // The box's text can be selected, so that the address can be copied into a browser that
  // the player starts some other way.
  m_services.MessageBox(this,
                        tr("No web browser could be started.\n"
                           "\n"
                           "To visit the page, open this address in a web browser:\n"
                           "%1")
                            .arg(address),
                        tr("More Games"), UserServices::Icon::Stop);
}

void CMoreGamesDlg::showEvent(QShowEvent* event) {
  // The boxes take the addresses when the dialog opens, not when the window system shows
  // it again after it was minimised.
  if (!event->spontaneous()) {
    m_pExplorerUrl->setText(m_strExplorerUrl);
    m_pNetscapeUrl->setText(m_strNetscapeUrl);
    m_pEmail->setText(m_strEmail);
    // Show the start of an address that is wider than its box.
    for (QLineEdit* box : {m_pExplorerUrl, m_pNetscapeUrl, m_pEmail})
      box->setCursorPosition(0);
  }
  QDialog::showEvent(event);
}

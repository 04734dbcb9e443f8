#include "app/web_browser.h"

#include <QUrl>
#include <algorithm>

#include "view/user_services.h"

bool IsWebAddress(const QString& text) {
  const bool hasScheme = text.startsWith(u"http://", Qt::CaseInsensitive) ||
                         text.startsWith(u"https://", Qt::CaseInsensitive);
  const bool hasBlankOrControl = std::any_of(text.begin(), text.end(), [](QChar c) {
    return c.isSpace() || c.category() == QChar::Other_Control;
  });
  if (!hasScheme || hasBlankOrControl)
    return false;
  const QUrl url(text);
  return url.isValid() && !url.host().isEmpty();
}

QStringList BrowserPrograms(WebBrowser browser) {
#if defined(Q_OS_WIN)
  // Explorer hands a web address on to the default browser.
  return {browser == WebBrowser::InternetExplorer ? QStringLiteral("iexplore.exe")
                                                  : QStringLiteral("netscape.exe"),
          QStringLiteral("explorer.exe")};
#elif defined(Q_OS_MACOS)
  Q_UNUSED(browser);
  return {QStringLiteral("open")};
#else
  // Internet Explorer stands for the desktop's default browser, Netscape Navigator for its
  // heir Firefox where that is installed.
  if (browser == WebBrowser::InternetExplorer)
    return {QStringLiteral("xdg-open")};
  return {QStringLiteral("firefox"), QStringLiteral("xdg-open")};
#endif
}

BrowserStart OpenInBrowser(UserServices& services, WebBrowser browser, const QString& address) {
  if (!IsWebAddress(address))
    return BrowserStart::kRefused;
  for (const QString& program : BrowserPrograms(browser)) {
    if (services.StartProgram(program, {address}))
      return BrowserStart::kStarted;
  }
  return BrowserStart::kNoBrowser;
}

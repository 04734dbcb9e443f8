#pragma once

#include <QString>
#include <QStringList>

class UserServices;

// The two browsers that the More Games dialog offers by name.
enum class WebBrowser { InternetExplorer, NetscapeNavigator };

// Whether text is an absolute http or https address, the only kind handed to a browser.
// Anything else could do harm through the program it is given to: a file: address can
// start a local program through the desktop's handler, and text beginning with "-" reads
// as an option. Blanks and control characters are refused too.
bool IsWebAddress(const QString& text);

// The programs to try, in this order, for the named browser on this platform: the named
// one where it may exist, otherwise or failing that the desktop's default browser.
QStringList BrowserPrograms(WebBrowser browser);

// What became of an address handed to a browser: a program was started with it, it was no
// web address and nothing was tried, or none of the programs could be started.
enum class BrowserStart { kStarted, kRefused, kNoBrowser };

// Starts the first of the browser's programs that can be started, with the address as its
// one argument, never through a shell. An address that is not a web address starts
// nothing. A program that starts and then finds no browser of its own (xdg-open on a
// desktop without one) counts as started: it is not waited for, since a browser that it
// starts may hold it until the browser closes.
BrowserStart OpenInBrowser(UserServices& services, WebBrowser browser, const QString& address);

#pragma once

#include <QCoreApplication>
#include <QString>

// The terms under which the program may be used, as Help > Terms of use tells them.
class LicenceTerms {
  Q_DECLARE_TR_FUNCTIONS(LicenceTerms)

 public:
  // The installed file with the licence's full text, looked for where an installation puts
  // it beside the program in programDir; empty when there is none, as in a build run where
  // it was built.
  static QString InstalledFile(const QString& programDir);
  // A few lines: the licence's name, what it allows and asks, and where its full text is.
  static QString Text(const QString& installedFile);
};

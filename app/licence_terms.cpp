#include "app/licence_terms.h"

#include <QDir>
#include <QFileInfo>

#include "app/product_info.h"

QString LicenceTerms::InstalledFile(const QString& programDir) {
  // Debian's copyright file, which holds the whole licence, lies in share/doc beside the
  // bin or games folder of the program; where no such file is installed the licence
  // itself lies next to the program.
  for (const char* relative : {"../share/doc/wendrel/copyright", "LICENSE.txt"}) {
    const QFileInfo file(QDir(programDir).filePath(QLatin1String(relative)));
    if (file.isFile())
      return QDir::toNativeSeparators(QDir::cleanPath(file.absoluteFilePath()));
  }
  return QString();
}

QString LicenceTerms::Text(const QString& installedFile) {
  const QString where =
      installedFile.isEmpty()
          ? tr("The full text of the licence is in the file LICENSE that comes with the source "
               "of Wendrel.")
          : tr("The full text of the licence is installed in the file:\n%1").arg(installedFile);
  return tr("Wendrel is free software under the MIT licence.\n"
            "\n"
            "%1\n"
            "\n"
            "You may use, copy, change, publish, pass on and sell copies of Wendrel, free of "
            "charge, as long as the copyright notice and the licence go with every copy. "
            "Wendrel comes with no warranty of any kind.\n"
            "\n"
            "%2")
      .arg(QLatin1String(product::kRightsNotice), where);
}

#pragma once

#include <QCoreApplication>
#include <QString>
#include <system_error>

// A file error as the player reads it: io/'s own errors in the player's language (io/ marks
// their messages for translation), the system's as the system words them.
inline QString FileErrorText(const std::error_code& ec) {
  return QCoreApplication::translate("FileError", ec.message().c_str());
}

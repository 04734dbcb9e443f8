#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>

#include "shapes/shape_catalogue.h"

// What the command line asks for. Besides the usual document rule (no argument: a new
// document; one file: open it, a game or a figure) it takes --seed, --figure, --shape,
// --pieces, --help and --version.
struct CommandLineInfo {
  enum class Action { Run, ShowHelp, ShowVersion, Reject };

  Action action = Action::Run;
  QString fileName;                  // empty: start with a new document
  std::optional<std::int32_t> seed;  // the first Generate's seed, instead of the clock
  // For this run, instead of the remembered choice: a figure's name or file, as given
  // (--shape checks its name at once), and a piece count.
  std::optional<std::string> figure;
  std::optional<int> pieces;
  QString error;  // why the arguments were rejected
};

// Reads the arguments that follow the program name. Parsing stops at the first argument
// that asks for help or the version, or that is wrong.
CommandLineInfo ParseCommandLine(const QStringList& arguments);

// What --help prints.
QString CommandLineUsage();
// What the program prints on the standard error when it rejects the arguments for error.
QString CommandLineRejection(const QString& error);

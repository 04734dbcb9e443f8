#include "app/command_line_info.h"

#include <QCoreApplication>
#include <string>
#include <vector>

#include "io/option_reader.h"
#include "io/seed_parser.h"
#include "io/shape_parser.h"

namespace {

// The program's own answers are in the player's language; the faults of a --seed or a
// --shape value are worded by the parsers that wendrel-gen shares, in English.
QString Tr(const char* text) {
  return QCoreApplication::translate("CommandLineInfo", text);
}

CommandLineInfo Rejected(const QString& error) {
  CommandLineInfo info;
  info.action = CommandLineInfo::Action::Reject;
  info.error = error;
  return info;
}

CommandLineInfo Answered(CommandLineInfo::Action action) {
  CommandLineInfo info;
  info.action = action;
  return info;
}

}  // namespace

CommandLineInfo ParseCommandLine(const QStringList& arguments) {
  std::vector<std::string> args;
  for (const QString& argument : arguments)
    args.push_back(argument.toStdString());
  CommandLineInfo info;
  bool optionsEnded = false;
  std::string error;
  wendrel::OptionReader reader(args);
  while (!reader.Done()) {
    const std::string& taken = reader.Take();
    // The file name is kept as given, not as it reads back from UTF-8.
    const QString& argument = arguments[static_cast<qsizetype>(reader.Position() - 1)];
    // An empty argument is most likely a shell variable that was never set; taking it as
    // "no file" would hide the mistake.
    if (taken.empty())
      return Rejected(Tr(QT_TRANSLATE_NOOP("CommandLineInfo", "empty argument at position %1"))
                          .arg(reader.Position()));
    const bool isOption = !optionsEnded && taken[0] == '-' && taken != "-";
    if (!isOption) {
      if (!info.fileName.isEmpty()) {
        return Rejected(Tr(QT_TRANSLATE_NOOP("CommandLineInfo",
                                             "only one file can be opened, but '%1' follows '%2'"))
                            .arg(argument, info.fileName));
      }
      info.fileName = argument;
    } else if (taken == "--") {
      optionsEnded = true;
    } else if (taken == "--help" || taken == "-h") {
      return Answered(CommandLineInfo::Action::ShowHelp);
    } else if (taken == "--version") {
      return Answered(CommandLineInfo::Action::ShowVersion);
    } else if (reader.Is("--seed")) {
      info.seed = wendrel::ParseSeed("--seed", reader.Value(), error);
      if (!info.seed)
        return Rejected(QString::fromStdString(error));
    } else if (reader.Is("--shape")) {
      const std::optional<wendrel::Shape> shape =
          wendrel::ParseShape("--shape", reader.Value(), error);
      if (!shape)
        return Rejected(QString::fromStdString(error));
      info.figure = wendrel::InfoOf(*shape).name;
    } else if (reader.Is("--figure")) {
      const std::optional<std::string_view> figure =
          reader.TextValue("a figure's name or file", error);
      if (!figure)
        return Rejected(QString::fromStdString(error));
      info.figure = std::string(*figure);
    } else if (reader.Is("--pieces")) {
      info.pieces = wendrel::ParsePieces("--pieces", reader.Value(), error);
      if (!info.pieces)
        return Rejected(QString::fromStdString(error));
    } else {
      return Rejected(
          Tr(QT_TRANSLATE_NOOP("CommandLineInfo", "unknown option '%1'")).arg(argument));
    }
  }
  return info;
}

QString CommandLineUsage() {
  return Tr(QT_TRANSLATE_NOOP(
                "CommandLineInfo",
                "Usage: wendrel [--seed N] [--shape NAME] [FILE]\n"
                "A shape reconstruction puzzle: put the scattered pieces together again.\n"
                "\n"
                "  --seed N      make the first Generate use seed N (a 32-bit whole number)\n"
                "                instead of the clock, to play a puzzle again\n"
                "  --shape NAME  cut this run's puzzles from the figure NAME instead of the\n"
                "                one chosen in the menu: %1\n"
                "%2"
                "  -h, --help    print this text and exit\n"
                "  --version     print the version and exit\n"
                "  FILE          open the saved game FILE\n"
                "\n"
                "A value may also be joined to its option, as in --seed=N.\n"
                "Qt's own settings are taken from the environment, for example QT_QPA_PLATFORM.\n"))
      .arg(QString::fromStdString(wendrel::ShapeNameList()),
           Tr(QT_TRANSLATE_NOOP(
               "CommandLineInfo",
               "  --figure NAME|FILE  the same for any figure: one of the program's, one of\n"
               "                your own, or a .wendrel-figure file\n"
               "  --pieces N    cut them into N pieces, 3 to 20, instead of the figure's own\n")));
}

QString CommandLineRejection(const QString& error) {
  return Tr(QT_TRANSLATE_NOOP("CommandLineInfo",
                              "wendrel: %1\nTry 'wendrel --help' for more information.\n"))
      .arg(error);
}

#include "app/command_line_info.h"

#include <string>

#include "generator/seed_parser.h"

namespace {

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
  CommandLineInfo info;
  bool optionsEnded = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    // An empty argument is most likely a shell variable that was never set; taking it as
    // "no file" would hide the mistake.
    if (argument.isEmpty())
      return Rejected(QStringLiteral("empty argument at position %1").arg(i + 1));
    const bool isOption = !optionsEnded && argument.startsWith(u'-') && argument != u"-";
    if (!isOption) {
      if (!info.fileName.isEmpty()) {
        return Rejected(QStringLiteral("only one file can be opened, but '%1' follows '%2'")
                            .arg(argument, info.fileName));
      }
      info.fileName = argument;
    } else if (argument == u"--") {
      optionsEnded = true;
    } else if (argument == u"--help" || argument == u"-h") {
      return Answered(CommandLineInfo::Action::ShowHelp);
    } else if (argument == u"--version") {
      return Answered(CommandLineInfo::Action::ShowVersion);
    } else if (argument == u"--seed" || argument.startsWith(u"--seed=")) {
      QString text;
      if (argument != u"--seed") {
        text = argument.mid(argument.indexOf(u'=') + 1);
      } else if (i + 1 < arguments.size()) {
        // The value may begin with a minus sign, so the next argument is taken as it is.
        text = arguments[++i];
      }
      std::string error;
      info.seed = wendrel::ParseSeed("--seed", text.toStdString(), error);
      if (!info.seed)
        return Rejected(QString::fromStdString(error));
    } else {
      return Rejected(QStringLiteral("unknown option '%1'").arg(argument));
    }
  }
  return info;
}

QString CommandLineUsage() {
  return QStringLiteral(
      "Usage: wendrel [--seed N] [FILE]\n"
      "A shape reconstruction puzzle: put the scattered pieces together again.\n"
      "\n"
      "  --seed N     make the first Generate use seed N (a 32-bit whole number)\n"
      "               instead of the clock, to play a puzzle again\n"
      "  -h, --help   print this text and exit\n"
      "  --version    print the version and exit\n"
      "  FILE         open FILE as the document (the game keeps nothing in it)\n"
      "\n"
      "Qt's own settings are taken from the environment, for example QT_QPA_PLATFORM.\n");
}

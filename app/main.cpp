#include <QApplication>
#include <cstdio>

#include "app/command_line_info.h"
#include "app/morvane_app.h"
#include "app/product_info.h"
#include "app/ui_language.h"
#include "view/qt_user_services.h"

namespace {

// Help, the version and wrong arguments are answered on the terminal.
int Answer(const CommandLineInfo& cmdInfo) {
  switch (cmdInfo.action) {
    case CommandLineInfo::Action::ShowHelp:
      std::fputs(CommandLineUsage().toLocal8Bit().constData(), stdout);
      return 0;
    case CommandLineInfo::Action::ShowVersion:
      std::printf("%s\n", product::kVersionText);
      return 0;
    case CommandLineInfo::Action::Reject:
      std::fputs(CommandLineRejection(cmdInfo.error).toLocal8Bit().constData(), stderr);
      return 2;
    case CommandLineInfo::Action::Run:
      break;
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);
  const CommandLineInfo cmdInfo = ParseCommandLine(arguments);

  // Qt sees only the program's name: every argument has been read as the program's own,
  // and a file named like one of Qt's options (-style, say) must stay a file.
  int qtArgc = 1;
  if (cmdInfo.action != CommandLineInfo::Action::Run) {
    // Answered before any window or display is needed, so that it works on a plain
    // terminal; the arguments are read again once the player's language is in place.
    QCoreApplication terminal(qtArgc, argv);
    const UiLanguage language;
    return Answer(ParseCommandLine(arguments));
  }

  QApplication application(qtArgc, argv);
  const UiLanguage language;
  QtUserServices services;
  CMorvaneApp theApp(services);
  if (!theApp.InitInstance(cmdInfo))
    return 1;
  return application.exec();
}

#include <QApplication>
#include <cstdio>

#include "app/command_line_info.h"
#include "app/morvane_app.h"
#include "app/product_info.h"
#include "view/qt_user_services.h"

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);
  const CommandLineInfo cmdInfo = ParseCommandLine(arguments);

  // Help, the version and wrong arguments are answered before any window or display is
  // needed, so that they work on a plain terminal.
  switch (cmdInfo.action) {
    case CommandLineInfo::Action::ShowHelp:
      std::fputs(CommandLineUsage().toLocal8Bit().constData(), stdout);
      return 0;
    case CommandLineInfo::Action::ShowVersion:
      std::printf("%s\n", product::kVersionText);
      return 0;
    case CommandLineInfo::Action::Reject:
      std::fprintf(stderr, "wendrel: %s\nTry 'wendrel --help' for more information.\n",
                   cmdInfo.error.toLocal8Bit().constData());
      return 2;
    case CommandLineInfo::Action::Run:
      break;
  }

  // Qt sees only the program's name: every argument has been read as the program's own,
  // and a file named like one of Qt's options (-style, say) must stay a file.
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  QtUserServices services;
  CMorvaneApp theApp(services);
  if (!theApp.InitInstance(cmdInfo))
    return 1;
  return application.exec();
}

// The program itself, run as a player runs it from a terminal.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <utility>

namespace {

struct Outcome {
  int exitCode;
  QString out;
  QString err;
};

// Runs the program with no display at all: what it answers without a window must not
// need one. The locale variables are set as given.
Outcome RunWendrel(const QStringList& arguments,
                   const QList<std::pair<QString, QString>>& locale = {}) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const auto& [name, value] : locale)
    environment.insert(name, value);
  environment.remove("DISPLAY");
  environment.remove("WAYLAND_DISPLAY");
  environment.insert("QT_QPA_PLATFORM", "xcb");
  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(WENDREL_PROGRAM), arguments);
  EXPECT_TRUE(program.waitForFinished(10000));
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardOutput()),
          QString::fromLocal8Bit(program.readAllStandardError())};
}

TEST(WendrelProgram, VersionIsPrintedAndTheProgramEnds) {
  const Outcome outcome = RunWendrel({"--version"});
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(outcome.out, "Wendrel 2.00\n");
  EXPECT_EQ(outcome.err, "");
}

TEST(WendrelProgram, HelpDescribesTheOptions) {
  const Outcome outcome = RunWendrel({"--help"});
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_TRUE(outcome.out.startsWith("Usage: wendrel")) << outcome.out.toStdString();
  for (const char* option : {"--seed N", "--help", "--version", "FILE"}) {
    EXPECT_TRUE(outcome.out.contains(option)) << option;
  }
  EXPECT_EQ(outcome.err, "");
}

TEST(WendrelProgram, WrongArgumentsEndWithStatusTwoAndAReasonOnStandardError) {
  const struct {
    QStringList arguments;
    const char* reason;
  } cases[] = {
      {{"--seed", "abc"}, "seed 'abc' is not a whole number"},
      {{"--seed", "4294967296"}, "seed '4294967296' is out of range"},
      {{"--seed="}, "--seed needs a number"},
      {{"--colour=green"}, "unknown option '--colour=green'"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = RunWendrel(c.arguments);
    EXPECT_EQ(outcome.exitCode, 2) << c.reason;
    EXPECT_TRUE(outcome.err.startsWith(QStringLiteral("wendrel: %1").arg(c.reason)))
        << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains("--help")) << outcome.err.toStdString();
    EXPECT_EQ(outcome.out, "");
  }
}

TEST(WendrelProgram, AnswersInTheLanguageQtReadsFromTheEnvironment) {
  const struct {
    QList<std::pair<QString, QString>> locale;
    const char* answer;
  } cases[] = {
      {{{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", "C"}},
       "wendrel: unknown option '-x'\nTry 'wendrel --help'"},
      {{{"LANGUAGE", "de"}, {"LANG", "C"}}, "wendrel: unbekannte Option „-x“\n"},
      {{{"LANGUAGE", ""}, {"LC_ALL", "ru_RU.UTF-8"}}, "wendrel: неизвестный параметр «-x»\n"},
  };
  for (const auto& c : cases)
    EXPECT_TRUE(RunWendrel({"-x"}, c.locale).err.startsWith(QString::fromUtf8(c.answer)))
        << c.answer;
}

}  // namespace

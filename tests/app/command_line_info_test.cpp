#include "app/command_line_info.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Action = CommandLineInfo::Action;

CommandLineInfo Parse(const QStringList& arguments) {
  return ParseCommandLine(arguments);
}

TEST(CommandLineInfo, NoArgumentsMakeANewDocumentWithTheClockSeed) {
  const CommandLineInfo info = Parse({});
  EXPECT_EQ(info.action, Action::Run);
  EXPECT_TRUE(info.fileName.isEmpty());
  EXPECT_FALSE(info.seed.has_value());
}

TEST(CommandLineInfo, AFileArgumentIsTheDocumentToOpen) {
  const CommandLineInfo info = Parse({"puzzle.txt"});
  EXPECT_EQ(info.action, Action::Run);
  EXPECT_EQ(info.fileName, "puzzle.txt");
  EXPECT_EQ(Parse({"-"}).fileName, "-");
}

TEST(CommandLineInfo, AfterTwoDashesADashedNameIsAFile) {
  const CommandLineInfo info = Parse({"--", "-style"});
  EXPECT_EQ(info.action, Action::Run);
  EXPECT_EQ(info.fileName, "-style");
}

TEST(CommandLineInfo, ASecondFileIsRejected) {
  const CommandLineInfo info = Parse({"a.txt", "b.txt"});
  EXPECT_EQ(info.action, Action::Reject);
  EXPECT_TRUE(info.error.contains("b.txt")) << info.error.toStdString();
}

TEST(CommandLineInfo, SeedIsTakenInBothSpellingsWithAFile) {
  EXPECT_EQ(Parse({"--seed", "42"}).seed, 42);
  EXPECT_EQ(Parse({"--seed=42"}).seed, 42);
  const CommandLineInfo info = Parse({"--seed", "7", "game.txt"});
  EXPECT_EQ(info.action, Action::Run);
  EXPECT_EQ(info.seed, 7);
  EXPECT_EQ(info.fileName, "game.txt");
}

TEST(CommandLineInfo, NegativeSeedAndTheEndsOfTheRangeAreTaken) {
  EXPECT_EQ(Parse({"--seed", "-5"}).seed, -5);
  EXPECT_EQ(Parse({"--seed", "2147483647"}).seed, 2147483647);
  EXPECT_EQ(Parse({"--seed=-2147483648"}).seed, std::numeric_limits<std::int32_t>::min());
}

TEST(CommandLineInfo, SeedOutsideThirtyTwoBitsIsRejectedAsOutOfRange) {
  for (const char* text : {"2147483648", "-2147483649", "99999999999999999999"}) {
    const CommandLineInfo info = Parse({"--seed", text});
    EXPECT_EQ(info.action, Action::Reject) << text;
    EXPECT_EQ(info.error,
              QStringLiteral("seed '%1' is out of range (-2147483648 to 2147483647)").arg(text));
  }
}

TEST(CommandLineInfo, SeedThatIsNoWholeNumberIsRejected) {
  for (const char* text : {"abc", "12x", "1.5", " 12", "12 ", "+12", "0x10", "-", "١٢"}) {
    const CommandLineInfo info = Parse({"--seed", text});
    EXPECT_EQ(info.action, Action::Reject) << text;
    EXPECT_EQ(info.error, QStringLiteral("seed '%1' is not a whole number").arg(text));
  }
}

TEST(CommandLineInfo, EmptyOrMissingSeedIsRejected) {
  for (const QStringList& arguments :
       {QStringList{"--seed"}, QStringList{"--seed="}, QStringList{"--seed", ""}}) {
    const CommandLineInfo info = Parse(arguments);
    EXPECT_EQ(info.action, Action::Reject) << arguments.join(' ').toStdString();
    EXPECT_EQ(info.error, "--seed needs a number");
  }
}

TEST(CommandLineInfo, HelpAndVersionAreAnswered) {
  EXPECT_EQ(Parse({"--help"}).action, Action::ShowHelp);
  EXPECT_EQ(Parse({"-h"}).action, Action::ShowHelp);
  EXPECT_EQ(Parse({"--version"}).action, Action::ShowVersion);
  EXPECT_EQ(Parse({"game.txt", "--version"}).action, Action::ShowVersion);
}

TEST(CommandLineInfo, UnknownOptionIsRejectedByName) {
  for (const char* option : {"--frobnicate", "-x", "-style", "--Seed=3"}) {
    const CommandLineInfo info = Parse({option});
    EXPECT_EQ(info.action, Action::Reject) << option;
    EXPECT_TRUE(info.error.contains(QStringLiteral("unknown option '%1'").arg(option)))
        << info.error.toStdString();
  }
}

TEST(CommandLineInfo, ABadArgumentStopsBeforeHelp) {
  EXPECT_EQ(Parse({"--bogus", "--help"}).action, Action::Reject);
}

}  // namespace

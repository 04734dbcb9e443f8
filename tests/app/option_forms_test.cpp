// Both programs take an option's value alike: after the option or joined to it by "=",
// and neither takes nothing, nor another option, in its place.

#include <gtest/gtest.h>

#include <QStringList>
#include <string>
#include <vector>

#include "app/command_line_info.h"
#include "tools/gen_options.h"

namespace {

using Args = std::vector<std::string>;

// What a program makes of its arguments: what it will do, or "refused: " and why.
using Reading = std::string (*)(const Args&);

std::string GenReading(const Args& args) {
  const wendrel::ParsedArgs parsed = wendrel::ParseGenArgs(args);
  if (!parsed.ok())
    return "refused: " + parsed.error;
  const wendrel::GenOptions& o = parsed.options;
  return "mode " + std::to_string(static_cast<int>(o.mode)) + " seed " + std::to_string(o.seed) +
         " range " + std::to_string(o.first) + " " + std::to_string(o.end) + " svg " + o.svgPath +
         " shape " + o.figure;
}

std::string WendrelReading(const Args& args) {
  QStringList arguments;
  for (const std::string& arg : args)
    arguments << QString::fromStdString(arg);
  const CommandLineInfo info = ParseCommandLine(arguments);
  if (info.action == CommandLineInfo::Action::Reject)
    return "refused: " + info.error.toStdString();
  return "action " + std::to_string(static_cast<int>(info.action)) + " seed " +
         (info.seed ? std::to_string(*info.seed) : "none") + " shape " +
         info.figure.value_or("none") + " file " + info.fileName.toStdString();
}

struct OptionCase {
  const char* program;
  Reading read;
  Args before;  // what the option needs before it to make a whole command line
  std::string option;
  Args values;
  std::string otherOption;  // put where the first value belongs
};

Args Joined(Args first, const Args& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

TEST(OptionForms, BothProgramsTakeAValueAfterTheOptionOrJoinedAndRefuseAnOptionInItsPlace) {
  const OptionCase cases[] = {
      {"wendrel-gen", GenReading, {}, "--seed", {"-5"}, "--shape=heart"},
      {"wendrel-gen", GenReading, {}, "--seeds", {"-30", "70"}, "--svg=p.svg"},
      {"wendrel-gen", GenReading, {}, "--stats", {"-30", "70"}, "-h"},
      {"wendrel-gen", GenReading, {"--seed", "1"}, "--svg", {"p.svg"}, "--shape=oval"},
      {"wendrel-gen", GenReading, {"--seed", "1"}, "--shape", {"oval"}, "--svg=p.svg"},
      {"wendrel", WendrelReading, {}, "--seed", {"-5"}, "-h"},
      {"wendrel", WendrelReading, {}, "--shape", {"cog-wheel"}, "--seed=3"},
  };
  for (const OptionCase& c : cases) {
    SCOPED_TRACE(std::string(c.program) + " " + c.option);
    const Args rest(c.values.begin() + 1, c.values.end());
    const std::string spaced = c.read(Joined(Joined(c.before, {c.option}), c.values));
    const std::string joined =
        c.read(Joined(Joined(c.before, {c.option + "=" + c.values[0]}), rest));
    EXPECT_EQ(spaced.find("refused"), std::string::npos) << spaced;
    EXPECT_EQ(joined, spaced);
    for (const std::string& value : c.values)
      EXPECT_NE(spaced.find(" " + value), std::string::npos) << spaced;

    const std::string missing = c.read(Joined(c.before, {c.option}));
    EXPECT_EQ(missing.rfind("refused: ", 0), 0u) << missing;
    EXPECT_NE(missing.find(c.option), std::string::npos) << missing;

    const std::string optionInPlace =
        c.read(Joined(Joined(c.before, {c.option, c.otherOption}), rest));
    EXPECT_EQ(optionInPlace.rfind("refused: ", 0), 0u) << optionInPlace;
    EXPECT_NE(optionInPlace.find("'" + c.otherOption + "'"), std::string::npos) << optionInPlace;
  }
}

}  // namespace

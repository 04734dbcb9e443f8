#include "tests/tools/gen_process.h"

#include <cstdlib>
#include <sstream>

namespace wendrel::testing {

namespace {

// Single quotes keep every character but the quote itself, which is closed, escaped and
// reopened.
std::string ShellQuote(const std::string& s) {
  std::string quoted = "'";
  for (const char c : s) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

}  // namespace

ProcessResult RunGenProcess(const std::vector<std::string>& args,
                            const std::filesystem::path& scratch, const ShellSetting& shell) {
  const std::filesystem::path out = scratch / "stdout.txt", err = scratch / "stderr.txt",
                              status = scratch / "status.txt";
  std::string program = ShellQuote(WENDREL_GEN_PATH);
  for (const std::string& arg : args)
    program += ' ' + ShellQuote(arg);
  // The program's own status, which a pipe's status would hide.
  std::string command = shell.before + " (" + program + " 2>" + ShellQuote(err.string()) +
                        "; echo $? >" + ShellQuote(status.string()) + ")";
  if (!shell.pipeThrough.empty())
    command += " | " + shell.pipeThrough;
  command += shell.stdoutRedirect.empty() ? " >" + ShellQuote(out.string()) : shell.stdoutRedirect;
  ProcessResult result;
  int code = -1;
  if (std::system(command.c_str()) != -1 && std::istringstream(ReadFile(status)) >> code)
    result.status = code;
  result.out = ReadFile(out);
  result.err = ReadFile(err);
  std::filesystem::remove(status);
  return result;
}

}  // namespace wendrel::testing

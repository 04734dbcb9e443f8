#include "tests/tools/gen_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
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

ScratchDir::ScratchDir() {
  // Test cases run as separate processes, possibly at the same time; the process id and
  // a count keep their directories apart.
  static int made = 0;
  path_ = std::filesystem::temp_directory_path() /
          ("wendrel-gen-test-" + std::to_string(getpid()) + "-" + std::to_string(made++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

ProcessResult RunGenProcess(const std::vector<std::string>& args,
                            const std::filesystem::path& scratch) {
  const std::filesystem::path out = scratch / "stdout.txt", err = scratch / "stderr.txt";
  std::string command = ShellQuote(WENDREL_GEN_PATH);
  for (const std::string& arg : args)
    command += ' ' + ShellQuote(arg);
  command += " >" + ShellQuote(out.string()) + " 2>" + ShellQuote(err.string());
  const int raw = std::system(command.c_str());
  ProcessResult result;
  if (raw != -1 && WIFEXITED(raw))
    result.status = WEXITSTATUS(raw);
  result.out = ReadFile(out);
  result.err = ReadFile(err);
  return result;
}

}  // namespace wendrel::testing

#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/io/scratch_dir.h"

namespace wendrel::testing {

struct ProcessResult {
  int status = -1;  // exit status, or 128 + the signal that ended the program
  std::string out;
  std::string err;
};

// What the shell does around the program besides capturing its output.
struct ShellSetting {
  std::string before;          // shell text run first, e.g. "trap '' PIPE;"
  std::string pipeThrough;     // a command the output goes through, e.g. "head -c 10"
  std::string stdoutRedirect;  // instead of capturing the output, e.g. ">/dev/full"
};

// Runs the built wendrel-gen as its own process, as a player would, with the given
// arguments (passed through the shell unchanged); scratch is a directory for the
// captured output.
ProcessResult RunGenProcess(const std::vector<std::string>& args,
                            const std::filesystem::path& scratch, const ShellSetting& shell = {});

}  // namespace wendrel::testing

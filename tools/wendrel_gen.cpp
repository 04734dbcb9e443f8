// wendrel-gen: replays puzzles by their seed, for players and for differential tests.

#include <cstdio>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "io/checked_output.h"
#include "tools/gen_command.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  wendrel::CheckedOutput out(stdout);
  const int status = wendrel::RunGenCommand(args, out.stream(), std::cerr);
  const std::error_code lost = out.Close();
  if (!lost)
    return status;
  // A reader that stopped early (`| head`) wanted no more; that is no error to report.
  if (lost != std::errc::broken_pipe)
    std::cerr << "wendrel-gen: cannot write the output: " << lost.message() << '\n';
  return wendrel::kExitNotWritten;
}

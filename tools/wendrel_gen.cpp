// wendrel-gen: replays puzzles by their seed, for players and for differential tests.

#include <iostream>
#include <string>
#include <vector>

#include "tools/gen_command.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return wendrel::RunGenCommand(args, std::cout, std::cerr);
}

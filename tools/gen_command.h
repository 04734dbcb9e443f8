#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace wendrel {

// Exit statuses of wendrel-gen.
inline constexpr int kExitOk = 0;
inline constexpr int kExitNoPicture = 1;   // the picture could not be made or written
inline constexpr int kExitNotWritten = 1;  // the standard output could not be written
inline constexpr int kExitBadGame = 1;     // the game file could not be read or is no game
inline constexpr int kExitBadInput = 2;

// The whole of wendrel-gen, given the arguments after the program name. Results go to
// out, problems to err; returns the exit status.
int RunGenCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace wendrel

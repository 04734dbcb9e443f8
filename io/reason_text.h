#pragma once

#include <string>
#include <vector>

namespace wendrel {

// A name or number from a file as a message shows it: a file may hold a name of any
// length, and a message box has room for a short one. The cut never splits a UTF-8
// sequence.
std::string Shown(const std::string& text);

// Fills in %1 and %2 of a wording in one pass, so that a detail from the file that holds
// "%2" stays as it is.
std::string Filled(const std::string& wording, const std::vector<std::string>& details);

}  // namespace wendrel

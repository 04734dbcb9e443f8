#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace wendrel::testing {

// A fresh empty directory, removed with everything in it when the object goes.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

struct ProcessResult {
  int status = -1;  // exit status, or -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Runs the built wendrel-gen as its own process, as a player would, with the given
// arguments (passed through the shell unchanged); scratch is a directory for the
// captured output.
ProcessResult RunGenProcess(const std::vector<std::string>& args,
                            const std::filesystem::path& scratch);

std::string ReadFile(const std::filesystem::path& path);

}  // namespace wendrel::testing

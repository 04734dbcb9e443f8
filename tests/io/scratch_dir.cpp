#include "tests/io/scratch_dir.h"

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <system_error>

namespace wendrel::testing {

ScratchDir::ScratchDir() {
  // Test cases run as separate processes, possibly at the same time; the process id and
  // a count keep their directories apart.
  static int made = 0;
  path_ = std::filesystem::temp_directory_path() /
          ("wendrel-test-" + std::to_string(getpid()) + "-" + std::to_string(made++));
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

}  // namespace wendrel::testing

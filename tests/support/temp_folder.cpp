#include "support/temp_folder.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>

#include "text/file_names.h"

namespace ppexport::testing {

TempFolder::TempFolder() {
  static std::atomic<int> sequence{0};
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() /
          ("ppexport-test-" + std::to_string(random()) + "-" + std::to_string(++sequence));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::file(const std::string& name) const {
  return fileName(path_ / filePath(name));
}

std::string readBytes(const std::string& path) {
  std::ifstream in(filePath(path), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(filePath(path), std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace ppexport::testing

#include "support/temp_folder.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "text/file_names.h"

#ifdef _WIN32
#include "text/wide_text.h"
#endif

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

void makeOlder(const std::string& path, std::chrono::hours age) {
#ifdef _WIN32
  HANDLE handle = CreateFileW(widen(path).c_str(), FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path);
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER time;
  time.LowPart = now.dwLowDateTime;
  time.HighPart = now.dwHighDateTime;
  time.QuadPart -= static_cast<ULONGLONG>(age.count()) * 3600ULL * 10000000ULL;  // 100 ns units
  const FILETIME then{time.LowPart, time.HighPart};
  const BOOL set = SetFileTime(handle, nullptr, nullptr, &then);
  CloseHandle(handle);
  if (!set) throw std::runtime_error("cannot set the time of " + path);
#else
  std::filesystem::last_write_time(filePath(path),
                                   std::filesystem::file_time_type::clock::now() - age);
#endif
}

}  // namespace ppexport::testing

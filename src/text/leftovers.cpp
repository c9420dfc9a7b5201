#include "text/leftovers.h"

#include <charconv>
#include <chrono>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#else
#include <cerrno>
#include <csignal>
#include <unistd.h>
#endif

namespace ppexport {

int processId() {
#ifdef _WIN32
  return _getpid();
#else
  return static_cast<int>(::getpid());
#endif
}

std::optional<int> processOfTemporaryName(std::string_view name, char separator) {
  const std::size_t last = name.rfind(separator);
  if (last == std::string_view::npos || last == 0) return std::nullopt;
  const std::size_t before = name.rfind(separator, last - 1);
  if (before == std::string_view::npos) return std::nullopt;
  const std::string_view digits = name.substr(before + 1, last - before - 1);
  int pid = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || pid <= 0) {
    return std::nullopt;
  }
  return pid;
}

namespace {
constexpr std::string_view kMark = "ppexport-";
constexpr std::size_t kUniqueLength = 6;
}  // namespace

std::string temporaryNameEnd() {
  return std::string(kMark) + std::to_string(processId()) + "-" + std::string(kUniqueLength, 'X');
}

void removeLeftovers(const std::filesystem::path& folder) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    const std::size_t mark = name.rfind(kMark);
    if (mark == std::string::npos) continue;
    const std::string_view tail = std::string_view(name).substr(mark);  // "ppexport-N-XXXXXX"
    const std::optional<int> pid = processOfTemporaryName(tail);
    if (!pid || tail.size() - tail.rfind('-') - 1 != kUniqueLength) continue;
    std::error_code removeError;
    if (leftByEndedRun(it->path(), *pid)) std::filesystem::remove_all(it->path(), removeError);
  }
}

bool leftByEndedRun(const std::filesystem::path& path, int pid) {
  std::error_code error;
  const auto changed = std::filesystem::last_write_time(path, error);
  if (error) return false;
  if (std::filesystem::file_time_type::clock::now() - changed < std::chrono::hours(1)) {
    return false;
  }
#ifdef _WIN32
  (void)pid;
  return true;
#else
  // Signal 0 only asks whether the process exists; EPERM means it does, under another user.
  return pid != processId() && ::kill(pid, 0) != 0 && errno == ESRCH;
#endif
}

}  // namespace ppexport

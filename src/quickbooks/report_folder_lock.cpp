#include "quickbooks/report_folder_lock.h"

#include "settings/environment.h"

#ifdef _WIN32
#include "text/windows_api.h"

#include "text/file_names.h"
#else
#include <fcntl.h>
#include <cerrno>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace ppexport {

namespace {
constexpr const char* lockFileName = "ppexport-reports.lock";
}

#ifdef _WIN32

ReportFolderLock::ReportFolderLock(const std::string& folder) {
  const std::wstring path = filePath(pathInFolder(folder, lockFileName)).wstring();
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  OVERLAPPED whole{};
  if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &whole)) {
    CloseHandle(file);
    return;
  }
  handle_ = file;
  held_ = true;
}

ReportFolderLock::~ReportFolderLock() {
  if (handle_ == nullptr) return;
  OVERLAPPED whole{};
  UnlockFileEx(static_cast<HANDLE>(handle_), 0, 1, 0, &whole);
  CloseHandle(static_cast<HANDLE>(handle_));
}

#else

ReportFolderLock::ReportFolderLock(const std::string& folder) {
  const std::string path = pathInFolder(folder, lockFileName);
  descriptor_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (descriptor_ < 0) return;
  int result = 0;
  do {
    result = ::flock(descriptor_, LOCK_EX);
  } while (result != 0 && errno == EINTR);
  held_ = result == 0;
}

ReportFolderLock::~ReportFolderLock() {
  if (descriptor_ < 0) return;
  ::flock(descriptor_, LOCK_UN);
  ::close(descriptor_);
}

#endif

}  // namespace ppexport

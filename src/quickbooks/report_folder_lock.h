#pragma once
// The report files have fixed names in the TEMP folder, so two copies of the program exporting at
// the same time (a scheduled command and the window) would read each other's reports and could
// write one account's checks into another account's bank file. Each copy holds this lock from the
// export of a report until it has read it.

#include <string>

namespace ppexport {

class ReportFolderLock {
 public:
  // Waits until no other copy holds the lock of folder. A lock that cannot be taken at all (a
  // folder without write access) does not stop the export: the copy then goes on unguarded, as
  // it would without the lock.
  explicit ReportFolderLock(const std::string& folder);
  ~ReportFolderLock();
  ReportFolderLock(const ReportFolderLock&) = delete;
  ReportFolderLock& operator=(const ReportFolderLock&) = delete;

  bool held() const { return held_; }

 private:
#ifdef _WIN32
  void* handle_ = nullptr;
#else
  int descriptor_ = -1;
#endif
  bool held_ = false;
};

}  // namespace ppexport

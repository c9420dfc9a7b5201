#pragma once
// The bytes of one report file, held for as long as a report table reads from them: read into
// memory of their own at once, so that no other program changing or cutting the file meanwhile
// can change what the table holds or pull the bytes from under it.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace ppexport {

class ReportBytes {
 public:
  // The file's bytes, or nothing when it cannot be opened or read. name is UTF-8.
  static std::shared_ptr<ReportBytes> fromFile(const std::string& name);
  static std::shared_ptr<ReportBytes> fromText(std::string text);

  ~ReportBytes();
  ReportBytes(const ReportBytes&) = delete;
  ReportBytes& operator=(const ReportBytes&) = delete;

  // Writable: a record broken over several lines is joined in place.
  char* data() { return data_; }
  const char* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  ReportBytes() = default;
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t mappedSize_ = 0;
  std::string held_;            // the bytes when they are text handed in or read piece by piece
};

// Asks the system to back the memory of a large buffer not yet written to with large pages, where
// it offers them: a report of a million rows then costs a few hundred page faults, not tens of
// thousands. Only a hint; nothing changes where the system has no such pages.
void preferLargePages(const void* data, std::size_t bytes);

}  // namespace ppexport

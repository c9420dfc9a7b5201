#pragma once
// The bytes of one report file, held for as long as a report table reads from them: the file
// mapped into memory where the platform allows it, so that a large report is neither copied nor
// held twice, and read into memory otherwise.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace ppexport {

class ReportBytes {
 public:
  // The file's bytes, or nothing when it cannot be opened. name is UTF-8.
  static std::shared_ptr<ReportBytes> fromFile(const std::string& name);
  static std::shared_ptr<ReportBytes> fromText(std::string text);

  ~ReportBytes();
  ReportBytes(const ReportBytes&) = delete;
  ReportBytes& operator=(const ReportBytes&) = delete;

  // Writable: a record broken over several lines is joined in place. A mapped file is mapped
  // privately, so the file itself never changes.
  char* data() { return data_; }
  const char* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  ReportBytes() = default;
  char* data_ = nullptr;
  std::size_t size_ = 0;
  bool mapped_ = false;
  std::string held_;  // the bytes when they are not mapped
};

}  // namespace ppexport

#pragma once
// The bytes of one report file, held for as long as a report table reads from them. Where the
// system can, the file is mapped into memory rather than copied: the table reads the system's own
// cached copy of the file, and no memory has to be given and filled for a second one. A file that
// another program cuts or rewrites meanwhile is noticed (unchanged() turns false) and never stops
// the program: the bytes cut away read as zeros, and whoever writes from the table asks
// unchanged() before it keeps what it wrote. The history reads each entry's entry.json this way
// too, since every Create reads every entry.

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

  // Writable: a record broken over several lines is joined in place (in this process's copy only,
  // never in the file).
  char* data() { return data_; }
  const char* data() const { return data_; }
  std::size_t size() const { return size_; }

  // False once the file was found cut, grown or rewritten since it was opened: what was read from
  // it may then mix two versions of the file. Always true for bytes read whole into memory.
  bool unchanged() const;

 private:
  ReportBytes() = default;
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t mappedSize_ = 0;
  int descriptor_ = -1;         // the mapped file, kept open to tell whether it changed
  int guard_ = -1;              // the slot that watches the mapping for a cut file
  long long modified_ = 0;      // the file's modification time when mapped, in nanoseconds
  std::string held_;            // the bytes when they are text handed in or read whole
};

}  // namespace ppexport

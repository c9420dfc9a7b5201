#include "quickbooks/report_bytes.h"

#include <cstdio>

#include "text/file_names.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ppexport {

namespace {

// The whole file through the C library: for platforms without a mapping, and for files that
// cannot be mapped (a pipe, an empty file). A file that grows meanwhile is read on to its end.
bool readWhole(const std::string& name, std::string& text) {
  std::FILE* file = openFile(name, "rb");
  if (file == nullptr) return false;
  std::size_t expected = 0;
  if (std::fseek(file, 0, SEEK_END) == 0) {
    const long size = std::ftell(file);
    if (size > 0) expected = static_cast<std::size_t>(size);
    std::fseek(file, 0, SEEK_SET);
  }
  text.resize(expected);
  std::size_t size = std::fread(text.data(), 1, text.size(), file);
  if (size == text.size()) {
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
      text.resize(size);
      text.append(buffer, got);
      size += got;
    }
  }
  text.resize(size);
  std::fclose(file);
  return true;
}

}  // namespace

std::shared_ptr<ReportBytes> ReportBytes::fromText(std::string text) {
  std::shared_ptr<ReportBytes> bytes(new ReportBytes);
  bytes->held_ = std::move(text);
  bytes->data_ = bytes->held_.data();
  bytes->size_ = bytes->held_.size();
  return bytes;
}

std::shared_ptr<ReportBytes> ReportBytes::fromFile(const std::string& name) {
#ifndef _WIN32
  const int descriptor = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  struct stat status {};
  if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
    const auto size = static_cast<std::size_t>(status.st_size);
    void* mapping =
        ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE, descriptor, 0);
    if (mapping != MAP_FAILED) {
      ::close(descriptor);
      ::madvise(mapping, size, MADV_SEQUENTIAL);
      std::shared_ptr<ReportBytes> bytes(new ReportBytes);
      bytes->data_ = static_cast<char*>(mapping);
      bytes->size_ = size;
      bytes->mapped_ = true;
      return bytes;
    }
  }
  ::close(descriptor);
#endif
  std::string text;
  if (!readWhole(name, text)) return nullptr;
  return fromText(std::move(text));
}

ReportBytes::~ReportBytes() {
#ifndef _WIN32
  if (mapped_) ::munmap(data_, size_);
#endif
}

}  // namespace ppexport

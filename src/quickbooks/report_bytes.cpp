#include "quickbooks/report_bytes.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <thread>

#include "text/file_names.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ppexport {

namespace {

// The whole file through the C library: for platforms without the system calls below, and for
// files whose size is not known beforehand (a pipe) or that grow while they are read. A file
// that grows meanwhile is read on to its end.
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

#ifndef _WIN32
// Reads into buffer from offset on until it is full or the file ends; the bytes read, or -1 on a
// read error.
long long readAt(int descriptor, char* buffer, std::size_t capacity, std::size_t offset) {
  std::size_t filled = 0;
  while (filled < capacity) {
    const ssize_t got = ::pread(descriptor, buffer + filled, capacity - filled,
                                static_cast<off_t>(offset + filled));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -1;
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  return static_cast<long long>(filled);
}

// Reads the first `size` bytes of the file into buffer: a large file in two halves at once, one
// on a second thread, since copying the bytes and giving the memory for them are the slow part
// and each half's costs fall on its own processor. The bytes read, or -1 on a read error; fewer
// than size when the file was cut meanwhile.
long long readFile(int descriptor, char* buffer, std::size_t size) {
  constexpr std::size_t kSplitFrom = 8 * 1024 * 1024;
  if (size < kSplitFrom) return readAt(descriptor, buffer, size, 0);
  const std::size_t half = size / 2;
  long long second = 0;
  std::thread secondHalf(
      [&] { second = readAt(descriptor, buffer + half, size - half, half); });
  const long long first = readAt(descriptor, buffer, half, 0);
  secondHalf.join();
  if (first < 0 || second < 0) return -1;
  // A file cut inside its first half leaves a gap: read again from the start.
  if (first < static_cast<long long>(half)) return readAt(descriptor, buffer, size, 0);
  return first + second;
}
#endif

}  // namespace

void preferLargePages(const void* data, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  // Only the whole large pages inside the buffer can be advised.
  constexpr std::uintptr_t kLargePage = 2 * 1024 * 1024;
  const auto from = (reinterpret_cast<std::uintptr_t>(data) + kLargePage - 1) & ~(kLargePage - 1);
  const auto to = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kLargePage - 1);
  if (to > from) ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#else
  (void)data;
  (void)bytes;
#endif
}

std::shared_ptr<ReportBytes> ReportBytes::fromText(std::string text) {
  std::shared_ptr<ReportBytes> bytes(new ReportBytes);
  bytes->held_ = std::move(text);
  bytes->data_ = bytes->held_.data();
  bytes->size_ = bytes->held_.size();
  return bytes;
}

std::shared_ptr<ReportBytes> ReportBytes::fromFile(const std::string& name) {
#ifndef _WIN32
  // A regular file of known size is read in one go into memory taken from the system for it,
  // which comes zeroed and needs no second copy.
  const int descriptor = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  struct stat status {};
  if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
    const auto size = static_cast<std::size_t>(status.st_size);
    void* memory =
        ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory != MAP_FAILED) {
      std::shared_ptr<ReportBytes> bytes(new ReportBytes);
      bytes->data_ = static_cast<char*>(memory);
      bytes->mappedSize_ = size;
      preferLargePages(memory, size);
#ifdef POSIX_FADV_SEQUENTIAL
      ::posix_fadvise(descriptor, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
      const long long got = readFile(descriptor, bytes->data_, size);
      char probe = 0;
      // A file cut meanwhile gives the bytes it still had; one that grew is read again below.
      const bool grew =
          got == static_cast<long long>(size) && readAt(descriptor, &probe, 1, size) != 0;
      if (got < 0) {
        ::close(descriptor);
        return nullptr;
      }
      if (!grew) {
        ::close(descriptor);
        bytes->size_ = static_cast<std::size_t>(got);
        return bytes;
      }
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
  if (mappedSize_ != 0) ::munmap(data_, mappedSize_);
#endif
}

}  // namespace ppexport

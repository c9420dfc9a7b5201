#include "formats/output_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ppexport {

namespace {
std::string systemReason(int error) {
  std::string reason = std::strerror(error);
  return reason.empty() ? "Unknown error " + std::to_string(error) : reason;
}

#ifndef _WIN32
// The permissions a newly created file would get, or those of the file it replaces.
mode_t permissionsFor(const std::string& target) {
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0) return existing.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}
#endif
}  // namespace

OutputFile::OutputFile(std::string target) : target_(std::move(target)) {
  if (target_.empty()) {
    fail("No file name was given.");
    return;
  }
  std::error_code error;
  if (std::filesystem::is_directory(target_, error)) {
    fail("It is a folder.");
    return;
  }
#ifdef _WIN32
  static int sequence = 0;
  for (int attempt = 0; attempt < 100 && file_ == nullptr; ++attempt) {
    temporary_ = target_ + ".tmp" + std::to_string(_getpid()) + "-" + std::to_string(++sequence);
    if (std::filesystem::exists(temporary_, error)) continue;
    file_ = std::fopen(temporary_.c_str(), "wb");
    if (file_ == nullptr) {
      fail(systemReason(errno));
      temporary_.clear();
      return;
    }
  }
#else
  std::string pattern = target_ + ".XXXXXX";
  int descriptor = ::mkstemp(pattern.data());
  if (descriptor < 0) {
    fail(systemReason(errno));
    return;
  }
  temporary_ = pattern;
  ::fchmod(descriptor, permissionsFor(target_));
  file_ = ::fdopen(descriptor, "wb");
  if (file_ == nullptr) {
    fail(systemReason(errno));
    ::close(descriptor);
    return;
  }
#endif
  if (file_ != nullptr) std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
}

OutputFile::~OutputFile() {
  if (file_ != nullptr) std::fclose(file_);
  if (!committed_ && !temporary_.empty()) std::remove(temporary_.c_str());
}

void OutputFile::fail(const std::string& reason) {
  if (failure_.empty()) failure_ = reason;
}

void OutputFile::writeLine(std::string_view line) {
  if (file_ == nullptr || !failure_.empty()) return;
  if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() ||
      std::fwrite("\r\n", 1, 2, file_) != 2) {
    fail(systemReason(errno));
  }
}

bool OutputFile::commit() {
  if (file_ == nullptr) {
    fail("The file could not be opened.");
    return false;
  }
  if (std::fflush(file_) != 0) fail(systemReason(errno));
#ifndef _WIN32
  if (failure_.empty() && ::fsync(::fileno(file_)) != 0) fail(systemReason(errno));
#endif
  if (std::fclose(file_) != 0) fail(systemReason(errno));
  file_ = nullptr;
  if (!failure_.empty()) return false;
  std::error_code error;
  std::filesystem::rename(temporary_, target_, error);
  if (error) {
    fail(error.message());
    return false;
  }
  committed_ = true;
  return true;
}

}  // namespace ppexport

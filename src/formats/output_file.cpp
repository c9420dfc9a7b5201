#include "formats/output_file.h"

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "text/file_names.h"
#include "text/leftovers.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "text/wide_text.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ppexport {

namespace {
// Lines are handed to the system in blocks of this size.
constexpr std::size_t kBlock = 256 * 1024;

std::string systemReason(int error) {
  std::string reason = std::strerror(error);
  return reason.empty() ? "Unknown error " + std::to_string(error) : reason;
}

#ifdef _WIN32
std::string windowsReason(DWORD error) {
  std::string reason = systemErrorDescription(error);
  return reason.empty() ? "Windows error " + std::to_string(error) : reason;
}
#else
// The permissions a newly created file would get, or those of the file it replaces.
mode_t permissionsFor(const std::string& target) {
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0) return existing.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}
#endif

// The observers of this thread, by the file name they watch.
thread_local std::vector<std::pair<std::string, OutputObserver*>> observers;

OutputObserver* observerOf(const std::string& target) {
  for (const auto& [name, observer] : observers) {
    if (name == target) return observer;
  }
  return nullptr;
}
}  // namespace

ObservedOutput::ObservedOutput(std::string target, OutputObserver& observer)
    : target_(std::move(target)) {
  observers.emplace_back(target_, &observer);
}

ObservedOutput::~ObservedOutput() {
  for (auto it = observers.rbegin(); it != observers.rend(); ++it) {
    if (it->first == target_) {
      observers.erase(std::next(it).base());
      break;
    }
  }
}

namespace {
thread_local MemoryFiles* memoryFilesInUse = nullptr;
}  // namespace

MemoryFiles::MemoryFiles() : previous_(memoryFilesInUse) { memoryFilesInUse = this; }

MemoryFiles::~MemoryFiles() { memoryFilesInUse = previous_; }

const std::string* MemoryFiles::find(const std::string& target) const {
  auto found = files_.find(target);
  return found == files_.end() ? nullptr : &found->second;
}

OutputFile::OutputFile(std::string target)
    : target_(std::move(target)), memory_(memoryFilesInUse), observer_(observerOf(target_)) {
  if (target_.empty()) {
    fail("No file name was given.");
    return;
  }
  // In memory the whole file gathers in the buffer until commit() files it away.
  if (memory_ != nullptr) return;
  std::error_code error;
  const std::filesystem::file_status existing = std::filesystem::status(filePath(target_), error);
  if (std::filesystem::is_directory(existing)) {
    fail("It is a folder.");
    return;
  }
  // The move into place would replace a file its owner marked read-only: that is kept instead.
  using std::filesystem::perms;
  if (std::filesystem::is_regular_file(existing) &&
      (existing.permissions() & (perms::owner_write | perms::group_write | perms::others_write)) ==
          perms::none) {
    fail("It is read-only.");
    return;
  }
  openTemporary();
  // The lines are gathered in blocks here, so the C library need not buffer them again.
  if (file_ != nullptr) std::setvbuf(file_, nullptr, _IONBF, 0);
  buffer_.reserve(kBlock + 1024);
}

OutputFile::~OutputFile() {
  if (file_ != nullptr) std::fclose(file_);
  if (!committed_) removeTemporary();
}

void OutputFile::fail(const std::string& reason) {
  if (failure_.empty()) failure_ = reason;
}

void OutputFile::writeLine(std::string_view line) {
  if ((file_ == nullptr && memory_ == nullptr) || !failure_.empty()) return;
  buffer_.append(line);
  buffer_.append("\r\n", 2);
  if (buffer_.size() >= kBlock) writeBuffer();
}

void OutputFile::writeBuffer() {
  if (buffer_.empty() || file_ == nullptr || !failure_.empty()) return;
  if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
    fail(systemReason(errno));
  } else if (observer_ != nullptr) {
    observer_->written(buffer_);
  }
  written_ += buffer_.size();
  buffer_.clear();
  startWriteBack();
}

void OutputFile::writeBytes(std::string_view bytes) {
  if (memory_ != nullptr && failure_.empty()) buffer_.append(bytes);
  // Lines written before go first.
  writeBuffer();
  if (file_ == nullptr || !failure_.empty()) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
    fail(systemReason(errno));
  } else if (observer_ != nullptr) {
    observer_->written(bytes);
  }
}

bool OutputFile::commit() {
  if (memory_ != nullptr && failure_.empty()) {
    memory_->files_[target_] = std::string(buffer_.data(), buffer_.size());
    buffer_.clear();
    committed_ = true;
    return true;
  }
  if (file_ == nullptr) {
    fail("The file could not be opened.");
    return false;
  }
  writeBuffer();
  if (std::fflush(file_) != 0) fail(systemReason(errno));
  if (failure_.empty() && observer_ != nullptr) observer_->complete();
  if (failure_.empty()) flushToDisk();
  if (std::fclose(file_) != 0) fail(systemReason(errno));
  file_ = nullptr;
  if (!failure_.empty() || !moveIntoPlace()) return false;
  committed_ = true;
  return true;
}

#ifdef _WIN32

// A name of its own beside the target, "<target>.ppexport-<process>-NNNNNN" as elsewhere, so that
// what a crash leaves is known for what it is, created only when no file has it yet, so that two
// copies of the program never write into one temporary file.
void OutputFile::openTemporary() {
  const std::filesystem::path folder = filePath(target_).parent_path();
  removeLeftovers(folder.empty() ? std::filesystem::path(".") : folder);
  static unsigned sequence = 0;
  std::string stem = target_ + "." + temporaryNameEnd();
  const std::string unique = "000000";
  stem.resize(stem.size() - unique.size());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string number = std::to_string(++sequence % 1000000);
    const std::string candidate = stem + unique.substr(number.size()) + number;
    HANDLE handle = CreateFileW(widen(candidate).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      const DWORD error = GetLastError();
      if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
      fail(windowsReason(error));
      return;
    }
    temporary_ = candidate;
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
    if (descriptor < 0) {
      CloseHandle(handle);
      fail(systemReason(errno));
      return;
    }
    file_ = _fdopen(descriptor, "wb");
    if (file_ == nullptr) {
      fail(systemReason(errno));
      _close(descriptor);
    }
    return;
  }
  fail("No temporary file name was free beside the file.");
}

void OutputFile::startWriteBack() {}

bool OutputFile::flushToDisk() {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file_)));
  if (handle == INVALID_HANDLE_VALUE || !FlushFileBuffers(handle)) {
    fail(windowsReason(GetLastError()));
    return false;
  }
  return true;
}

// Replaces the target in one step; the write-through flag returns only once the move is on disk.
bool OutputFile::moveIntoPlace() {
  if (!MoveFileExW(widen(temporary_).c_str(), widen(target_).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    fail(windowsReason(GetLastError()));
    return false;
  }
  return true;
}

void OutputFile::removeTemporary() {
  if (!temporary_.empty()) DeleteFileW(widen(temporary_).c_str());
}

#else

namespace {
// A temporary bank file is named "<target>.ppexport-<process>-XXXXXX", so that what a crash
// leaves is known for what it is (see leftovers.h).

// The temporary name's pattern: the target's name cut so that the mark and the unique part fit
// in the longest name the folder takes.
std::string temporaryPattern(const std::string& target) {
  const std::string suffix = "." + temporaryNameEnd();
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  const long longest = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  const std::size_t room = longest > 0 ? static_cast<std::size_t>(longest) : 255;
  const std::size_t kept = room > suffix.size() ? std::min(name.size(), room - suffix.size()) : 0;
  return target.substr(0, target.size() - name.size()) + name.substr(0, kept) + suffix;
}
}  // namespace

void OutputFile::openTemporary() {
  const std::filesystem::path folder = filePath(target_).parent_path();
  removeLeftovers(folder.empty() ? std::filesystem::path(".") : folder);
  std::string pattern = temporaryPattern(target_);
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
  }
}

// A large file starts going to disk while the rest is still being written, so that the flush at
// the end has little left to wait for.
void OutputFile::startWriteBack() {
#ifdef __linux__
  constexpr std::size_t kWriteBackStep = 8 * 1024 * 1024;
  if (written_ - writeBackStarted_ >= kWriteBackStep) {
    ::sync_file_range(::fileno(file_), static_cast<off_t>(writeBackStarted_),
                      static_cast<off_t>(written_ - writeBackStarted_), SYNC_FILE_RANGE_WRITE);
    writeBackStarted_ = written_;
  }
#endif
}

bool OutputFile::flushToDisk() {
  if (::fsync(::fileno(file_)) != 0) {
    fail(systemReason(errno));
    return false;
  }
  return true;
}

bool OutputFile::moveIntoPlace() {
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
    fail(systemReason(errno));
    return false;
  }
  return true;
}

void OutputFile::removeTemporary() {
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

#endif

}  // namespace ppexport

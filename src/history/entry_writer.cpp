#include "history/entry_writer.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "settings/environment.h"
#include "text/file_names.h"
#include "text/leftovers.h"

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace ppexport {

namespace fs = std::filesystem;

namespace {

std::string systemReason(int error) {
  std::string reason = std::strerror(error);
  return reason.empty() ? "error " + std::to_string(error) : reason;
}

// The names in a folder, and a folder renamed into it, stay after a crash once the folder itself
// is on disk. Windows keeps a folder's names with the files.
void flushFolder([[maybe_unused]] const std::string& folder) {
#ifndef _WIN32
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (descriptor >= 0) {
    ::fsync(descriptor);
    ::close(descriptor);
  }
#endif
}

std::string twoDigits(int value) {
  return std::string(1, static_cast<char>('0' + value / 10 % 10)) +
         static_cast<char>('0' + value % 10);
}

// "20261206-231502": the clock reading of an entry.
std::string instantStem(const DateTime& instant) {
  std::string year = std::to_string(instant.date.year);
  if (year.size() < 4) year.insert(0, 4 - year.size(), '0');
  return year + twoDigits(instant.date.month) + twoDigits(instant.date.day) + "-" +
         twoDigits(instant.hour) + twoDigits(instant.minute) + twoDigits(instant.second);
}

std::string sequenceText(int sequence) {
  std::string digits = std::to_string(sequence);
  return std::string(4 - std::min<std::size_t>(4, digits.size()), '0') + digits;
}

}  // namespace

EntryWriter::EntryWriter(std::string folder, const DateTime& created, std::string_view output)
    : folder_(std::move(folder)), stem_(instantStem(created)) {
  if (folder_.empty()) {
    fail("no history folder was named");
    return;
  }
  std::error_code error;
  const fs::path root = filePath(folder_);
  if (!fs::is_directory(root, error)) {
    // A history made here is the user's alone, as the bank files in it are.
    std::error_code kindError;
    if (!fs::create_directories(root, error) && !fs::is_directory(root, kindError)) {
      fail(fs::exists(root, kindError) ? "the folder " + folder_ + " is a file, not a folder"
                                       : "the folder " + folder_ + " cannot be made: " +
                                             error.message());
      return;
    }
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::replace, error);
  }
  static std::atomic<int> temporaries{0};
  const std::string temporary =
      pathInFolder(folder_, std::string(temporaryEntryPrefix) + stem_ + "-" +
                                std::to_string(processId()) + "-" + std::to_string(++temporaries));
  if (!fs::create_directory(filePath(temporary), error)) {
    fail("a folder cannot be made in " + folder_ + ": " +
         (error ? error.message() : std::string("it exists")));
    return;
  }
  temporary_ = temporary;
  if (!open(copy_, pathInFolder(temporary_, storedFileName(output)), failure_)) return;
  try {
    copying_ = std::thread([this] { copyBlocks(); });
  } catch (const std::system_error& threadError) {
    fail(std::string("no thread could be started: ") + threadError.what());
  }
}

EntryWriter::~EntryWriter() {
  if (!placed_) {
    std::lock_guard lock(mutex_);
    abandoned_ = true;
    blocks_.clear();
  }
  stopCopying();
  for (File* file : {&copy_, &json_}) {
    if (file->handle != nullptr) std::fclose(file->handle);
  }
  if (!placed_ && !temporary_.empty()) {
    std::error_code error;
    fs::remove_all(filePath(temporary_), error);
  }
}

void EntryWriter::fail(std::string reason) {
  if (failure_.empty()) failure_ = std::move(reason);
}

bool EntryWriter::open(File& file, const std::string& path, std::string& failure) {
  file.handle = openFile(path, "wb");
  if (file.handle == nullptr) {
    if (failure.empty()) failure = systemReason(errno);
    return false;
  }
  // The pieces come in blocks already; the C library need not gather them again.
  std::setvbuf(file.handle, nullptr, _IONBF, 0);
  return true;
}

void EntryWriter::put(File& file, std::string_view bytes, std::string& failure) {
  if (!failure.empty() || file.handle == nullptr || bytes.empty()) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file.handle) != bytes.size()) {
    failure = systemReason(errno);
    return;
  }
  file.written += bytes.size();
#ifdef __linux__
  // Every megabyte starts on its way to the disk while the next is made, so that the flush at
  // the end has little left to wait for.
  constexpr std::uint64_t step = 1 << 20;
  if (file.written - file.writeBackStarted >= step) {
    ::sync_file_range(::fileno(file.handle), static_cast<off_t>(file.writeBackStarted),
                      static_cast<off_t>(file.written - file.writeBackStarted),
                      SYNC_FILE_RANGE_WRITE);
    file.writeBackStarted = file.written;
  }
#endif
}

void EntryWriter::flush(File& file, std::string& failure) {
  if (file.handle == nullptr || !failure.empty()) return;
  if (std::fflush(file.handle) != 0) {
    failure = systemReason(errno);
    return;
  }
#ifdef _WIN32
  if (_commit(_fileno(file.handle)) != 0) failure = systemReason(errno);
#else
  if (::fsync(::fileno(file.handle)) != 0) failure = systemReason(errno);
#endif
}

void EntryWriter::close(File& file, std::string& failure) {
  if (file.handle == nullptr) return;
  if (std::fclose(file.handle) != 0 && failure.empty()) failure = systemReason(errno);
  file.handle = nullptr;
}

void EntryWriter::copyBlocks() {
  std::string failure;
  std::unique_lock lock(mutex_);
  try {
    for (;;) {
      changed_.wait(lock, [this] { return !blocks_.empty() || complete_; });
      if (blocks_.empty()) break;
      std::string block = std::move(blocks_.front());
      blocks_.pop_front();
      lock.unlock();
      digest_.update(block);
      put(copy_, block, failure);
      lock.lock();
      spent_.push_back(std::move(block));
      changed_.notify_all();
    }
    sha256_ = digest_.finishHex();
  } catch (const std::exception& error) {
    if (!lock.owns_lock()) lock.lock();
    if (failure.empty()) failure = std::string("the copy failed: ") + error.what();
    blocks_.clear();
  }
  // The one who waits for the digest is told even when there is none.
  hashed_ = true;
  changed_.notify_all();
  const bool abandoned = abandoned_;
  lock.unlock();
  if (!abandoned) flush(copy_, failure);
  close(copy_, failure);
  lock.lock();
  copyFailure_ = failure;
}

void EntryWriter::addBytes(std::string_view bytes) {
  if (!failure_.empty() || bytes.empty()) return;
  size_ += bytes.size();
  // At most a few megabytes wait to be copied; a block already copied is filled again.
  constexpr std::size_t waiting = 16;
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return blocks_.size() < waiting || hashed_; });
  if (hashed_ && !complete_) return;  // the copying failed; finish() says why
  if (complete_) {
    lock.unlock();
    fail("bytes came after the copy was complete");
    return;
  }
  std::string block;
  if (!spent_.empty()) {
    block = std::move(spent_.back());
    spent_.pop_back();
  }
  block.assign(bytes);
  blocks_.push_back(std::move(block));
  changed_.notify_all();
}

void EntryWriter::bytesComplete() {
  std::lock_guard lock(mutex_);
  complete_ = true;
  changed_.notify_all();
}

void EntryWriter::stopCopying() {
  if (!copying_.joinable()) return;
  bytesComplete();
  copying_.join();
}

void EntryWriter::prepare(HistoryEntry& entry, const JsonWriter& writeJson) {
  if (failure_.empty()) {
    // entry.json is written while the copy is flushed to disk.
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return hashed_; });
      entry.sha256 = sha256_;
    }
    std::string failure;
    if (open(json_, pathInFolder(temporary_, std::string(entryFileName)), failure)) {
      std::string out;
      out.reserve(1 << 17);
      writeJson(out, [this, &failure](std::string& piece) {
        put(json_, piece, failure);
        piece.clear();
      });
    }
    flush(json_, failure);
    close(json_, failure);
    stopCopying();
    fail(copyFailure_);
    fail(failure);
    if (entry.sha256.empty()) fail("the copy has no digest");
  }
}

RecordResult EntryWriter::place() {
  RecordResult result;
  // The first free sequence number of this clock reading; a folder that another copy of the
  // program renamed into place meanwhile makes the rename fail, and the next number is tried.
  std::error_code error;
  for (int sequence = 1; failure_.empty() && sequence <= 9999; ++sequence) {
    const std::string id = stem_ + "-" + sequenceText(sequence);
    const fs::path target = filePath(pathInFolder(folder_, id));
    if (fs::exists(target, error)) continue;
    std::error_code renameError;
    fs::rename(filePath(temporary_), target, renameError);
    if (!renameError) {
      placed_ = true;
      flushFolder(folder_);
      result.recorded = true;
      result.id = id;
      return result;
    }
    if (!fs::exists(target, error)) fail(renameError.message());
  }
  fail("every entry number of this second is taken");
  result.failure = failure_;
  return result;
}

}  // namespace ppexport

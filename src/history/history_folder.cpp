#include "history/history_folder.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <system_error>

#include "history/sha256.h"
#include "settings/environment.h"
#include "text/file_names.h"

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

constexpr std::string_view entryFileName = "entry.json";
constexpr std::string_view temporaryPrefix = "tmp-";

int processId() {
#ifdef _WIN32
  return _getpid();
#else
  return static_cast<int>(::getpid());
#endif
}

std::string systemReason(int error) {
  std::string reason = std::strerror(error);
  return reason.empty() ? "error " + std::to_string(error) : reason;
}

}  // namespace

std::optional<std::string> readFileBytes(const std::string& path, std::string& problem) {
  std::FILE* file = openFile(path, "rb");
  if (file == nullptr) {
    problem = systemReason(errno);
    return std::nullopt;
  }
  std::string bytes;
  char buffer[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    problem = "it could not be read";
    return std::nullopt;
  }
  return bytes;
}

namespace {

// Writes a new file with what fill puts into it (returning "" or why it failed) and waits until
// it is on disk; "" or why not.
std::string writeNewFile(const std::string& path, const std::function<std::string(std::FILE*)>& fill) {
  std::FILE* file = openFile(path, "wb");
  if (file == nullptr) return systemReason(errno);
  std::string failure = fill(file);
  if (failure.empty() && std::fflush(file) != 0) failure = systemReason(errno);
#ifdef _WIN32
  if (failure.empty() && _commit(_fileno(file)) != 0) failure = systemReason(errno);
#else
  if (failure.empty() && ::fsync(::fileno(file)) != 0) failure = systemReason(errno);
#endif
  if (std::fclose(file) != 0 && failure.empty()) failure = systemReason(errno);
  return failure;
}

std::string put(std::FILE* file, std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) return systemReason(errno);
  return {};
}

// A renamed folder stays renamed after a crash once its parent is on disk.
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

std::string leftOutWarning(std::string_view name, std::string_view why) {
  std::string line = "Warning: the history folder '";
  line += name;
  line += "' was left out: ";
  line += why;
  return line;
}

}  // namespace

HistoryLocation historyLocation(std::string_view explicitFolder) {
  if (!explicitFolder.empty()) return {std::string(explicitFolder), {}};
  const std::string named = environmentValue("PPEXPORT_HISTORY");
  if (!named.empty()) return {named, {}};
#ifdef _WIN32
  const std::string local = environmentValue("LOCALAPPDATA");
  if (local.empty()) return {{}, "No history can be kept: LOCALAPPDATA is not set"};
  return {pathInFolder(pathInFolder(local, "Darodid IzezozezIzo Vizozav"), "History"), {}};
#else
  // The XDG rule: a relative XDG_DATA_HOME is ignored.
  std::string data = environmentValue("XDG_DATA_HOME");
  if (data.empty() || data.front() != '/') {
    const std::string home = environmentValue("HOME");
    if (home.empty()) {
      return {{}, "No history can be kept: neither XDG_DATA_HOME nor HOME is set"};
    }
    data = pathInFolder(pathInFolder(home, ".local"), "share");
  }
  return {pathInFolder(pathInFolder(data, "ppexport"), "history"), {}};
#endif
}

bool isEntryId(std::string_view name) {
  if (name.size() != 20) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const bool dash = i == 8 || i == 15;
    if (dash ? name[i] != '-' : (name[i] < '0' || name[i] > '9')) return false;
  }
  return true;
}

std::optional<HistoryEntry> readHistoryEntry(const std::string& folder, std::string_view id,
                                             std::string& problem) {
  if (!isEntryId(id)) {
    problem = "there is no history entry '" + std::string(id) + "'";
    return std::nullopt;
  }
  const std::string entryFolder = pathInFolder(folder, std::string(id));
  std::error_code error;
  if (!fs::is_directory(filePath(entryFolder), error)) {
    problem = "there is no history entry '" + std::string(id) + "'";
    return std::nullopt;
  }
  std::string why;
  const std::optional<std::string> json =
      readFileBytes(pathInFolder(entryFolder, std::string(entryFileName)), why);
  if (!json) {
    problem = "entry.json cannot be read: " + why;
    return std::nullopt;
  }
  return parseEntryJson(*json, std::string(id), problem);
}

HistoryReading readHistory(const std::string& folder) {
  HistoryReading reading;
  std::error_code error;
  // A history not made yet is empty; one that cannot be made says so when a file is recorded.
  if (folder.empty() || !fs::is_directory(filePath(folder), error)) return reading;
  std::vector<std::string> names;
  for (fs::directory_iterator it(filePath(folder), error), end; !error && it != end;
       it.increment(error)) {
    std::error_code kindError;
    if (!it->is_directory(kindError)) continue;  // a user's own notes beside the entries
    names.push_back(fileName(it->path().filename()));
  }
  if (error) {
    reading.warnings.push_back("Warning: the history in " + folder +
                               " could not be read: " + error.message());
  }
  std::sort(names.begin(), names.end(), std::greater<>());
  for (const std::string& name : names) {
    if (name.rfind(temporaryPrefix, 0) == 0) {
      reading.warnings.push_back(leftOutWarning(name, "it is an unfinished entry"));
      continue;
    }
    if (!isEntryId(name)) {
      reading.warnings.push_back(leftOutWarning(name, "it is not a history entry"));
      continue;
    }
    std::string problem;
    std::optional<HistoryEntry> entry = readHistoryEntry(folder, name, problem);
    if (!entry) {
      reading.warnings.push_back(leftOutWarning(name, problem));
      continue;
    }
    reading.entries.push_back(std::move(*entry));
  }
  return reading;
}

std::optional<std::string> readRecordedBytes(const std::string& folder, const HistoryEntry& entry,
                                             std::string& problem) {
  const std::string path =
      pathInFolder(pathInFolder(folder, entry.id), storedFileName(entry.output));
  std::string why;
  std::optional<std::string> bytes = readFileBytes(path, why);
  if (!bytes) {
    problem = "the copy of the bank file in history entry " + entry.id + " cannot be read: " + why;
    return std::nullopt;
  }
  if (sha256Hex(*bytes) != entry.sha256) {
    problem = "the copy of the bank file in history entry " + entry.id +
              " is not the file that was recorded (its SHA-256 differs)";
    return std::nullopt;
  }
  return bytes;
}

namespace {

// Makes the entry in a temporary folder beside the others and renames it into place: copyBytes
// writes the bank file's bytes into the file it is given and sets the SHA-256 of what it wrote.
template <typename Check>
RecordResult record(const std::string& folder, HistoryEntry& entry,
                    const std::vector<Check>& checks,
                    const std::function<std::string(std::FILE*, std::string&)>& copyBytes) {
  RecordResult result;
  if (folder.empty()) {
    result.failure = "no history folder was named";
    return result;
  }
  std::error_code error;
  const fs::path root = filePath(folder);
  if (!fs::is_directory(root, error)) {
    // A history made here is the user's alone, as the bank files in it are.
    if (!fs::create_directories(root, error) && !fs::is_directory(root)) {
      result.failure = "the folder " + folder + " cannot be made: " + error.message();
      return result;
    }
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::replace, error);
  }

  const std::string stem = instantStem(entry.created);
  static std::atomic<int> temporaries{0};
  const std::string temporaryName = std::string(temporaryPrefix) + stem + "-" +
                                    std::to_string(processId()) + "-" +
                                    std::to_string(++temporaries);
  const std::string temporary = pathInFolder(folder, temporaryName);
  if (!fs::create_directory(filePath(temporary), error)) {
    result.failure = "a folder cannot be made in " + folder + ": " +
                     (error ? error.message() : std::string("it exists"));
    return result;
  }
  std::string failure =
      writeNewFile(pathInFolder(temporary, storedFileName(entry.output)),
                   [&](std::FILE* file) { return copyBytes(file, entry.sha256); });
  if (failure.empty()) {
    failure = writeNewFile(pathInFolder(temporary, std::string(entryFileName)), [&](std::FILE* file) {
      std::string out;
      std::string problem;
      out.reserve(1 << 17);
      writeEntryJson(entry, checks, out, [&](std::string& piece) {
        if (problem.empty()) problem = put(file, piece);
        piece.clear();
      });
      return problem;
    });
  }
  // The first free sequence number of this clock reading; a folder that another copy of the
  // program renamed into place meanwhile makes the rename fail, and the next number is tried.
  for (int sequence = 1; failure.empty() && sequence <= 9999; ++sequence) {
    const std::string id = stem + "-" + sequenceText(sequence);
    const fs::path target = filePath(pathInFolder(folder, id));
    if (fs::exists(target, error)) continue;
    fs::rename(filePath(temporary), target, error);
    if (!error) {
      flushFolder(folder);
      result.recorded = true;
      result.id = id;
      return result;
    }
    if (!fs::exists(target)) failure = error.message();
  }
  if (failure.empty()) failure = "every entry number of this second is taken";
  fs::remove_all(filePath(temporary), error);
  result.failure = failure;
  return result;
}

}  // namespace

RecordResult recordEntry(const std::string& folder, HistoryEntry entry, std::string_view bytes) {
  return record(folder, entry, entry.checks, [bytes](std::FILE* file, std::string& sha256) {
    sha256 = sha256Hex(bytes);
    return put(file, bytes);
  });
}

RecordResult recordWrittenFile(const std::string& folder, HistoryEntry entry,
                               const std::vector<WrittenCheck>& checks,
                               const std::string& bankFile) {
  // The bank file is copied in pieces and hashed on the way: a file of 100,000 checks is
  // never held in memory a second time.
  return record(folder, entry, checks, [&bankFile](std::FILE* file, std::string& sha256) {
    std::FILE* source = openFile(bankFile, "rb");
    if (source == nullptr) return "the bank file cannot be read back: " + systemReason(errno);
    Sha256 digest;
    std::string failure;
    std::vector<char> buffer(1 << 16);
    std::size_t got = 0;
    while (failure.empty() && (got = std::fread(buffer.data(), 1, buffer.size(), source)) > 0) {
      digest.update(std::string_view(buffer.data(), got));
      failure = put(file, std::string_view(buffer.data(), got));
    }
    if (failure.empty() && std::ferror(source) != 0) {
      failure = "the bank file cannot be read back";
    }
    std::fclose(source);
    sha256 = digest.finishHex();
    return failure;
  });
}

}  // namespace ppexport

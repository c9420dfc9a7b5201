#include "history/history_folder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <system_error>

#include "history/sent_to_bank.h"
#include "history/sha256.h"
#include "quickbooks/report_bytes.h"
#include "settings/environment.h"
#include "text/file_names.h"
#include "text/leftovers.h"

namespace ppexport {

namespace fs = std::filesystem;

namespace {

std::string systemReason(int error) {
  std::string reason = std::strerror(error);
  return reason.empty() ? "error " + std::to_string(error) : reason;
}

}  // namespace

namespace {

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
  return {pathInFolder(pathInFolder(local, "ppexport"), "History"), {}};
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
  // Every Create reads every entry: entry.json is mapped where the system can, so that an entry
  // of 100,000 checks costs no copy of its 7 MB.
  const std::string path = pathInFolder(entryFolder, std::string(entryFileName));
  const std::shared_ptr<ReportBytes> json = ReportBytes::fromFile(path);
  if (json == nullptr) {
    std::string why;
    readFileBytes(path, why);
    problem = "entry.json cannot be read: " + (why.empty() ? std::string("unknown error") : why);
    return std::nullopt;
  }
  std::optional<HistoryEntry> entry =
      parseEntryJson(std::string_view(json->data(), json->size()), std::string(id), problem);
  if (entry && !json->unchanged()) {
    problem = "entry.json changed while it was read";
    return std::nullopt;
  }
  if (entry) {
    // A sent.json that cannot be read counts as a sending of unknown outcome: the file is not
    // sent again unasked, and the lists show why.
    std::string sentProblem;
    std::optional<std::vector<SentToBank>> sent = readSentToBank(entryFolder, sentProblem);
    entry->sent = sent ? std::move(*sent)
                       : std::vector<SentToBank>{{entry->created, "", "", "unknown: " + sentProblem}};
  }
  return entry;
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
    // An entry being written by a running copy is no one's concern; one a crash left is removed.
    if (name.rfind(temporaryEntryPrefix, 0) == 0) {
      const fs::path path = filePath(pathInFolder(folder, name));
      const std::optional<int> pid = processOfTemporaryName(name);
      std::error_code removeError;
      if (pid && leftByEndedRun(path, *pid)) fs::remove_all(path, removeError);
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

RecordResult recordEntry(const std::string& folder, HistoryEntry entry, std::string_view bytes) {
  EntryWriter writer(folder, entry.created, entry.output);
  writer.addBytes(bytes);
  return writer.finish(entry, [&entry](std::string& out, const auto& flush) {
    writeEntryJson(entry, entry.checks, out, flush);
  });
}

RecordResult recordWrittenFile(const std::string& folder, HistoryEntry entry,
                               std::span<const WrittenCheck> checks,
                               const std::string& bankFile) {
  // The bank file is copied in pieces and hashed on the way: a file of 100,000 checks is
  // never held in memory a second time.
  EntryWriter writer(folder, entry.created, entry.output);
  if (!writer.failure().empty()) return RecordResult{false, {}, writer.failure()};
  std::FILE* source = openFile(bankFile, "rb");
  if (source == nullptr) {
    return RecordResult{false, {}, "the bank file cannot be read back: " + systemReason(errno)};
  }
  std::vector<char> buffer(1 << 18);
  std::size_t got = 0;
  while ((got = std::fread(buffer.data(), 1, buffer.size(), source)) > 0) {
    writer.addBytes(std::string_view(buffer.data(), got));
  }
  const bool unread = std::ferror(source) != 0;
  std::fclose(source);
  if (unread) return RecordResult{false, {}, "the bank file cannot be read back"};
  return writer.finish(entry, [&entry, &checks](std::string& out, const auto& flush) {
    writeEntryJson(entry, checks, out, flush);
  });
}

}  // namespace ppexport

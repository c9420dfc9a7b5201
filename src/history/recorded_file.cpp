#include "history/recorded_file.h"

#include <algorithm>
#include <optional>

#include "formats/output_file.h"
#include "history/history_folder.h"
#include "history/sha256.h"
#include "text/file_names.h"
#include "text/windows1252.h"

namespace ppexport {

namespace {

// The number of the first line (1 for the first) in which the two files differ.
std::size_t firstDifferentLine(const std::string& now, const std::string& recorded) {
  const auto differ = std::mismatch(now.begin(), now.end(), recorded.begin(), recorded.end());
  return 1 + static_cast<std::size_t>(std::count(now.begin(), differ.first, '\n'));
}

}  // namespace

std::string exportRecordedFile(const std::string& folder, const HistoryEntry& entry,
                               const std::string& target) {
  std::string problem;
  const std::optional<std::string> bytes = readRecordedBytes(folder, entry, problem);
  if (!bytes) return problem;
  OutputFile file(target);
  file.writeBytes(*bytes);
  if (!file.commit()) return file.failure();
  return {};
}

RecordedFileCheck checkRecordedFile(const std::string& folder, const HistoryEntry& entry) {
  RecordedFileCheck check;
  std::string problem;
  const std::optional<std::string> now = readFileBytes(entry.output, problem);
  if (!now) {
    check.differences.push_back("The file " + utf8ToWindows1252(entry.output) +
                                " cannot be read: " + problem + ".");
    return check;
  }
  const std::string digest = sha256Hex(*now);
  if (digest == entry.sha256) {
    check.same = true;
    return check;
  }
  const std::optional<std::string> recorded = readRecordedBytes(folder, entry, problem);
  if (recorded && now->size() != recorded->size()) {
    check.differences.push_back("It holds " + std::to_string(now->size()) +
                                " bytes; the recorded file held " +
                                std::to_string(recorded->size()) + ".");
  }
  if (recorded) {
    check.differences.push_back("The first difference is in line " +
                                std::to_string(firstDifferentLine(*now, *recorded)) + ".");
  }
  check.differences.push_back("Its SHA-256 is " + digest + "; the recorded file's was " +
                              entry.sha256 + ".");
  return check;
}

}  // namespace ppexport

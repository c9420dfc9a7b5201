#include "history/sending.h"

#include <filesystem>
#include <system_error>

#include "history/history_folder.h"
#include "text/file_names.h"
#include "text/windows1252.h"

namespace ppexport {

Sending::Sending(SendingRequest request) : request_(std::move(request)) {
  if (request_.folder.empty()) return;
  HistoryReading reading = readHistory(request_.folder);
  sentBefore_ = SentBefore(reading.entries, request_.account, request_.bankFormat);
  readWarnings_ = std::move(reading.warnings);
}

bool Sending::leavesOut(std::string_view number, bool isVoid, std::int64_t cents) const {
  return request_.newOnly && sentBefore_.wasSent(number, isVoid, cents);
}

std::optional<std::string> Sending::record(HistoryEntry entry) const {
  if (request_.folder.empty() || !request_.record) return std::nullopt;
  std::string problem;
  const std::optional<std::string> bytes = readFileBytes(entry.output, problem);
  if (!bytes) {
    return std::string(notRecordedWarning) + "the bank file cannot be read back: " +
           utf8ToWindows1252(problem);
  }
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(filePath(entry.output), error);
  if (!error) entry.output = fileName(absolute);
  entry.account = request_.account;
  entry.bankFormat = request_.bankFormat;
  const RecordResult recorded = recordEntry(request_.folder, std::move(entry), *bytes);
  if (recorded.recorded) return std::nullopt;
  return std::string(notRecordedWarning) + utf8ToWindows1252(recorded.failure);
}

}  // namespace ppexport

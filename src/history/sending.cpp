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

void Sending::attachTo(WriterInputs& inputs) const {
  if (request_.folder.empty()) return;
  if (request_.newOnly) {
    inputs.leaveOut = [this](std::string_view number, bool isVoid, std::int64_t cents) {
      return sentBefore_.wasSent(number, isVoid, cents);
    };
  }
  inputs.rowNote = [this](const WrittenCheck& check) {
    return sentBefore_.changedAfterSending(check.number, check.isVoid, check.cents, check.payee);
  };
}

std::vector<std::string> Sending::recordWrittenFile(const WriterInputs& inputs,
                                                    const WriterResult& written) const {
  std::vector<std::string> warnings = readWarnings_;
  if (!request_.record || !written.written) return warnings;
  if (request_.folder.empty()) {
    if (!request_.unavailable.empty()) {
      warnings.push_back(std::string(notRecordedWarning) + utf8ToWindows1252(request_.unavailable));
    }
    return warnings;
  }
  HistoryEntry entry;
  entry.created = inputs.now;
  entry.output = inputs.fileName;
  entry.identifiers = SentIdentifiers{inputs.bankId, inputs.accountId, inputs.remoteId,
                                      inputs.batchId, inputs.bankCode};
  entry.count = written.count;
  const ControlTotals totals = controlTotals(written.checks);
  entry.issued = SentTotal{totals.issued.count, totals.issued.cents};
  entry.voided = SentTotal{totals.voided.count, totals.voided.cents};
  entry.checks.reserve(written.checks.size());
  for (const WrittenCheck& check : written.checks) {
    entry.checks.push_back(SentCheck{check.number, check.date, check.cents, check.payee,
                                     check.isVoid});
  }
  if (std::optional<std::string> failure = record(std::move(entry))) {
    warnings.push_back(std::move(*failure));
  }
  return warnings;
}

std::optional<std::string> Sending::record(HistoryEntry entry) const {
  std::string problem;
  const std::optional<std::string> bytes = readFileBytes(entry.output, problem);
  if (!bytes) {
    return std::string(notRecordedWarning) + "the bank file cannot be read back: " +
           utf8ToWindows1252(problem);
  }
  // Kept absolute, so that the file can be checked from anywhere later.
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

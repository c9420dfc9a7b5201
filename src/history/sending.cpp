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
  // Kept absolute, so that the file can be checked from anywhere later.
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(filePath(inputs.fileName), error);
  entry.output = error ? inputs.fileName : fileName(absolute);
  entry.account = request_.account;
  entry.bankFormat = request_.bankFormat;
  entry.identifiers = SentIdentifiers{inputs.bankId, inputs.accountId, inputs.remoteId,
                                      inputs.batchId, inputs.bankCode};
  entry.count = written.count;
  const ControlTotals totals = controlTotals(written.checks);
  entry.issued = SentTotal{totals.issued.count, totals.issued.cents};
  entry.voided = SentTotal{totals.voided.count, totals.voided.cents};
  const RecordResult recorded =
      ppexport::recordWrittenFile(request_.folder, std::move(entry), written.checks, inputs.fileName);
  if (!recorded.recorded) {
    warnings.push_back(std::string(notRecordedWarning) + utf8ToWindows1252(recorded.failure));
  }
  return warnings;
}

}  // namespace ppexport

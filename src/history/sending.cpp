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

Sending::~Sending() = default;

Sending::Copying::Copying(const std::string& folder, const DateTime& created,
                          std::string bankFile)
    : folder_(folder),
      created_(created),
      bankFile_(std::move(bankFile)),
      observed_(bankFile_, *this) {}

void Sending::Copying::written(std::string_view bytes) {
  if (!entry) entry = std::make_unique<EntryWriter>(folder_, created_, bankFile_);
  entry->addBytes(bytes);
}

// The copy goes to disk while the bank file does.
void Sending::Copying::complete() {
  if (entry) entry->bytesComplete();
}

Sending::Copying::~Copying() {
  // A bank file that failed before its last bytes came lets the entry's writing end.
  if (entry) entry->bytesComplete();
  prepared();
}

void Sending::Copying::prepare(HistoryEntry made, std::span<const WrittenCheck> checks) {
  if (!entry || preparing_.joinable()) return;
  prepared_ = std::move(made);
  try {
    started_ = true;
    preparing_ = std::thread([this, checks] {
      entry->prepare(prepared_, [this, checks](std::string& out, const auto& flush) {
        writeEntryJson(prepared_, checks, out, flush);
      });
    });
  } catch (const std::system_error&) {
    // Without a thread the entry is written after the bank file instead.
    started_ = false;
  }
}

bool Sending::Copying::prepared() {
  if (preparing_.joinable()) preparing_.join();
  return started_;
}

void Sending::attachTo(WriterInputs& inputs) const {
  if (request_.folder.empty()) return;
  if (request_.record) {
    copying_ = std::make_unique<Copying>(request_.folder, inputs.now, inputs.fileName);
    inputs.beforeCommit = [this](const WriterInputs& writing, const WriterResult& result) {
      if (copying_) copying_->prepare(entryOf(writing, result.count, result.checks), result.checks);
    };
    // The entry's writing reads the writer's rows: it ends before the writer returns them.
    inputs.afterCommit = [this] {
      if (copying_) copying_->prepared();
    };
  }
  if (request_.newOnly) {
    inputs.leaveOut = [this](std::string_view number, bool isVoid, std::int64_t cents) {
      return sentBefore_.wasSent(number, isVoid, cents);
    };
  }
  inputs.rowNote = [this](const WrittenCheck& check) {
    return sentBefore_.changedAfterSending(check.number, check.isVoid, check.cents, check.payee);
  };
}

HistoryEntry Sending::entryOf(const WriterInputs& inputs, std::int32_t count,
                              std::span<const WrittenCheck> checks) const {
  HistoryEntry entry;
  entry.created = inputs.now;
  // Kept absolute, so that the file can be checked from anywhere later.
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(filePath(inputs.fileName), error);
  entry.output = error ? inputs.fileName : fileName(absolute);
  entry.account = request_.account;
  entry.bankFormat = request_.bankFormat;
  entry.source = request_.source;
  entry.identifiers = SentIdentifiers{inputs.bankId, inputs.accountId, inputs.remoteId,
                                      inputs.batchId, inputs.bankCode};
  entry.count = count;
  const ControlTotals totals = controlTotals(checks);
  entry.issued = SentTotal{totals.issued.count, totals.issued.cents};
  entry.voided = SentTotal{totals.voided.count, totals.voided.cents};
  return entry;
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
  // The copy made on the way is taken when it holds as many bytes as the file now does; a file
  // written some other way is read back.
  const bool prepared = copying_ && copying_->prepared();
  std::unique_ptr<EntryWriter> copy = copying_ ? std::move(copying_->entry) : nullptr;
  copying_.reset();
  std::error_code sizeError;
  const std::uintmax_t size = std::filesystem::file_size(filePath(inputs.fileName), sizeError);
  RecordResult recorded;
  if (copy && !sizeError && copy->size() == size) {
    if (prepared) {
      recorded = copy->place();
    } else {
      HistoryEntry entry = entryOf(inputs, written.count, written.checks);
      recorded = copy->finish(entry, [&entry, &written](std::string& out, const auto& flush) {
        writeEntryJson(entry, written.checks, out, flush);
      });
    }
  } else {
    copy.reset();
    recorded = ppexport::recordWrittenFile(
        request_.folder, entryOf(inputs, written.count, written.checks), written.checks,
        inputs.fileName);
  }
  if (!recorded.recorded) {
    warnings.push_back(std::string(notRecordedWarning) + utf8ToWindows1252(recorded.failure));
  }
  recordedId_ = recorded.recorded ? recorded.id : std::string();
  return warnings;
}

}  // namespace ppexport

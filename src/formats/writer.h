#pragma once
// The call contract of every bank and custom format writer.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "formats/written_checks.h"
#include "quickbooks/check_fields.h"
#include "quickbooks/report_table.h"
#include "quickbooks/row_memory.h"
#include "text/regional.h"

namespace ppexport {

class SettingsStore;

struct WriterResult;

// What the Create operation hands a writer: the two report tables, the output file, the
// identifiers exactly as typed, and the format's one extra value where it has one.
struct WriterInputs {
  const ReportTable* checks = nullptr;
  const VendorIndex* vendors = nullptr;
  std::string fileName;
  std::string bankId;
  std::string accountId;
  std::string remoteId;
  std::string batchId;
  std::string bankCode;             // the bank-code list text, for the formats that take it
  bool payeeVerification = false;   // SunTrust with payee name verification
  std::string customFormatName;     // custom formats: the format's name
  DateTime now;                     // the one clock reading of this Create
  SettingsStore* settings = nullptr;  // custom format definitions and the two file counters
  // Rows left out before they are counted or written (checks an earlier file carried); none
  // when empty.
  std::function<bool(std::string_view number, bool isVoid, std::int64_t cents)> leaveOut;
  // A written row's own last warning (a check changed since it was sent); none when empty.
  std::function<std::optional<std::string>(const WrittenCheck&)> rowNote;
  // Called once every line is written, just before the file is flushed to disk and moved into
  // place, with the count and the record of the written rows as they will stay (the warnings are
  // not there yet); none when empty. The record's rows stay where they are when the result is
  // moved.
  std::function<void(const WriterInputs&, const WriterResult&)> beforeCommit;
  // Called once the file is in place or given up, before the writer returns (also when it ends
  // by an exception): whatever beforeCommit started on the rows must be done with them by then,
  // since the writer's caller may let go of them at once.
  std::function<void()> afterCommit;
};

struct WriterResult {
  std::int32_t count = 0;             // qualifying rows, as the format counts them
  bool written = false;               // the file is complete on disk
  std::string failure;                // why it is not, in the system's words
  std::vector<std::string> warnings;  // "Warning: check ...: ..." lines, in table order
  RowVector<WrittenCheck> checks;     // the detail rows written, in table order
  std::vector<WrittenIdentifier> identifiers;  // the fields that took an identifier
  std::vector<std::string> formatWarnings;     // about the format's own definition
  int leftOut = 0;  // qualifying rows left out by WriterInputs::leaveOut
  // Every qualifying row was left out as sent before: no file was written, the earlier one stays.
  bool allSentBefore = false;
};

using FormatWriter = WriterResult (*)(const WriterInputs&);

}  // namespace ppexport

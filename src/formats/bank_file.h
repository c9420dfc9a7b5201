#pragma once
// The skeleton every bank writer shares: the output file written whole or not at all, the walk over
// the qualifying rows of the check table, and the record of what was written (the detail rows and
// the identifier fields) from which the result's totals and warnings come.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "formats/check_row.h"
#include "formats/output_file.h"
#include "formats/records.h"
#include "formats/writer.h"

namespace ppexport {

class BankFile {
 public:
  explicit BankFile(const WriterInputs& inputs);

  const WriterInputs& inputs() const { return *inputs_; }
  // The eight headings, or nothing when one is missing (then no row is read).
  const std::optional<CheckColumns>& columns() const { return columns_; }

  // The identifiers as typed, for the record builders.
  IdentifierText remoteId() const { return {Identifier::RemoteId, inputs_->remoteId}; }
  IdentifierText bankId() const { return {Identifier::BankId, inputs_->bankId}; }
  IdentifierText batchId() const { return {Identifier::BatchId, inputs_->batchId}; }
  IdentifierText accountId() const { return {Identifier::AccountId, inputs_->accountId}; }

  void write(const FixedRecord& record);
  void write(const DelimitedLine& line);
  void write(std::string_view line);
  // A row the format counts but gives no line (a custom line without one known field): it stands
  // in the record all the same, with its warnings.
  void writeNoLine();

  // Calls visit for every row that qualifies under selection, in table order, and returns how many
  // there were. Rows for which visit writes a line get their warnings.
  int forEachCheck(Selection selection, const std::function<void(const CheckRow&)>& visit);
  // The same for a format with a qualifying rule of its own.
  int forEachCheck(const std::function<bool(const CheckRow&)>& qualifies,
                   const std::function<void(const CheckRow&)>& visit);

  // Closes the file and gives the result with count, the record of what was written and the
  // warnings of its rows.
  WriterResult finish(int count);

 private:
  void noteRowWritten(bool amountTooLong, const std::optional<std::int64_t>& cents);
  void noteIdentifiers(const IdentifierFields& fields, std::string_view line);
  const WriterInputs* inputs_;
  std::optional<CheckColumns> columns_;
  OutputFile file_;
  WriterResult result_;
  bool inRow_ = false;
  bool rowWritten_ = false;
  WrittenCheck row_;
  bool rowHasCents_ = false;
};

// The warning line of a row, "Warning: check 1001: unreadable amount, written as 0".
std::string checkWarning(std::string_view checkNumber, std::string_view problem);

inline constexpr std::string_view unreadableAmountWarning = "unreadable amount, written as 0";
inline constexpr std::string_view unreadableDateWarning = "unreadable date, written blank";
inline constexpr std::string_view amountTooLongWarning = "amount too long for its field";

}  // namespace ppexport

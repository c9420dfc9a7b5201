#pragma once
// The skeleton every bank writer shares: the output file written whole or not at all, the walk over
// the qualifying rows of the check table, and the record of what was written (the detail rows and
// the identifier fields) from which the result's totals and warnings come.

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

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
  template <class Visit>
  int forEachCheck(Selection selection, Visit&& visit) {
    return forEachCheck([selection](const CheckRow& check) { return check.qualifies(selection); },
                        visit);
  }
  // The same for a format with a qualifying rule of its own.
  template <class Qualifies, class Visit>
    requires std::is_invocable_r_v<bool, Qualifies&, const CheckRow&>
  int forEachCheck(Qualifies&& qualifies, Visit&& visit) {
    if (!startWalk()) return 0;
    const ReportTable& checks = *inputs_->checks;
    int count = 0;
    for (int row = 2; row <= checks.rows(); ++row) {
      const CheckRow check(checks, *columns_, *vendors_, row);
      if (!qualifies(check) || negativeAmount(check) || leftOut(check)) continue;
      ++count;
      startRow();
      visit(check);
      finishRow(check);
    }
    return count;
  }

  // Walks the rows as forEachCheck does without recording any of them, for a header that carries
  // the count or total of the records that follow it; visit must not write.
  template <class Qualifies, class Visit>
  int previewChecks(Qualifies&& qualifies, Visit&& visit) {
    previewing_ = true;
    const int count = forEachCheck(qualifies, visit);
    previewing_ = false;
    return count;
  }

  // Closes the file and gives the result with count, the record of what was written and the
  // warnings of its rows.
  WriterResult finish(int count);

 private:
  // The walk over the rows: whether there are rows to walk, whether a qualifying row is left out
  // as sent before, and the record of each row around its visit.
  bool startWalk();
  bool negativeAmount(const CheckRow& check);
  bool leftOut(const CheckRow& check);
  void startRow();
  void finishRow(const CheckRow& check);
  void noteRowWritten(bool amountTooLong, const std::optional<std::int64_t>& cents);
  void noteIdentifiers(const IdentifierFields& fields, std::string_view line);
  const WriterInputs* inputs_;
  const VendorIndex* vendors_;
  std::optional<CheckColumns> columns_;
  OutputFile file_;
  WriterResult result_;
  std::vector<std::string> negativeWarnings_;  // the rows left out for a negative amount
  bool inRow_ = false;
  bool rowWritten_ = false;
  WrittenCheck row_;
  bool rowHasCents_ = false;
  bool previewing_ = false;
};

// The warning line of a row, "Warning: check 1001: unreadable amount, written as 0".
std::string checkWarning(std::string_view checkNumber, std::string_view problem);

inline constexpr std::string_view unreadableAmountWarning = "unreadable amount, written as 0";
inline constexpr std::string_view unreadableDateWarning = "unreadable date, written blank";
inline constexpr std::string_view amountTooLongWarning = "amount too long for its field";
inline constexpr std::string_view voidLeftOutWarning =
    "void left out: the layout has no void field; tell the bank another way";
inline constexpr const char* allSentBeforeReason = "Every check was sent in an earlier file.";
inline constexpr const char* reportChangedReason =
    "A report file changed on disk while the bank file was written from it.";

}  // namespace ppexport

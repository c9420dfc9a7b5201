#pragma once
// One row of the check table as the bank writers see it, with the values every format derives.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formats/records.h"
#include "quickbooks/check_fields.h"
#include "quickbooks/report_table.h"

namespace ppexport {

// The eight headings every bank writer looks up, in the order it looks them up. A writer reads no
// row when any of them is missing, even one its layout never prints.
struct CheckColumns {
  int documentNumber = 0;
  int name = 0;
  int date = 0;
  int bill1 = 0;
  int nameType = 0;
  int amount = 0;
  int cleared = 0;
  int description = 0;

  // Nothing when a heading is missing.
  static std::optional<CheckColumns> find(const ReportTable& checks);
};

// Why a check report cannot give a bank file: "The check report has no 'Amount' column.", naming
// each heading of the eight it lacks; "" when it has them all. A file of another kind (other
// separators, another encoding, no text at all) lacks them, and writing it would give the bank a
// file without a check in place of the earlier one.
std::string missingHeadingsProblem(const ReportTable& checks);

// Which rows a writer reports.
enum class Selection {
  // Uncleared checks and voided checks, with a check number.
  UnclearedOrVoid,
  // Every row with a check number, whatever its cleared state.
  EveryNumberedCheck,
  // Uncleared checks with a check number; a void does not qualify on that account alone.
  UnclearedOnly,
  // Uncleared checks with a check number that are not void: for layouts that have no way to mark
  // a void.
  UnclearedIssuedOnly,
};

class CheckRow {
 public:
  CheckRow(const ReportTable& checks, const CheckColumns& columns, const VendorIndex& vendors,
           int row);

  int row() const { return row_; }
  std::string_view cell(int column) const { return checks_->cell(row_, column); }
  // The check number: the "Document Number" cell, unchanged.
  std::string_view checkNumber() const { return cell(columns_->documentNumber); }
  // The same, for a record builder that notes how it was written.
  IdentifierText number() const { return {Identifier::CheckNumber, checkNumber()}; }
  std::string_view cleared() const { return cell(columns_->cleared); }
  std::string_view description() const { return cell(columns_->description); }
  std::string_view name() const { return cell(columns_->name); }

  bool hasCheckNumber() const;
  bool qualifies(Selection selection) const;

  // The void flag: the amount reads as zero and the memo begins with "VOID" (any case).
  bool isVoid() const;
  // The check date; nothing when the "Date" cell is not a date. Read when first asked for: rows
  // that do not qualify never need it.
  const std::optional<Date>& checkDate() const;
  bool amountReadable() const { return amount().has_value(); }
  // The register amount; 0 when unreadable.
  double registerAmount() const { return amount().value_or(0.0); }
  // The amount the check had before it was voided, from its memo.
  double voidAmount() const;
  // The register amount in whole cents with its sign reversed (a check of -12.34 gives 1234),
  // whether or not the row is void.
  std::int64_t registerCents() const;
  // Amount in cents: the void amount for a void, else the register cents.
  std::int64_t amountInCents() const;
  // Amount in dollars: the void amount for a void, else the register amount times -1.
  double amountInDollars() const;
  CheckStatus status() const;
  // The payee name to print.
  std::string_view payee() const;
  // The check number as a whole number, for a control total of check numbers; a number too
  // large for any total counts as 0.
  std::int64_t checkNumberValue() const;

 private:
  // The register amount, read when first asked for; nothing when unreadable.
  const std::optional<double>& amount() const;

  const ReportTable* checks_;
  const CheckColumns* columns_;
  const VendorIndex* vendors_;
  int row_;
  // The values read from the row's cells, each when first asked for: a row that does not
  // qualify is never read further than its selection needs.
  mutable std::optional<double> amount_;
  mutable std::int64_t registerCents_ = 0;
  mutable std::optional<Date> date_;
  mutable std::string_view payee_;
  mutable bool amountRead_ = false;
  mutable bool dateRead_ = false;
  mutable bool voidRead_ = false;
  mutable bool void_ = false;
  mutable bool numberRead_ = false;
  mutable bool hasCheckNumber_ = false;
  mutable bool payeeRead_ = false;
};

}  // namespace ppexport

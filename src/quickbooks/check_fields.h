#pragma once
// The values every writer derives from a check row: payee, void amount, check status, and the
// text cleaners for banks that accept only plain characters.

#include <string>
#include <string_view>
#include <unordered_map>

#include "quickbooks/report_table.h"
#include "text/regional.h"

namespace ppexport {

// The vendor list's "Print on Checks" names by "Full Name", built once per operation. The first
// row of a full name wins, as a scan from the top of the list would find it.
class VendorIndex {
 public:
  VendorIndex() = default;
  explicit VendorIndex(const ReportTable& vendors);
  // The "Print on Checks" cell of the first vendor whose "Full Name" is exactly fullName.
  const std::string_view* printOnChecks(std::string_view fullName) const;
  // Whether the vendor list's file is as it was read (see ReportTable::unchanged).
  bool unchanged() const { return vendors_ == nullptr || vendors_->unchanged(); }

 private:
  const ReportTable* vendors_ = nullptr;
  std::unordered_map<std::string_view, std::string_view> names_;
};

// The name to print as payee: the first address line for a "Payee" whose address names someone
// else, the vendor's "Print on Checks" name where it has one, else the report's name.
std::string_view resolvePayee(std::string_view name, std::string_view nameType,
                              std::string_view bill1, const VendorIndex& vendors);

// The amount a voided check had, from a memo such as "VOID: 125.00 Rent for May"; 0 when the memo
// does not begin with "VOID:" or the amount after it is not a number.
double voidAmountFromMemo(std::string_view description);

// The text trimmed, keeping only letters A to Z (either case), digits and spaces.
std::string lettersDigitsSpacesOnly(std::string_view text);

// The text trimmed and in upper case, keeping only the letters A to Z and spaces: digits,
// punctuation and accented letters are dropped, so a dropped character between two spaces leaves
// both spaces.
std::string upperLettersSpacesOnly(std::string_view text);

// The last calendar day of the month of date.
Date lastDayOfMonth(const Date& date);

enum class CheckStatus { Issue, Void, Cancel };

// A void row: the memo begins with "VOID" (any case) and the register amount is zero.
bool isVoidRow(std::string_view amountCell, std::string_view description);

// The status of a row: VOID for a void row whose amount before voiding cannot be read, CANCEL for
// a void row with that amount, ISSUE for every other row.
CheckStatus checkStatus(std::string_view amountCell, std::string_view description);

// The check amount in currency units: the register amount with its sign reversed, or for a void
// row the amount from its memo. An unreadable register amount counts as 0.
double checkAmount(std::string_view amountCell, std::string_view description);

}  // namespace ppexport

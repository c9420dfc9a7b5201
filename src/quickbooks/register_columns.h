#pragma once
// The columns of a check register exported by an accounting program as CSV: which heading holds
// the check number, the date, the payee, the amount and the rest, found by name from the names
// those programs use, or named by the user ("number=Ref,amount=Debit").

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ppexport {

// What a register column holds. An amount is either one signed Amount, or a Payment (money out)
// beside a Deposit (money in).
enum class RegisterRole { Number, Date, Payee, Amount, Payment, Deposit, Memo, Cleared, Type, Account };
inline constexpr std::size_t registerRoleCount = 10;

// The word that names a role in a column mapping: "number", "date", "payee", "amount", "payment",
// "deposit", "memo", "cleared", "type", "account".
std::string_view roleWord(RegisterRole role);

// The role's column for each role, 0-based; -1 when the register has none.
using RegisterColumns = std::array<int, registerRoleCount>;
inline RegisterColumns noRegisterColumns() {
  RegisterColumns columns;
  columns.fill(-1);
  return columns;
}

// Roles named by the user, each with the heading it is under (as given, Windows-1252).
struct ColumnMapping {
  std::vector<std::pair<RegisterRole, std::string>> columns;
  bool empty() const { return columns.empty(); }
};

// Reads "number=Ref,amount=Debit": role words in any case, headings as written. Nothing, with
// why in problem, for an unknown role word or an entry without "=".
std::optional<ColumnMapping> parseColumnMapping(std::string_view text, std::string& problem);
// The mapping as parseColumnMapping reads it back.
std::string columnMappingText(const ColumnMapping& mapping);

// A heading reduced to what the comparison sees: letters in lower case and digits, every space
// and punctuation mark dropped ("Check No." and "check no" are both "checkno").
std::string headingKey(std::string_view heading);

// The columns of each role in a heading line: the mapping's headings first, then the names the
// accounting programs use. A heading serves one role only.
RegisterColumns findRegisterColumns(const std::vector<std::string>& headings,
                                    const ColumnMapping& mapping);

// "" when the columns are enough to read checks from: a check number, a date and an amount (one
// Amount, or a Payment column), and every column the mapping names; else the refusal naming
// what is missing and the headings found: "No column for the check number; found: Date,
// Description, Debit."
std::string missingColumnsMessage(const RegisterColumns& columns,
                                  const std::vector<std::string>& headings,
                                  const ColumnMapping& mapping);

// A heading line is one that names the columns of a check number, a date and an amount.
bool looksLikeHeadingLine(const RegisterColumns& columns);

}  // namespace ppexport

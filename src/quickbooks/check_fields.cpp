#include "quickbooks/check_fields.h"

#include "text/windows1252.h"

namespace ppexport {

VendorIndex::VendorIndex(const ReportTable& vendors) : vendors_(&vendors) {
  const int fullName = findColumn("Full Name", vendors);
  const int printOnChecksColumn = findColumn("Print on Checks", vendors);
  if (fullName == 0 || printOnChecksColumn == 0) return;
  names_.reserve(static_cast<std::size_t>(vendors.rows()));
  for (int row = 2; row <= vendors.rows(); ++row) {
    names_.emplace(vendors.cell(row, fullName), vendors.cell(row, printOnChecksColumn));
  }
}

const std::string_view* VendorIndex::printOnChecks(std::string_view fullName) const {
  auto found = names_.find(fullName);
  return found == names_.end() ? nullptr : &found->second;
}

std::string_view resolvePayee(std::string_view name, std::string_view nameType,
                              std::string_view bill1, const VendorIndex& vendors) {
  if (nameType == "Payee" && !bill1.empty() && bill1 != name) return bill1;
  if (nameType != "Vendor") return name;
  const std::string_view* printName = vendors.printOnChecks(name);
  if (printName == nullptr || printName->empty()) return name;
  return *printName;
}

double voidAmountFromMemo(std::string_view description) {
  if (upperCase(description.substr(0, 5)) != "VOID:") return 0;
  std::string_view amount = trimSpaces(description.substr(5));
  std::size_t space = amount.find(' ');
  if (space != std::string_view::npos) amount = trimSpaces(amount.substr(0, space + 1));
  return regional().toNumber(amount).value_or(0.0);
}

std::string lettersDigitsSpacesOnly(std::string_view text) {
  std::string kept;
  for (char c : trimSpaces(text)) {
    const char upper = upperCase(c);
    if ((upper >= 'A' && upper <= 'Z') || c == ' ' || (c >= '0' && c <= '9')) kept.push_back(c);
  }
  return kept;
}

std::string upperLettersSpacesOnly(std::string_view text) {
  std::string kept;
  for (char c : upperCase(trimSpaces(text))) {
    if ((c >= 'A' && c <= 'Z') || c == ' ') kept.push_back(c);
  }
  return kept;
}

Date lastDayOfMonth(const Date& date) {
  return Date{date.year, date.month, daysInMonth(date.year, date.month)};
}

bool isVoidRow(std::string_view amountCell, std::string_view description) {
  if (upperCase(description.substr(0, 4)) != "VOID") return false;
  std::optional<double> amount = regional().toNumber(amountCell);
  return amount && *amount == 0;
}

CheckStatus checkStatus(std::string_view amountCell, std::string_view description) {
  if (!isVoidRow(amountCell, description)) return CheckStatus::Issue;
  return voidAmountFromMemo(description) == 0 ? CheckStatus::Void : CheckStatus::Cancel;
}

double checkAmount(std::string_view amountCell, std::string_view description) {
  if (isVoidRow(amountCell, description)) return voidAmountFromMemo(description);
  return -regional().toNumber(amountCell).value_or(0.0);
}

}  // namespace ppexport

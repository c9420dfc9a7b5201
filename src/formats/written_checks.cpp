#include "formats/written_checks.h"

#include <unordered_map>

#include "formats/bank_file.h"
#include "formats/running_total.h"

namespace ppexport {

ControlTotals controlTotals(const std::vector<WrittenCheck>& checks) {
  int issued = 0;
  int voided = 0;
  RunningTotal issuedCents;
  RunningTotal voidedCents;
  for (const WrittenCheck& check : checks) {
    ++(check.isVoid ? voided : issued);
    (check.isVoid ? voidedCents : issuedCents).add(check.cents);
  }
  return ControlTotals{{issued, issuedCents.value()}, {voided, voidedCents.value()}};
}

bool allDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::vector<std::string> checkWarnings(
    const std::vector<WrittenCheck>& checks,
    const std::function<std::optional<std::string>(const WrittenCheck&)>& rowNote) {
  std::unordered_map<std::string_view, int> occurrences;
  occurrences.reserve(checks.size());
  for (const WrittenCheck& check : checks) {
    if (!check.number.empty()) ++occurrences[check.number];
  }
  std::unordered_map<std::string_view, int> seen;
  std::vector<std::string> warnings;
  for (const WrittenCheck& check : checks) {
    if (check.amountUnreadable)
      warnings.push_back(checkWarning(check.number, unreadableAmountWarning));
    if (check.dateUnreadable) warnings.push_back(checkWarning(check.number, unreadableDateWarning));
    if (check.amountTooLong) warnings.push_back(checkWarning(check.number, amountTooLongWarning));
    if (check.numberZeroFilled && !check.number.empty() && !allDigits(check.number)) {
      warnings.push_back(checkWarning(check.number, "check number is not all digits"));
    }
    if (!check.number.empty()) {
      const int times = occurrences[check.number];
      if (times > 1 && ++seen[check.number] == 2) {
        warnings.push_back(checkWarning(
            check.number, "written " + std::to_string(times) + " times in this file"));
      }
    }
    if (rowNote) {
      if (std::optional<std::string> note = rowNote(check)) warnings.push_back(std::move(*note));
    }
  }
  return warnings;
}

}  // namespace ppexport

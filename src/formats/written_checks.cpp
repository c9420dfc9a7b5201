#include "formats/written_checks.h"

#include <cstdint>

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

namespace {
// The rows of each check number, found through an open-addressing table of row indexes: a file
// of a million rows costs no allocation per row. Every row gets the index of the first row with
// its number; the first row of a number gets how many rows carry it.
struct NumberOccurrences {
  std::vector<std::uint32_t> first;
  std::vector<std::uint32_t> times;
};

std::uint64_t numberHash(std::string_view number) {
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (const char c : number) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return hash ^ (hash >> 32);
}

NumberOccurrences numberOccurrences(const std::vector<WrittenCheck>& checks) {
  constexpr std::uint32_t empty = UINT32_MAX;
  std::size_t size = 16;
  while (size < checks.size() * 2) size *= 2;
  const std::size_t mask = size - 1;
  std::vector<std::uint32_t> slots(size, empty);
  NumberOccurrences occurrences;
  occurrences.first.resize(checks.size());
  occurrences.times.resize(checks.size());
  for (std::uint32_t row = 0; row < checks.size(); ++row) {
    const std::string_view number = checks[row].number;
    std::size_t slot = static_cast<std::size_t>(numberHash(number)) & mask;
    while (slots[slot] != empty && checks[slots[slot]].number != number) slot = (slot + 1) & mask;
    if (slots[slot] == empty) slots[slot] = row;
    occurrences.first[row] = slots[slot];
    ++occurrences.times[slots[slot]];
  }
  return occurrences;
}
}  // namespace

std::vector<std::string> checkWarnings(
    const std::vector<WrittenCheck>& checks,
    const std::function<std::optional<std::string>(const WrittenCheck&)>& rowNote) {
  NumberOccurrences occurrences = numberOccurrences(checks);
  std::vector<std::string> warnings;
  for (std::size_t row = 0; row < checks.size(); ++row) {
    const WrittenCheck& check = checks[row];
    if (check.amountUnreadable)
      warnings.push_back(checkWarning(check.number, unreadableAmountWarning));
    if (check.dateUnreadable) warnings.push_back(checkWarning(check.number, unreadableDateWarning));
    if (check.amountTooLong) warnings.push_back(checkWarning(check.number, amountTooLongWarning));
    if (check.numberZeroFilled && !check.number.empty() && !allDigits(check.number)) {
      warnings.push_back(checkWarning(check.number, "check number is not all digits"));
    }
    // At a number's second row, which is the first one that is not its first.
    const std::uint32_t first = occurrences.first[row];
    const std::uint32_t times = occurrences.times[first];
    if (!check.number.empty() && first != row && times > 1) {
      warnings.push_back(
          checkWarning(check.number, "written " + std::to_string(times) + " times in this file"));
      occurrences.times[first] = 0;  // warned once
    }
    if (rowNote) {
      if (std::optional<std::string> note = rowNote(check)) warnings.push_back(std::move(*note));
    }
  }
  return warnings;
}

}  // namespace ppexport

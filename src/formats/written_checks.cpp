#include "formats/written_checks.h"

#include <cstdint>

#include "formats/bank_file.h"
#include "formats/running_total.h"
#include "quickbooks/row_memory.h"

namespace ppexport {

ControlTotals controlTotals(std::span<const WrittenCheck> checks) {
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
constexpr std::string_view numberCleanedWarning =
    "the file's delimiter or a quote was removed from the number";

// The rows of each check number, found through an open-addressing table: a file of a million rows
// costs no allocation per row. Every row gets the index of the first row with its number; the
// first row of a number gets how many rows carry it.
struct NumberOccurrences {
  RowVector<std::uint32_t> first;
  RowVector<std::uint32_t> times;
};

// A vector of count zeros.
RowVector<std::uint32_t> zeros(std::size_t count) { return RowVector<std::uint32_t>(count); }

// FNV-1a over the number's characters with the bits mixed at the end, so that the numbers of a
// register, which mostly count up, spread evenly over the table.
std::uint64_t numberHash(std::string_view number) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : number) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  hash ^= hash >> 33;
  hash *= 0xFF51AFD7ED558CCDull;
  hash ^= hash >> 33;
  return hash;
}

// The check number as the bank reads it: in a zero-filled field, 1001 and 01001 are one number.
std::string_view numberAsWritten(const WrittenCheck& check) {
  std::string_view number = check.number;
  if (!check.numberZeroFilled || !allDigits(number)) return number;
  while (number.size() > 1 && number.front() == '0') number.remove_prefix(1);
  return number;
}

NumberOccurrences numberOccurrences(std::span<const WrittenCheck> checks) {
  // A slot holds a row (plus one; zero is a free slot) and 32 bits of its number's hash, so that
  // a probe compares the numbers themselves only when their hashes agree.
  int bits = 4;
  while ((std::size_t{1} << bits) < checks.size() + checks.size() / 2) ++bits;
  const std::size_t mask = (std::size_t{1} << bits) - 1;
  RowVector<std::uint64_t> slots(mask + 1);
  NumberOccurrences occurrences{zeros(checks.size()), zeros(checks.size())};
  // The table is far larger than the processor's caches and each number lands at a random slot:
  // the hashes are worked out some rows ahead and their slots fetched meanwhile.
  constexpr std::size_t ahead = 16;
  std::uint64_t hashes[ahead] = {};
  const std::size_t count = checks.size();
  auto lookAhead = [&](std::size_t row) {
    const std::uint64_t hash = numberHash(numberAsWritten(checks[row]));
    hashes[row % ahead] = hash;
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(&slots[static_cast<std::size_t>(hash >> (64 - bits))]);
#endif
  };
  for (std::size_t row = 0; row < ahead && row < count; ++row) lookAhead(row);
  for (std::uint32_t row = 0; row < count; ++row) {
    const std::uint64_t hash = hashes[row % ahead];
    if (row + ahead < count) lookAhead(row + ahead);
    const std::string_view number = numberAsWritten(checks[row]);
    const std::uint64_t tag = hash << 32;
    std::size_t slot = static_cast<std::size_t>(hash >> (64 - bits));
    for (;; slot = (slot + 1) & mask) {
      const std::uint64_t held = slots[slot];
      if (held == 0) {
        slots[slot] = tag | (row + std::uint64_t{1});
        occurrences.first[row] = row;
        break;
      }
      const auto heldRow = static_cast<std::uint32_t>(held - 1);
      if ((held & ~std::uint64_t{0xFFFF'FFFF}) == tag &&
          numberAsWritten(checks[heldRow]) == number) {
        occurrences.first[row] = heldRow;
        break;
      }
    }
    ++occurrences.times[occurrences.first[row]];
  }
  return occurrences;
}
}  // namespace

std::vector<std::string> checkWarnings(
    std::span<const WrittenCheck> checks,
    const std::function<std::optional<std::string>(const WrittenCheck&)>& rowNote) {
  NumberOccurrences occurrences = numberOccurrences(checks);
  std::vector<std::string> warnings;
  for (std::size_t row = 0; row < checks.size(); ++row) {
    const WrittenCheck& check = checks[row];
    if (check.amountUnreadable)
      warnings.push_back(checkWarning(check.number, unreadableAmountWarning));
    if (check.dateUnreadable) warnings.push_back(checkWarning(check.number, unreadableDateWarning));
    if (check.amountTooLong) warnings.push_back(checkWarning(check.number, amountTooLongWarning));
    if (!check.number.empty() && !allDigits(check.number)) {
      warnings.push_back(checkWarning(check.number, "check number is not all digits"));
    }
    if (check.numberCleaned) {
      warnings.push_back(checkWarning(check.number, numberCleanedWarning));
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

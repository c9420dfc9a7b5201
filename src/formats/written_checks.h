#pragma once
// What a writer wrote, kept by the bank file as it goes: one entry per detail row, and how each
// identifier went into the file. The result's control totals and warnings come from this record,
// so that every format reports them alike and from its own bytes.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/records.h"
#include "text/regional.h"

namespace ppexport {

// One detail row of the file. The check number and the payee are the cells of the check table
// and the vendor list themselves, not copies: a result holding its rows is read while the two
// report tables it was written from live (as the vendor index already requires).
struct WrittenCheck {
  std::string_view number;  // the check number as the check table holds it
  std::string_view payee;   // the payee name, whether or not the format prints it
  std::optional<Date> date;
  std::int64_t cents = 0;  // the amount written for it (for a void, what its record carries)
  bool isVoid = false;
  bool amountUnreadable = false;
  bool dateUnreadable = false;
  bool amountTooLong = false;
  bool numberZeroFilled = false;  // the check number stands in a zero-filled field
  bool numberCleaned = false;     // the delimiter or a quote was taken out of the check number
};

// One field that took an identifier the bank supplied; each distinct field once.
struct WrittenIdentifier {
  Identifier identifier = Identifier::AccountId;
  std::string value;    // as typed
  std::string written;  // what the file carries
  std::size_t width = 0;
  bool zeroFilled = false;

  bool cut() const { return value.size() > width; }
};

struct CheckTotal {
  int count = 0;
  std::int64_t cents = 0;
};

// The detail rows without and with the void flag, with the sums of their amounts.
struct ControlTotals {
  CheckTotal issued;
  CheckTotal voided;
};

ControlTotals controlTotals(std::span<const WrittenCheck> checks);

// The warning lines of the rows, in table order and within a row in this order: unreadable
// amount, unreadable date, amount too long, check number not all digits, and at the second
// occurrence of a check number how many times the file carries it; then rowNote's line for the
// row, when it gives one (a check changed since it was sent).
std::vector<std::string> checkWarnings(
    std::span<const WrittenCheck> checks,
    const std::function<std::optional<std::string>(const WrittenCheck&)>& rowNote = {});

// True when text is one or more of the digits 0 to 9 and nothing else.
bool allDigits(std::string_view text);

}  // namespace ppexport

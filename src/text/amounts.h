#pragma once
// Money as the bank files write it: whole cents, or dollars with "." as the decimal mark.

#include <cstdint>
#include <optional>
#include <string>

namespace ppexport {

// value rounded to the nearest whole number, ties to even, when it fits in 64 bits.
std::optional<std::int64_t> roundHalfEven(double value);

// The amount in cents of a register amount: amount * factor (-100 for a register amount, +100
// for a void amount), rounded half to even. Nothing when it does not fit in 64 bits.
std::optional<std::int64_t> amountInCents(double amount, double factor);

// The "0.00" pattern: the value rounded to 15 significant digits, then to two decimals with ties
// away from zero; no group separators; "-" when negative; negative zero gives "0.00".
std::string formatTwoDecimals(double value);

// Cents as dollars with two decimals, "-" in front of a negative sum, no group separators: exact
// for every sum of cents.
std::string dollarsFromCents(std::int64_t cents);

// The shortest general form: at most 15 significant digits, no trailing zeros, no trailing point,
// no exponent for magnitudes from 1e-4 to below 1e15; negative zero gives "0".
std::string formatGeneral(double value);

}  // namespace ppexport

#include "text/amounts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace ppexport {

namespace {

// A finite double rounded to 15 significant decimal digits: value = d.dddddddddddddd * 10^exponent.
struct FifteenDigits {
  std::array<char, 15> digits{};
  int exponent = 0;
  bool negative = false;

  // The digit standing for 10^power, "0" beyond the fifteen.
  char digitAt(int power) const {
    const int index = exponent - power;
    return index >= 0 && index < 15 ? digits[static_cast<std::size_t>(index)] : '0';
  }
};

FifteenDigits fifteenDigits(double value) {
  // to_chars rounds correctly and, unlike printf, never looks at the process locale.
  std::array<char, 32> text{};
  const std::to_chars_result result = std::to_chars(
      text.data(), text.data() + text.size(), value, std::chars_format::scientific, 14);
  FifteenDigits number;
  const char* p = text.data();
  if (*p == '-') {
    number.negative = true;
    ++p;
  }
  std::size_t count = 0;
  for (; p < result.ptr && *p != 'e'; ++p) {
    if (*p != '.' && count < number.digits.size()) number.digits[count++] = *p;
  }
  if (p < result.ptr) number.exponent = std::atoi(p + 1);
  return number;
}

}  // namespace

std::optional<std::int64_t> roundHalfEven(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  // Rounded on the magnitude, where the fraction a - floor(a) is exact, so a tie is a true tie.
  const double magnitude = std::fabs(value);
  // Below 2^62 the whole part is the magnitude cut to an integer, without a call into the
  // library.
  double whole = magnitude < 4611686018427387904.0
                     ? static_cast<double>(static_cast<std::int64_t>(magnitude))
                     : std::floor(magnitude);
  const double fraction = magnitude - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  const double rounded = std::signbit(value) ? -whole : whole;
  // -2^63 and 2^63 are exact doubles; the latter is one past the largest 64-bit number.
  if (rounded < -9223372036854775808.0 || rounded >= 9223372036854775808.0) return std::nullopt;
  return static_cast<std::int64_t>(rounded);
}

std::optional<std::int64_t> amountInCents(double amount, double factor) {
  return roundHalfEven(amount * factor);
}

std::string formatTwoDecimals(double value) {
  if (!std::isfinite(value)) return "0.00";
  const FifteenDigits number = fifteenDigits(value);
  // The digits from the highest place (at least the units) down to the cents.
  std::string digits;
  for (int power = std::max(number.exponent, 0); power >= -2; --power) {
    digits += number.digitAt(power);
  }
  // Half a cent or more rounds away from zero.
  if (number.digitAt(-3) >= '5') {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
    } else {
      ++digits[i - 1];
    }
  }
  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  std::string out = number.negative && !zero ? "-" : "";
  out.append(digits, 0, digits.size() - 2);
  out += '.';
  out.append(digits, digits.size() - 2, 2);
  return out;
}

std::string formatGeneral(double value) {
  if (!std::isfinite(value) || value == 0.0) return "0";
  const FifteenDigits number = fifteenDigits(value);
  int significant = 15;
  while (significant > 1 && number.digits[static_cast<std::size_t>(significant - 1)] == '0') {
    --significant;
  }
  const std::string_view digits(number.digits.data(), static_cast<std::size_t>(significant));
  const int exponent = number.exponent;
  std::string out = number.negative ? "-" : "";
  if (exponent >= -4 && exponent <= 14) {
    if (exponent >= 0) {
      const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
      out += digits.substr(0, wholeDigits);
      if (digits.size() < wholeDigits) out.append(wholeDigits - digits.size(), '0');
      if (digits.size() > wholeDigits) {
        out += '.';
        out += digits.substr(wholeDigits);
      }
    } else {
      out += "0.";
      out.append(static_cast<std::size_t>(-exponent - 1), '0');
      out += digits;
    }
    return out;
  }
  out += digits[0];
  if (digits.size() > 1) {
    out += '.';
    out += digits.substr(1);
  }
  out += exponent < 0 ? "E-" : "E+";
  const int magnitude = exponent < 0 ? -exponent : exponent;
  if (magnitude < 10) out += '0';
  out += std::to_string(magnitude);
  return out;
}

std::string dollarsFromCents(std::int64_t cents) {
  const bool negative = cents < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
  const std::uint64_t hundredths = magnitude % 100;
  std::string text = negative ? "-" : "";
  text += std::to_string(magnitude / 100);
  text += '.';
  text += static_cast<char>('0' + hundredths / 10);
  text += static_cast<char>('0' + hundredths % 10);
  return text;
}

}  // namespace ppexport

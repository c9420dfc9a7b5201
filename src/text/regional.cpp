#include "text/regional.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <system_error>

#include "text/windows1252.h"

#ifdef _WIN32
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0601  // GetLocaleInfoEx needs Windows Vista or later
#endif
#include "text/windows_api.h"
#endif

namespace ppexport {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Texts up to this length are cleaned on the stack; longer ones (never seen in a report cell) on
// the heap.
constexpr std::size_t kStackBuffer = 64;

// The decimal magnitude of a cleaned number text ("-123.45e6"), used only to tell an overflow
// from an underflow when the value lies beyond what a double holds.
bool exceedsLargestDouble(std::string_view cleaned) {
  std::size_t i = cleaned.empty() || cleaned[0] != '-' ? 0 : 1;
  std::int64_t magnitude = 0;
  bool significant = false;
  for (; i < cleaned.size() && isDigit(cleaned[i]); ++i) {
    if (cleaned[i] != '0') significant = true;
    if (significant) ++magnitude;
  }
  if (i < cleaned.size() && cleaned[i] == '.') {
    for (++i; i < cleaned.size() && isDigit(cleaned[i]); ++i) {
      if (significant) continue;
      if (cleaned[i] != '0') significant = true;
      else --magnitude;
    }
  }
  if (i < cleaned.size() && (cleaned[i] == 'e' || cleaned[i] == 'E')) {
    ++i;
    const bool negative = i < cleaned.size() && cleaned[i] == '-';
    if (i < cleaned.size() && (cleaned[i] == '-' || cleaned[i] == '+')) ++i;
    std::int64_t exponent = 0;
    for (; i < cleaned.size() && isDigit(cleaned[i]); ++i) {
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (cleaned[i] - '0');
    }
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude > 0;
}

// Checks `text` against the numeric test and writes the number into `out` in the plain form that
// std::from_chars reads ("-1234.50e3"): no currency, no group separators, "." as decimal mark.
// `out` has room for text.size() characters. Returns the length written, or -1 when not numeric.
std::ptrdiff_t cleanNumber(std::string_view text, const Regional& conventions, char* out) {
  const char* p = text.data();
  const char* const end = p + text.size();
  char* o = out;
  const std::string_view currency = conventions.currencySymbol;
  auto takeCurrency = [&]() {
    if (currency.empty() || static_cast<std::size_t>(end - p) < currency.size()) return false;
    if (std::string_view(p, currency.size()) != currency) return false;
    p += currency.size();
    return true;
  };

  bool currencySeen = takeCurrency();
  bool parenthesis = false;
  if (p < end && (*p == '+' || *p == '-' || *p == '(')) {
    parenthesis = *p == '(';
    if (*p != '+') *o++ = '-';
    ++p;
  }
  if (!currencySeen) currencySeen = takeCurrency();

  const char decimal = conventions.decimalSeparator;
  const char group = conventions.groupSeparator;
  bool anyDigit = false;
  while (p < end) {
    if (isDigit(*p)) {
      *o++ = *p++;
      anyDigit = true;
    } else if (*p == group && group != '\0' && *p != decimal && anyDigit && p + 1 < end &&
               isDigit(p[1])) {
      ++p;  // a group separator between two digits
    } else {
      break;
    }
  }
  if (p < end && *p == decimal) {
    *o++ = '.';
    ++p;
    while (p < end && isDigit(*p)) {
      *o++ = *p++;
      anyDigit = true;
    }
  }
  if (!anyDigit) return -1;

  if (p < end && (*p == 'e' || *p == 'E')) {
    *o++ = 'e';
    ++p;
    if (p < end && (*p == '+' || *p == '-')) *o++ = *p++;
    if (p == end || !isDigit(*p)) return -1;
    while (p < end && isDigit(*p)) *o++ = *p++;
  }
  if (parenthesis) {
    if (p == end || *p != ')') return -1;
    ++p;
  }
  if (p != end) return -1;
  return o - out;
}

std::optional<double> parseCleanNumber(std::string_view text, const Regional& conventions,
                                       char* buffer) {
  const std::ptrdiff_t length = cleanNumber(text, conventions, buffer);
  if (length < 0) return std::nullopt;
  double value = 0.0;
  const std::from_chars_result result = std::from_chars(buffer, buffer + length, value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large for a double is not a number; too small is a zero.
    const std::string_view cleaned(buffer, static_cast<std::size_t>(length));
    if (exceedsLargestDouble(cleaned)) return std::nullopt;
    return buffer[0] == '-' ? -0.0 : 0.0;
  }
  if (result.ec != std::errc() || result.ptr != buffer + length) return std::nullopt;
  return value;
}

}  // namespace

namespace {

// A plain number as reports hold their amounts and check numbers ("-1,234.56", "0.00", "1001"):
// an optional "-", digits with group separators between them, an optional decimal part. Its
// digits as one whole number below 2^53, divided by a power of ten up to 10^22, give the correctly
// rounded value at once: both are exact doubles and the division rounds only once.
struct PlainNumber {
  bool read = false;  // false: the text has another form, which the full numeric test decides
  double value = 0.0;
};

PlainNumber plainNumber(std::string_view text, const Regional& conventions) {
  const char decimal = conventions.decimalSeparator;
  const char group = conventions.groupSeparator;
  const std::string_view currency = conventions.currencySymbol;
  // Conventions under which a plain number might read otherwise are left to the full test.
  if (isDigit(decimal) || decimal == '-' || isDigit(group) || group == '-' ||
      (!currency.empty() && (isDigit(currency[0]) || currency[0] == '-'))) {
    return {};
  }
  static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const char* p = text.data();
  const char* const end = p + text.size();
  const bool negative = p < end && *p == '-';
  if (negative) ++p;
  if (p == end || !isDigit(*p)) return {};
  std::uint64_t digits = 0;
  int count = 0;
  int decimals = 0;
  for (; p < end; ++p) {
    if (isDigit(*p)) {
      digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
      ++count;
    } else if (*p == decimal) {
      break;
    } else if (*p == group && group != '\0' && p + 1 < end && isDigit(p[1])) {
      continue;  // a group separator between two digits
    } else {
      return {};
    }
    if (count > 18) return {};
  }
  if (p < end) {
    for (++p; p < end; ++p) {
      if (!isDigit(*p) || count >= 18) return {};
      digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
      ++count;
      ++decimals;
    }
  }
  if (digits > (std::uint64_t{1} << 53) || decimals > 22) return {};
  const double value = static_cast<double>(digits) / kPowersOfTen[decimals];
  return {true, negative ? -value : value};
}

}  // namespace

std::optional<double> Regional::toNumber(std::string_view text) const {
  text = trimSpaces(text);
  if (const PlainNumber plain = plainNumber(text, *this); plain.read) return plain.value;
  if (text.size() <= kStackBuffer) {
    std::array<char, kStackBuffer> buffer;
    return parseCleanNumber(text, *this, buffer.data());
  }
  std::string buffer(text.size(), '\0');
  return parseCleanNumber(text, *this, buffer.data());
}

bool Regional::isNumeric(std::string_view text) const { return toNumber(text).has_value(); }

Regional Regional::unitedStates() { return Regional{}; }

namespace {

#ifdef _WIN32

// One value of the user's regional settings in Windows-1252, or nothing when it is missing or
// holds a character that Windows-1252 lacks.
std::optional<std::string> userLocaleValue(LCTYPE item) {
  std::array<wchar_t, 96> wide{};
  const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, wide.data(),
                                     static_cast<int>(wide.size()));
  if (length <= 1) return std::nullopt;
  for (int i = 0; i < length - 1; ++i) {
    // Separators of thin and narrow spaces are held as the no-break space of Windows-1252.
    if (wide[i] == 0x202F || wide[i] == 0x2009 || wide[i] == 0x2007) wide[i] = 0x00A0;
  }
  std::array<char, 96> bytes{};
  BOOL usedDefault = FALSE;
  const int written = WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, wide.data(), length - 1,
                                          bytes.data(), static_cast<int>(bytes.size()), "?",
                                          &usedDefault);
  if (written <= 0 || usedDefault) return std::nullopt;
  return std::string(bytes.data(), static_cast<std::size_t>(written));
}

// The date order and separator of a short date pattern such as "dd.MM.yyyy" or "yyyy-MM-dd".
void readShortDatePattern(std::string_view pattern, Regional& conventions) {
  std::string order;
  bool separatorFound = false;
  bool quoted = false;
  for (char c : pattern) {
    if (c == '\'') {
      quoted = !quoted;
      continue;
    }
    if (quoted) continue;
    if (c == 'd' || c == 'M' || c == 'y') {
      if (order.find(c) == std::string::npos) order += c;
    } else if (!separatorFound && c != ' ' && !order.empty()) {
      conventions.dateSeparator = c;
      separatorFound = true;
    }
  }
  if (order.starts_with("dM")) conventions.dateOrder = DateOrder::DayMonthYear;
  if (order.starts_with("yM")) conventions.dateOrder = DateOrder::YearMonthDay;
  if (order.starts_with("Md")) conventions.dateOrder = DateOrder::MonthDayYear;
}

Regional platformConventions() {
  Regional conventions = Regional::unitedStates();
  if (auto pattern = userLocaleValue(LOCALE_SSHORTDATE)) {
    readShortDatePattern(*pattern, conventions);
  }
  if (auto decimal = userLocaleValue(LOCALE_SDECIMAL); decimal && decimal->size() == 1) {
    conventions.decimalSeparator = (*decimal)[0];
  }
  if (auto group = userLocaleValue(LOCALE_STHOUSAND); group && group->size() == 1) {
    conventions.groupSeparator = (*group)[0];
  }
  // A group separator equal to the decimal mark would make every number ambiguous.
  if (conventions.groupSeparator == conventions.decimalSeparator) {
    conventions.groupSeparator = '\0';
  }
  if (auto currency = userLocaleValue(LOCALE_SCURRENCY)) {
    conventions.currencySymbol = *currency;
  } else {
    conventions.currencySymbol.clear();
  }
  return conventions;
}

#else

// Elsewhere the system runs with the conventions of the United States.
Regional platformConventions() { return Regional::unitedStates(); }

#endif

// The conventions in force. The system works on one thread, so a plain object does.
Regional& conventionsInForce() {
  static Regional conventions = platformConventions();
  return conventions;
}

}  // namespace

const Regional& regional() { return conventionsInForce(); }

void setRegional(const Regional& conventions) { conventionsInForce() = conventions; }

}  // namespace ppexport

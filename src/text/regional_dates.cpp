// The date test, the text-to-date conversion and the short date form of the regional conventions.
#include <array>
#include <string>

#include "text/regional.h"
#include "text/windows1252.h"

namespace ppexport {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A run of digits read from a date text: its value and how many digits it had.
struct Number {
  int value = 0;
  int digits = 0;
};

// Reads a date text from left to right.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool atEnd() const { return position_ == text_.size(); }
  char peek() const { return atEnd() ? '\0' : text_[position_]; }

  bool take(char c) {
    if (peek() != c) return false;
    ++position_;
    return true;
  }

  // One or more spaces.
  bool spaces() {
    const std::size_t start = position_;
    while (peek() == ' ') ++position_;
    return position_ > start;
  }

  // A run of digits; more than four is never a part of a date.
  Number number() {
    Number result;
    while (isDigit(peek())) {
      if (++result.digits > 4) return Number{};
      result.value = result.value * 10 + (text_[position_++] - '0');
    }
    return result;
  }

  // An English month name or its three-letter abbreviation, in any case: 1 to 12, or 0.
  int monthName() {
    static constexpr std::array<std::string_view, 12> kMonths{
        "january", "february", "march",     "april",   "may",      "june",
        "july",    "august",   "september", "october", "november", "december"};
    const std::size_t start = position_;
    while (isLetter(peek())) ++position_;
    const std::size_t length = position_ - start;
    if (length < 3 || length > 9) return 0;
    std::array<char, 9> word{};
    for (std::size_t i = 0; i < length; ++i) {
      const char c = text_[start + i];
      word[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    const std::string_view lower(word.data(), length);
    for (std::size_t m = 0; m < kMonths.size(); ++m) {
      if (lower == kMonths[m] || (length == 3 && lower == kMonths[m].substr(0, 3))) {
        return static_cast<int>(m) + 1;
      }
    }
    return 0;
  }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

bool isDayOrMonth(const Number& part) { return part.digits == 1 || part.digits == 2; }
bool isYear(const Number& part) { return part.digits == 1 || part.digits == 2 || part.digits == 4; }

// A year written with one or two digits lies in 1930 to 2029.
int fullYear(const Number& part) {
  if (part.digits == 4) return part.value;
  return part.value < 30 ? 2000 + part.value : 1900 + part.value;
}

std::optional<Date> realDay(int year, int month, int day) {
  const Date date{year, month, day};
  if (!isValidDate(date)) return std::nullopt;
  return date;
}

// Three numeric parts with one separator: Y-M-D when the first has four digits, otherwise in the
// regional order.
std::optional<Date> numericDate(std::string_view text, const Regional& conventions) {
  Cursor cursor(text);
  const Number first = cursor.number();
  const char separator = cursor.peek();
  if (separator != '/' && separator != '-' && separator != '.' &&
      separator != conventions.dateSeparator) {
    return std::nullopt;
  }
  cursor.take(separator);
  const Number second = cursor.number();
  if (!cursor.take(separator)) return std::nullopt;
  const Number third = cursor.number();
  if (!cursor.atEnd()) return std::nullopt;

  if (first.digits == 4 || conventions.dateOrder == DateOrder::YearMonthDay) {
    if (!isYear(first) || !isDayOrMonth(second) || !isDayOrMonth(third)) return std::nullopt;
    return realDay(fullYear(first), second.value, third.value);
  }
  if (!isDayOrMonth(first) || !isDayOrMonth(second) || !isYear(third)) return std::nullopt;
  if (conventions.dateOrder == DateOrder::DayMonthYear) {
    return realDay(fullYear(third), second.value, first.value);
  }
  return realDay(fullYear(third), first.value, second.value);
}

// "5-Mar-2024" or "5 March 2024".
std::optional<Date> dayMonthNameYear(std::string_view text) {
  Cursor cursor(text);
  const Number day = cursor.number();
  if (!isDayOrMonth(day)) return std::nullopt;
  const bool dashes = cursor.take('-');
  if (!dashes && !cursor.spaces()) return std::nullopt;
  const int month = cursor.monthName();
  if (month == 0) return std::nullopt;
  if (dashes ? !cursor.take('-') : !cursor.spaces()) return std::nullopt;
  const Number year = cursor.number();
  if (!isYear(year) || !cursor.atEnd()) return std::nullopt;
  return realDay(fullYear(year), month, day.value);
}

// "Mar 5, 2024" or "March 5 2024".
std::optional<Date> monthNameDayYear(std::string_view text) {
  Cursor cursor(text);
  const int month = cursor.monthName();
  if (month == 0 || !cursor.spaces()) return std::nullopt;
  const Number day = cursor.number();
  if (!isDayOrMonth(day)) return std::nullopt;
  const bool comma = cursor.take(',');
  if (!cursor.spaces() && !comma) return std::nullopt;
  const Number year = cursor.number();
  if (!isYear(year) || !cursor.atEnd()) return std::nullopt;
  return realDay(fullYear(year), month, day.value);
}

void appendNumber(std::string& out, int value, int width) {
  const std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) out.append(width - digits.size(), '0');
  out += digits;
}

}  // namespace

std::optional<Date> Regional::toDate(std::string_view text) const {
  text = trimSpaces(text);
  if (text.empty()) return std::nullopt;
  if (isLetter(text[0])) return monthNameDayYear(text);
  if (std::optional<Date> date = numericDate(text, *this)) return date;
  return dayMonthNameYear(text);
}

bool Regional::isDate(std::string_view text) const { return toDate(text).has_value(); }

std::string Regional::shortDate(const Date& date) const {
  // Day and month without leading zeros, the year with four digits.
  struct Part {
    int value;
    int width;
  };
  const Part year{date.year, 4};
  const Part month{date.month, 1};
  const Part day{date.day, 1};
  std::array<Part, 3> parts{month, day, year};
  if (dateOrder == DateOrder::DayMonthYear) parts = {day, month, year};
  if (dateOrder == DateOrder::YearMonthDay) parts = {year, month, day};
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += dateSeparator;
    appendNumber(out, parts[i].value, parts[i].width);
  }
  return out;
}

}  // namespace ppexport

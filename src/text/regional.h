#pragma once
// The user's regional conventions, and every text-to-number and text-to-date conversion of the
// system. Nobody else parses numbers or dates from report cells or typed texts.

#include <optional>
#include <string>
#include <string_view>

namespace ppexport {

// A calendar day, without time zone.
struct Date {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
  friend bool operator==(const Date&, const Date&) = default;
  friend auto operator<=>(const Date&, const Date&) = default;
};

// One clock reading: a day and a time of day to the minute, with the second where the clock
// gives one (the history names its entries by it).
struct DateTime {
  Date date;
  int hour = 0;    // 0 to 23
  int minute = 0;  // 0 to 59
  int second = 0;  // 0 to 59
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

bool isLeapYear(int year);
// 0 for a month outside 1 to 12.
int daysInMonth(int year, int month);
// A real calendar day of the years 1 to 9999, the years a four-digit date field can hold.
bool isValidDate(const Date& date);
// 1 for January 1.
int dayOfYear(const Date& date);
// The day that lies `days` days after (or, negative, before) `date`.
Date addDays(const Date& date, long days);
// The number of days from `from` to `to`, negative when `to` lies before.
long daysBetween(const Date& from, const Date& to);

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

class Regional {
 public:
  // United States: M/D/Y, "/" between date parts, "." decimal mark, "," group separator, "$".
  static Regional unitedStates();

  DateOrder dateOrder = DateOrder::MonthDayYear;
  char dateSeparator = '/';
  char decimalSeparator = '.';
  char groupSeparator = ',';
  std::string currencySymbol = "$";

  // The numeric test: an optional sign or an opening "(" (negative, then ")" must close the text),
  // an optional currency symbol (also before the sign), digits with group separators only between
  // two digits, an optional decimal part, an optional exponent. Spaces around are ignored.
  bool isNumeric(std::string_view text) const;
  // The value of a numeric text, correctly rounded; nothing when the text is not numeric. A value
  // beyond the range of a double is not numeric; one too small for it reads as zero.
  std::optional<double> toNumber(std::string_view text) const;

  // The date test: M/D/Y (in this object's order) with "/", "-" or "." between the parts,
  // Y-M-D or Y/M/D with a four-digit year first, or an English month name or its three-letter
  // abbreviation ("Mar 5, 2024", "March 5 2024", "5-Mar-2024", "5 March 2024"). Two-digit years
  // 00-29 are 2000-2029, 30-99 are 1930-1999 (a one-digit year likewise: 5 is 2005). Both numeric
  // separators must be the same; this object's own date separator is accepted as well. The month
  // name forms take the same years, and "Mar 5,2024" as "Mar 5, 2024". It must be a real calendar
  // day; no time part.
  bool isDate(std::string_view text) const;
  std::optional<Date> toDate(std::string_view text) const;

  // The short date form shown in the window's date boxes: M/D/YYYY in the United States (no
  // leading zeros), in this object's order and separator.
  std::string shortDate(const Date& date) const;
};

// The conventions in force for the process: the United States unless the platform's regional
// settings say otherwise (read from the user's settings on Windows).
const Regional& regional();
void setRegional(const Regional& conventions);

}  // namespace ppexport

// The calendar arithmetic behind the check dates: leap years, month lengths, adding days.
#include <array>
#include <cstdint>

#include "text/regional.h"

namespace ppexport {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && isLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

bool isValidDate(const Date& date) {
  return date.year >= 1 && date.year <= 9999 && date.day >= 1 &&
         date.day <= daysInMonth(date.year, date.month);
}

int dayOfYear(const Date& date) {
  int days = date.day;
  for (int month = 1; month < date.month && month <= 12; ++month) {
    days += daysInMonth(date.year, month);
  }
  return days;
}

namespace {

// Days since 1 January 1970 in the proleptic Gregorian calendar, and back.
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const auto yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYearFromMarch = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYearFromMarch;
  return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

Date civilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
  const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYearFromMarch = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned monthFromMarch = (5 * dayOfYearFromMarch + 2) / 153;
  const unsigned day = dayOfYearFromMarch - (153 * monthFromMarch + 2) / 5 + 1;
  const unsigned month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
  const std::int64_t year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
  return Date{static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

}  // namespace

Date addDays(const Date& date, long days) {
  // About a hundred million years either way keeps every intermediate value and the year in range.
  constexpr std::int64_t kLimit = 36'500'000'000;
  std::int64_t total = daysFromCivil(date.year, static_cast<unsigned>(date.month),
                                     static_cast<unsigned>(date.day));
  const std::int64_t step = days < -kLimit ? -kLimit : (days > kLimit ? kLimit : days);
  total += step;
  return civilFromDays(total);
}

long daysBetween(const Date& from, const Date& to) {
  return static_cast<long>(
      daysFromCivil(to.year, static_cast<unsigned>(to.month), static_cast<unsigned>(to.day)) -
      daysFromCivil(from.year, static_cast<unsigned>(from.month), static_cast<unsigned>(from.day)));
}

}  // namespace ppexport

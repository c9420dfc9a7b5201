#include <gtest/gtest.h>

#include <optional>

#include "text/regional.h"

namespace ppexport {
namespace {

TEST(DateTest, followsTheRegionalOrder) {
  Regional european = Regional::unitedStates();
  european.dateOrder = DateOrder::DayMonthYear;
  european.dateSeparator = '.';
  EXPECT_EQ(european.toDate("05.03.2024"), std::optional<Date>(Date{2024, 3, 5}));
  EXPECT_EQ(european.toDate("13/1/2024"), std::optional<Date>(Date{2024, 1, 13}));
  EXPECT_EQ(european.toDate("2024-03-05"), std::optional<Date>(Date{2024, 3, 5}));
  EXPECT_EQ(european.toDate("Mar 5, 2024"), std::optional<Date>(Date{2024, 3, 5}));
  EXPECT_FALSE(european.isDate("1/13/2024"));
  EXPECT_EQ(european.shortDate(Date{2024, 3, 5}), "5.3.2024");

  Regional yearFirst = Regional::unitedStates();
  yearFirst.dateOrder = DateOrder::YearMonthDay;
  EXPECT_EQ(yearFirst.toDate("24/3/5"), std::optional<Date>(Date{2024, 3, 5}));
  EXPECT_EQ(yearFirst.shortDate(Date{2024, 3, 5}), "2024/3/5");
}

TEST(DateTest, shortDateHasNoLeadingZeros) {
  const Regional us = Regional::unitedStates();
  EXPECT_EQ(us.toDate(us.shortDate(Date{2031, 7, 4})), std::optional<Date>(Date{2031, 7, 4}));
}

TEST(Calendar, countsDaysAcrossMonthsAndYears) {
  EXPECT_TRUE(isLeapYear(2024));
  EXPECT_TRUE(isLeapYear(2000));
  EXPECT_FALSE(isLeapYear(1900));
  EXPECT_FALSE(isLeapYear(2023));
  EXPECT_EQ(daysInMonth(2024, 2), 29);
  EXPECT_EQ(daysInMonth(2023, 2), 28);
  EXPECT_EQ(daysInMonth(2024, 4), 30);
  EXPECT_EQ(daysInMonth(2024, 13), 0);
  EXPECT_EQ(dayOfYear(Date{2024, 1, 1}), 1);
  EXPECT_EQ(dayOfYear(Date{2024, 3, 1}), 61);
  EXPECT_EQ(dayOfYear(Date{2023, 12, 31}), 365);
  EXPECT_EQ(dayOfYear(Date{2024, 12, 31}), 366);

  EXPECT_EQ(addDays(Date{2024, 2, 28}, 1), (Date{2024, 2, 29}));
  EXPECT_EQ(addDays(Date{2023, 2, 28}, 1), (Date{2023, 3, 1}));
  EXPECT_EQ(addDays(Date{2025, 12, 31}, 1), (Date{2026, 1, 1}));
  EXPECT_EQ(addDays(Date{2026, 1, 1}, -1), (Date{2025, 12, 31}));
  EXPECT_EQ(addDays(Date{2024, 3, 5}, 0), (Date{2024, 3, 5}));
  EXPECT_EQ(addDays(Date{1970, 1, 1}, 146097), (Date{2370, 1, 1}));
  EXPECT_EQ(addDays(Date{2000, 3, 1}, -36525), (Date{1900, 3, 1}));
  EXPECT_EQ(daysBetween(Date{1899, 12, 30}, Date{2000, 1, 1}), 36526);
  EXPECT_EQ(daysBetween(Date{1899, 12, 30}, Date{2024, 3, 5}), 45356);
  EXPECT_EQ(daysBetween(Date{2024, 3, 5}, Date{2024, 2, 28}), -6);
}

TEST(RegionalInForce, isTheUnitedStatesUntilSetOtherwise) {
  const Regional saved = regional();
#ifndef _WIN32
  EXPECT_EQ(regional().dateOrder, DateOrder::MonthDayYear);
  EXPECT_EQ(regional().currencySymbol, "$");
#endif
  Regional european = Regional::unitedStates();
  european.dateOrder = DateOrder::DayMonthYear;
  setRegional(european);
  EXPECT_EQ(regional().toDate("13/1/2024"), std::optional<Date>(Date{2024, 1, 13}));
  setRegional(saved);
}

}  // namespace
}  // namespace ppexport

// The regional conventions: numbers and dates as the user's region writes them (the United
// States' own cases are in tests/golden/text-cases.txt).
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "text/regional.h"

namespace ppexport {
namespace {

TEST(NumericTest, readsTheNearestDouble) {
  // Long digit strings must round once, correctly, not digit by digit.
  const Regional us = Regional::unitedStates();
  EXPECT_EQ(us.toNumber("0.30000000000000004"), 0.1 + 0.2);
  EXPECT_EQ(us.toNumber("9007199254740993"), 9007199254740992.0);
  const std::string longText = "  " + std::string(70, '0') + "1,234.5  ";
  EXPECT_EQ(us.toNumber(longText), 1234.5);
  EXPECT_FALSE(us.isNumeric(std::string(80, '1') + "x"));
}

TEST(NumericTest, followsTheRegionalSeparatorsAndSymbol) {
  Regional german = Regional::unitedStates();
  german.decimalSeparator = ',';
  german.groupSeparator = '.';
  german.currencySymbol = "\x80";  // euro sign
  EXPECT_EQ(german.toNumber("-1.234,50"), -1234.5);
  EXPECT_EQ(german.toNumber("\x80" "12,5"), 12.5);
  EXPECT_FALSE(german.isNumeric("$12"));
  EXPECT_FALSE(german.isNumeric("1,2,3"));

  Regional noCurrency = Regional::unitedStates();
  noCurrency.currencySymbol.clear();
  EXPECT_FALSE(noCurrency.isNumeric("$12"));
  EXPECT_EQ(noCurrency.toNumber("12"), 12.0);
}

// Plain amounts and check numbers take a shorter road than other numbers; it must land on the
// same double that reading the digits without group separators does, at every length and scale.
TEST(NumericTest, plainAmountsReadAsTheirDigitsDo) {
  const Regional us = Regional::unitedStates();
  std::vector<std::string> texts = {"9007199254740992", "9007199254740993", "900719925474099.3",
                                    "999999999999999999", "0.0000000000000000000001",
                                    "1.0000000000000000000001", "0.1", "0.7", "123456789.12",
                                    "4503599627370497.5", "-0", "0.000", "1000000000000000000000"};
  std::uint64_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 6364136223846793005u + 1442695040888963407u;
    return seed >> 33;
  };
  for (int i = 0; i < 20000; ++i) {
    std::string digits = std::to_string(next() % 100000000) + std::to_string(next() % 100000000);
    digits.erase(0, next() % digits.size());
    const std::size_t point = next() % (digits.size() + 1);
    if (point < digits.size() && next() % 4 != 0) digits.insert(point, ".");
    texts.push_back((next() % 2 == 0 ? "-" : "") + digits);
  }
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    double expected = 0.0;
    const std::from_chars_result read =
        std::from_chars(text.data(), text.data() + text.size(), expected);
    ASSERT_EQ(read.ptr, text.data() + text.size());
    const std::optional<double> value = us.toNumber(text);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, expected);
    EXPECT_EQ(std::signbit(*value), std::signbit(expected));
    // The same number with group separators every three digits.
    std::string grouped = text;
    std::size_t units = grouped.find('.');
    if (units == std::string::npos) units = grouped.size();
    const std::size_t first = grouped[0] == '-' ? 1 : 0;
    for (std::size_t at = units; at > first + 3; at -= 3) grouped.insert(at - 3, ",");
    EXPECT_EQ(us.toNumber(grouped), value) << grouped;
  }
}

// Where the regional symbols could make a plain-looking text read otherwise, the full test
// decides: a currency symbol "-" is a currency symbol, not a sign.
TEST(NumericTest, plainLookingTextsFollowUnusualConventions) {
  Regional dashCurrency = Regional::unitedStates();
  dashCurrency.currencySymbol = "-";
  EXPECT_EQ(dashCurrency.toNumber("-12"), 12.0);
  EXPECT_EQ(dashCurrency.toNumber("--12"), -12.0);

  Regional noGroups = Regional::unitedStates();
  noGroups.groupSeparator = '\0';
  EXPECT_FALSE(noGroups.isNumeric("1,234"));
  EXPECT_FALSE(noGroups.isNumeric(std::string("1\0" "234", 5)));

  Regional commaDecimal = Regional::unitedStates();
  commaDecimal.decimalSeparator = ',';
  commaDecimal.groupSeparator = ',';
  EXPECT_EQ(commaDecimal.toNumber("1,5"), 1.5);
  EXPECT_FALSE(commaDecimal.isNumeric("1,234,5"));
}

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

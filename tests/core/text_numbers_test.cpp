#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "text/regional.h"

namespace ppexport {
namespace {

struct NumberCase {
  const char* text;
  std::optional<double> value;
};

TEST(NumericTest, readsAmountCellsAndTypedNumbers) {
  const NumberCase cases[] = {
      {"-1,234.50", -1234.5}, {" 123 ", 123.0},     {"$12", 12.0},          {"-$12", -12.0},
      {"$-12", -12.0},        {"+12", 12.0},        {"(12.50)", -12.5},     {"$(12.50)", -12.5},
      {"($12.50)", -12.5},    {"1e3", 1000.0},      {"1E+3", 1000.0},       {"2.5e-2", 0.025},
      {"1,2,3", 123.0},       {"1,234,567.8", 1234567.8}, {".5", 0.5},      {"5.", 5.0},
      {"0", 0.0},             {"-0.00", 0.0},       {"00012", 12.0},        {"0.1", 0.1},
      {"1e-400", 0.0},        {"0e400", 0.0},        {"123456789012345678", 123456789012345678.0},
  };
  const Regional us = Regional::unitedStates();
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_TRUE(us.isNumeric(c.text));
    EXPECT_EQ(us.toNumber(c.text), c.value);
  }
}

TEST(NumericTest, rejectsEverythingElse) {
  const char* cases[] = {"EFT", "",     ".",    " ",     "1-2",  "12-",   ",1",    "1,",
                         "1,,2", "1.2,3", "(12", "12)",  "0x1A", "1 2",  "+-1",   "1e",
                         "$",   "- 12", "1e+",  "(-12)", "-(12)", "$$12", "12$",  "1.2.3",
                         "1e400", "-1e400", "1\t", "\t1", "12,345.6,7", "VOID", "1/2"};
  const Regional us = Regional::unitedStates();
  for (const char* text : cases) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(us.isNumeric(text));
    EXPECT_FALSE(us.toNumber(text).has_value());
  }
}

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

}  // namespace
}  // namespace ppexport

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "text/amounts.h"

namespace ppexport {
namespace {

TEST(Amounts, roundsTiesToEven) {
  struct Case {
    double value;
    std::optional<std::int64_t> rounded;
  };
  const Case cases[] = {
      {2.5, 2},   {3.5, 4},   {-2.5, -2}, {-3.5, -4},  {0.5, 0},     {1.5, 2},
      {2.4, 2},   {2.6, 3},   {-0.4, 0},  {-0.6, -1},  {0.49999999999999994, 0},
      {4503599627370497.0, 4503599627370497}, {-9223372036854775808.0, INT64_MIN},
      {9223372036854775808.0, std::nullopt},  {1e300, std::nullopt},
      {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
      {std::numeric_limits<double>::infinity(), std::nullopt},
      {-std::numeric_limits<double>::infinity(), std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(roundHalfEven(c.value), c.rounded);
  }
}

TEST(Amounts, centsOfRegisterAndVoidAmounts) {
  EXPECT_EQ(amountInCents(-0.125, -100), 12);
  EXPECT_EQ(amountInCents(-0.375, -100), 38);
  EXPECT_EQ(amountInCents(0.375, 100), 38);
  EXPECT_EQ(amountInCents(-12.34, -100), 1234);
  EXPECT_EQ(amountInCents(-1234.5, -100), 123450);
  EXPECT_EQ(amountInCents(12.34, -100), -1234);
  EXPECT_EQ(amountInCents(-0.0, -100), 0);
  // Past the 32-bit range the true value is kept.
  EXPECT_EQ(amountInCents(-21474836.48, -100), 2147483648);
  EXPECT_EQ(amountInCents(-1e300, -100), std::nullopt);
}

TEST(Amounts, twoDecimals) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {1234.5, "1234.50"},  {-0.005, "-0.01"},  {0.005, "0.01"},   {0.125, "0.13"},
      {-0.125, "-0.13"},    {0.0, "0.00"},      {-0.0, "0.00"},    {-0.001, "0.00"},
      {1e15, "1000000000000000.00"},            {12.345, "12.35"}, {1.005, "1.01"},
      {0.1 + 0.2, "0.30"},  {99.995, "100.00"}, {-999.999, "-1000.00"}, {123450, "123450.00"},
      {0.0049, "0.00"},     {1e-300, "0.00"},   {1234567.891, "1234567.89"},
      {std::numeric_limits<double>::quiet_NaN(), "0.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(formatTwoDecimals(c.value), c.text);
  }
}

TEST(Amounts, generalForm) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {1500, "1500"},       {1234.5, "1234.5"},     {0.1 + 0.2, "0.3"},  {-12.34, "-12.34"},
      {0.0, "0"},           {-0.0, "0"},            {1e15, "1E+15"},     {1.5e-5, "1.5E-05"},
      {0.0001, "0.0001"},   {0.00012345, "0.00012345"}, {999999999999999.0, "999999999999999"},
      {9999999999999999.0, "1E+16"}, {123456789012.34, "123456789012.34"},
      {1.0 / 3.0, "0.333333333333333"}, {-2.5e100, "-2.5E+100"}, {1e-300, "1E-300"},
      {100, "100"},         {0.5, "0.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(formatGeneral(c.value), c.text);
  }
}

}  // namespace
}  // namespace ppexport

#include <gtest/gtest.h>

#include "formats/records.h"

namespace ppexport {
namespace {

TEST(FixedRecord, fieldConventions) {
  struct Case {
    FixedRecord record;
    std::string expected;
  } cases[] = {
      {FixedRecord().zeroFilled("123456789012", 10), "3456789012"},
      {FixedRecord().zeroFilled("42", 5), "00042"},
      {FixedRecord().zeroFilled(std::int64_t{-1234}, 10), "00000-1234"},
      {FixedRecord().spaceFilled("Acme Supply Company", 4), "Acme"},
      {FixedRecord().spaceFilled("Ab", 4), "Ab  "},
      {FixedRecord().zeroFilledRight("12", 4), "1200"},
      {FixedRecord().zeroFilledRight("123456", 4), "1234"},
      {FixedRecord().spaceFilledRight("12", 4), "  12"},
      {FixedRecord().spaceFilled("line\r\nbreak", 11), "line  break"},
      {FixedRecord().text("T").spaces(2).zeros(3), "T  000"},
      {FixedRecord().firstCharacters("001 - NYB", 3), "001"},
      {FixedRecord().firstCharacters("12", 3), "12"},
      {FixedRecord().lastCharacters("1234567", 5), "34567"},
      {FixedRecord().lastCharacters("123", 5), "123"},
      {FixedRecord().date(Date{2024, 3, 5}, "MMDDYY"), "030524"},
      {FixedRecord().date(Date{2024, 3, 5}, "YYYYMMDD"), "20240305"},
      {FixedRecord().date(Date{2024, 3, 5}, "MMDDYYYY"), "03052024"},
      {FixedRecord().date(Date{2024, 12, 31}, "YYYYDDD"), "2024366"},
      {FixedRecord().date(Date{2024, 3, 5}, "MM/DD/YYYY"), "03/05/2024"},
      {FixedRecord().date(std::nullopt, "MMDDYYYY"), "        "},
  };
  for (const Case& c : cases) EXPECT_EQ(c.record.line(), c.expected);
}

TEST(FixedRecord, anAmountLongerThanItsFieldKeepsItsLastDigitsAndIsNoted) {
  FixedRecord fits;
  fits.amount(1234567890, 10);
  EXPECT_EQ(fits.line(), "1234567890");
  EXPECT_FALSE(fits.amountTooLong());
  FixedRecord cut;
  cut.amount(12345678901, 10);
  EXPECT_EQ(cut.line(), "2345678901");
  EXPECT_TRUE(cut.amountTooLong());
}

TEST(DelimitedLine, fieldsJoinedUnquotedWithCutAmounts) {
  DelimitedLine line;
  line.field("1001").date(Date{2025, 12, 31}, "MM/DD/YYYY").date(std::nullopt, "MM/DD/YYYY");
  line.field("tab\there").amount("1234.50", 11).field("12345678901234", 13).field("12", 13);
  EXPECT_EQ(line.line(), "1001,12/31/2025,,tab here,1234.50,1234567890123,12");
  EXPECT_EQ(line.fields(), 7u);
  EXPECT_FALSE(line.amountTooLong());
  DelimitedLine hashes('#');
  hashes.field("a").amount("123456789012.50", 11);
  EXPECT_EQ(hashes.line(), "a#12345678901");
  EXPECT_TRUE(hashes.amountTooLong());
  EXPECT_EQ(without("Smith, John, Jr", ','), "Smith John Jr");
}

TEST(DelimitedLine, fieldsCutToAWidthWithoutFill) {
  DelimitedLine line('#');
  line.field("Acme Supply", 4).field("Ab", 4).field("", 4).field("a\r\nb", 3);
  line.lastCharacters("12345678901234", 10).lastCharacters("987654", 10).lastCharacters("x\ny", 2);
  EXPECT_EQ(line.line(), "Acme#Ab##a  #5678901234#987654# y");
  EXPECT_EQ(line.fields(), 7u);
}

}  // namespace
}  // namespace ppexport

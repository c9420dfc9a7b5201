#include <gtest/gtest.h>

#include "formats/bank_formats.h"
#include "support/golden.h"
#include "support/reports.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::fileHoldsLines;
using testing::TempFolder;
using testing::WriterFixture;

// An issued check; a cleared void with its amount in the memo, to a payee with an apostrophe, an
// ampersand, a comma, a point, a hash sign, a digit and an accented letter; an uncleared void
// without an amount; a cleared check and a deposit.
const std::vector<Check> register_ = {
    {.number = "1234", .date = "03/05/2024", .amount = "-1,234.5", .name = "Acme Supply"},
    {.number = "1235", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "O'Brien & Sons, Inc. #2 Caf\xE9", .description = "VOID: 75.25 wrong payee"},
    {.number = "1236", .date = "03/07/2024", .amount = "0.00", .name = "Bolt & Nut",
     .description = "VOID"},
    {.number = "1237", .cleared = "Cleared", .date = "03/08/2024", .amount = "-20.00"},
    {.number = "", .date = "03/09/2024", .amount = "900.00", .description = "Deposit"},
};

WriterResult writeFormat(std::string_view bank, WriterFixture& fixture, const TempFolder& folder) {
  fixture.inputs.fileName = folder.file("bank.txt");
  return findBankFormat(bank)->writer(fixture.inputs);
}

TEST(CommaSeparatedFormats, oneLinePerCheckAsTheBankLaysItOut) {
  struct Case {
    std::string_view bank;
    int count;
    std::vector<std::string> lines;
  } cases[] = {
      // Uncleared checks only and no void handling: the cleared void is left out and the
      // uncleared one shows its register amount.
      {"Branch Banking & Trust Company", 2,
       {"987654,1234,1234.50,030524", "987654,1236,0.00,030724"}},
      {"Founders Bank & Trust - MI", 2, {"987654,1234,1234.50,030524", "987654,1236,0.00,030724"}},
      {"Chase - CSV Format", 3,
       {"I,987654,1234,030524,1234.50,ACME SUPPLY,",
        "C,987654,1235,030624,75.25,O'BRIEN & SONS INC. #2 CAF\xC9,",
        "C,987654,1236,030724,0.00,BOLT & NUT,"}},
      {"JP Morgan - PWS Delimited/CSV", 3,
       {",987654,1234,030524,1234.50,I,,ACME SUPPLY,",
        ",987654,1235,030624,75.25,V,,O'BRIEN & SONS INC. #2 CAF\xC9,",
        ",987654,1236,030724,0.00,V,,BOLT & NUT,"}},
      {"PNC Bank of Illinois", 3,
       {"987654,1234,1234.50,03/05/2024,,ACME SUPPLY,,I",
        "987654,1235,75.25,03/06/2024,,O'BRIEN & SONS INC. #2 CAF\xC9,,V",
        "987654,1236,0.00,03/07/2024,,BOLT & NUT,,V"}},
      {"Citizens Bank - MI/OH/WI", 3,
       {"I,1234,072400528,987654,1234.50,03052024,ACME SUPPLY,A,C",
        "V,1235,072400528,987654,75.25,03062024,O'BRIEN & SONS INC. #2 CAF\xC9,A,C",
        "V,1236,072400528,987654,0.00,03072024,BOLT & NUT,A,C"}},
      {"American Bank - MD", 3,
       {"987654,03052024,1234,1234.50,Acme Supply,,R,A",
        "987654,03062024,1235,75.25,OBrien  Sons Inc 2 Caf,,V,A",
        "987654,03072024,1236,0.00,Bolt  Nut,,V,A"}},
      {"Eastern Bank", 3,
       {"987654,1234,1234.50,03/05/2024,I,ACME SUPPLY",
        "987654,1235,75.25,03/06/2024,V,OBRIEN  SONS INC 2 CAF",
        "987654,1236,0.00,03/07/2024,V,BOLT  NUT"}},
      {"Jonah Bank of Wyoming", 3,
       {"03/05/2024,1234,1234.50,ACME SUPPLY,I", "03/06/2024,1235,75.25,OBRIEN  SONS INC  CAF,V",
        "03/07/2024,1236,0.00,BOLT  NUT,V"}},
  };
  for (const Case& c : cases) {
    WriterFixture fixture(register_);
    fixture.inputs.accountId = "987654";
    fixture.inputs.bankId = "BANK";
    fixture.inputs.remoteId = "REMOTE";
    fixture.inputs.batchId = "BATCH";
    TempFolder folder;
    WriterResult result = writeFormat(c.bank, fixture, folder);
    EXPECT_EQ(result.count, c.count) << c.bank;
    EXPECT_TRUE(result.written) << c.bank;
    EXPECT_TRUE(result.warnings.empty()) << c.bank;
    EXPECT_TRUE(fileHoldsLines(fixture.inputs.fileName, c.lines)) << c.bank;
  }
}

TEST(CommaSeparatedFormats, longValuesAreCutWithoutFillAndACutAmountIsWarned) {
  const std::string payee(60, 'P');
  struct Case {
    std::string_view bank;
    std::string line;
    bool amountCut;
  } cases[] = {
      {"Branch Banking & Trust Company", "ABCDEFGHIJKLM,1234567890123,12345678901.50,", false},
      {"Chase - CSV Format",
       "I,ABCDEFGHIJKLMNOPQ,1234567890,,12345678901," + payee.substr(0, 40) + ",", true},
      {"JP Morgan - PWS Delimited/CSV",
       ",ABCDEFGHIJKLMNOPQ,1234567890,,12345678901,I,," + payee.substr(0, 40) + ",", true},
      {"PNC Bank of Illinois", "ABCDEFGHIJ,1234567890,12345678901,,," + payee.substr(0, 50) + ",,I",
       true},
      {"Citizens Bank - MI/OH/WI",
       "I,1234567890,072400528,ABCDEFGHIJ,12345678901.50,," + payee.substr(0, 30) + ",A,C", false},
      {"American Bank - MD",
       "ABCDEFGHIJKLMNOPQRS,,123456789,12345678901," + payee.substr(0, 40) + ",,R,A", true},
      {"Eastern Bank", "ABCDEFGHIJK,12345678901,1234567890,,I," + payee.substr(0, 30), true},
      {"Jonah Bank of Wyoming", ",1234567890,12345678901.50," + payee.substr(0, 42) + ",I", false},
  };
  for (const Case& c : cases) {
    WriterFixture fixture(
        {{.number = "12345678901234", .date = "", .amount = "-12345678901.50", .name = payee}});
    fixture.inputs.accountId = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    TempFolder folder;
    WriterResult result = writeFormat(c.bank, fixture, folder);
    EXPECT_TRUE(fileHoldsLines(fixture.inputs.fileName, {c.line})) << c.bank;
    std::vector<std::string> warnings{
        "Warning: check 12345678901234: unreadable date, written blank"};
    if (c.amountCut) {
      warnings.push_back("Warning: check 12345678901234: amount too long for its field");
    }
    EXPECT_EQ(result.warnings, warnings) << c.bank;
  }
}

}  // namespace
}  // namespace ppexport

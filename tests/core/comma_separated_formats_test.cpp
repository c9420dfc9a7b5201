#include <gtest/gtest.h>

#include "formats/bank_formats.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::GoldenFile;

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

// One line per check, each with the payee cleaner of its bank.
TEST(CommaSeparatedFormats, goldenFiles) {
  const WriterInputs ids{
      .bankId = "BANK", .accountId = "987654", .remoteId = "REMOTE", .batchId = "BATCH"};
  const GoldenFile cases[] = {
      // Uncleared checks only and no void handling: the cleared void is left out and the
      // uncleared one shows its register amount.
      {writeBranchBankingAndTrust, ids, 2,
       {"987654,1234,1234.50,030524", "987654,1236,0.00,030724"}},
      {writeChaseCsv, ids, 3,
       {"I,987654,1234,030524,1234.50,ACME SUPPLY,",
        "C,987654,1235,030624,75.25,O'BRIEN & SONS INC. #2 CAF\xC9,",
        "C,987654,1236,030724,0.00,BOLT & NUT,"}},
      {writeJpMorganCsv, ids, 3,
       {",987654,1234,030524,1234.50,I,,ACME SUPPLY,",
        ",987654,1235,030624,75.25,V,,O'BRIEN & SONS INC. #2 CAF\xC9,",
        ",987654,1236,030724,0.00,V,,BOLT & NUT,"}},
      {writePncBankOfIllinois, ids, 3,
       {"987654,1234,1234.50,03/05/2024,,ACME SUPPLY,,I",
        "987654,1235,75.25,03/06/2024,,O'BRIEN & SONS INC. #2 CAF\xC9,,V",
        "987654,1236,0.00,03/07/2024,,BOLT & NUT,,V"}},
      {writeCitizensBank, ids, 3,
       {"I,1234,072400528,987654,1234.50,03052024,ACME SUPPLY,A,C",
        "V,1235,072400528,987654,75.25,03062024,O'BRIEN & SONS INC. #2 CAF\xC9,A,C",
        "V,1236,072400528,987654,0.00,03072024,BOLT & NUT,A,C"}},
      {writeAmericanBank, ids, 3,
       {"987654,03052024,1234,1234.50,Acme Supply,,R,A",
        "987654,03062024,1235,75.25,OBrien  Sons Inc 2 Caf,,V,A",
        "987654,03072024,1236,0.00,Bolt  Nut,,V,A"}},
      {writeEasternBank, ids, 3,
       {"987654,1234,1234.50,03/05/2024,I,ACME SUPPLY",
        "987654,1235,75.25,03/06/2024,V,OBRIEN  SONS INC 2 CAF",
        "987654,1236,0.00,03/07/2024,V,BOLT  NUT"}},
      {writeJonahBank, ids, 3,
       {"03/05/2024,1234,1234.50,ACME SUPPLY,I", "03/06/2024,1235,75.25,OBRIEN  SONS INC  CAF,V",
        "03/07/2024,1236,0.00,BOLT  NUT,V"}},
  };
  for (const GoldenFile& c : cases) EXPECT_TRUE(testing::writesGoldenFiles(register_, c));
}

TEST(CommaSeparatedFormats, longValuesAreCutWithoutFillAndACutAmountIsWarned) {
  const std::string payee(60, 'P');
  struct Case {
    FormatWriter writer;
    std::string line;
    bool amountCut;
  } cases[] = {
      {writeBranchBankingAndTrust, "ABCDEFGHIJKLM,1234567890123,12345678901.50,", false},
      {writeChaseCsv, "I,ABCDEFGHIJKLMNOPQ,1234567890,,12345678901," + payee.substr(0, 40) + ",",
       true},
      {writeJpMorganCsv,
       ",ABCDEFGHIJKLMNOPQ,1234567890,,12345678901,I,," + payee.substr(0, 40) + ",", true},
      {writePncBankOfIllinois,
       "ABCDEFGHIJ,1234567890,12345678901,,," + payee.substr(0, 50) + ",,I", true},
      {writeCitizensBank,
       "I,1234567890,072400528,ABCDEFGHIJ,12345678901.50,," + payee.substr(0, 30) + ",A,C", false},
      {writeAmericanBank,
       "ABCDEFGHIJKLMNOPQRS,,123456789,12345678901," + payee.substr(0, 40) + ",,R,A", true},
      {writeEasternBank, "ABCDEFGHIJK,12345678901,1234567890,,I," + payee.substr(0, 30), true},
      {writeJonahBank, ",1234567890,12345678901.50," + payee.substr(0, 42) + ",I", false},
  };
  const std::vector<Check> check{
      {.number = "12345678901234", .date = "", .amount = "-12345678901.50", .name = payee}};
  for (const Case& c : cases) {
    auto file =
        testing::writeBankFile(c.writer, check, {.accountId = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"});
    EXPECT_EQ(file.lines, std::vector<std::string>{c.line});
    std::vector<std::string> warnings{
        "Warning: check 12345678901234: unreadable date, written blank"};
    if (c.amountCut) {
      warnings.push_back("Warning: check 12345678901234: amount too long for its field");
    }
    EXPECT_EQ(file.result.warnings, warnings) << c.line;
  }
}

}  // namespace
}  // namespace ppexport

#include <gtest/gtest.h>

#include "formats/bank_formats.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::GoldenFile;
using testing::sp;
using testing::writeBankFile;
using testing::writesGoldenFiles;

// An issued check, a void with its amount in the memo, a void without one, a cleared check and a
// deposit; the last two never qualify.
const std::vector<Check> register_ = {
    {.number = "1234", .date = "03/05/2024", .amount = "-1,500.00", .name = "Acme, Inc."},
    {.number = "1235", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "Bolt & Nut", .description = "VOID: 125.50 wrong payee"},
    {.number = "1236", .cleared = "Cleared", .amount = "0", .name = "Cole", .description = "VOID"},
    {.number = "1237", .cleared = "Cleared", .amount = "-20.00", .name = "Cleared Co"},
    {.number = "", .amount = "900.00", .description = "Deposit"},
};

// The ARP formats: the three transaction codes, the trailer total leaving out the voids.
TEST(WellsFargoArp, goldenFiles) {
  const WriterInputs shortBankId{.bankId = "123", .accountId = "987654", .remoteId = "abc12"};
  const GoldenFile cases[] = {
      {writeWellsFargoArpCsv, {.bankId = "1234", .accountId = "987654", .remoteId = "abc12"}, 3,
       {"1234,987654,1234,03-05-2024,1500.00,320,Acme Inc.",
        "1234,987654,1235,03-06-2024,125.50,370,Bolt & Nut",
        "1234,987654,1236,03-05-2024,0.00,430,Cole"}},
      {writeWellsFargoArpStandard,
       {.bankId = "121000248", .accountId = "987654", .remoteId = "abc12"}, 3,
       {"$$ADD abc12   BID='ABC12" + sp(19) + "'", "*0300248000000000987654" "0",
        "0000001234030524987654    3200000150000Acme, Inc." + sp(31),
        "0000001235030624987654    3700000012550Bolt & Nut" + sp(31),
        "0000001236030524987654    4300000000000Cole" + sp(37),
        "&" + sp(14) + "00003" + sp(3) + "0000150000" + sp(47)},
       {"$$ADD abc12   BID='ABC12" + sp(19) + "'", "*0300248000000000987654" "0",
        "&" + sp(14) + "00000" + sp(3) + "0000000000" + sp(47)}},
      {writeWellsFargoArpInboundEnhanced, shortBankId, 3,
       {"*0300123000000000987654" "0" + sp(61),
        "0000001234030524000000000987654" "3200000150000Acme, Inc." + sp(31),
        "0000001235030624000000000987654" "3700000012550Bolt & Nut" + sp(31),
        "0000001236030524000000000987654" "4300000000000Cole" + sp(37),
        "&" + sp(14) + "0000003" + sp(3) + "0000000150000" + sp(47)},
       {"*0300123000000000987654" "0" + sp(61),
        "&" + sp(14) + "0000000" + sp(3) + "0000000000000" + sp(47)}},
  };
  for (const GoldenFile& c : cases) EXPECT_TRUE(writesGoldenFiles(register_, c));

  // A three-digit bank ID stands unfilled in the Standard second header, which is then shorter.
  EXPECT_EQ(writeBankFile(writeWellsFargoArpStandard, register_, shortBankId).lines.at(1),
            "*03123000000000987654" "0");
}

TEST(WellsFargoArpCsv, fieldsCutToTheirWidthsAndALongAmountWarned) {
  const std::vector<Check> check{
      {.number = "12345678901", .amount = "-123456789.12", .name = "A,B,C"}};
  const WriterInputs ids{.bankId = "12345678901234", .accountId = std::string(30, '9') + "12345"};
  auto file = writeBankFile(writeWellsFargoArpCsv, check, ids);
  EXPECT_EQ(file.lines, std::vector<std::string>{"1234567890123," + std::string(30, '9') +
                                                 "1234,1234567890,03-05-2024,123456789.1,320,ABC"});
  EXPECT_EQ(file.result.warnings,
            std::vector<std::string>{"Warning: check 12345678901: amount too long for its field"});
}

// ARP chooses cancel or void by the amount in cents, the CSV format by the void amount itself.
TEST(WellsFargoArp, aVoidAmountBelowACentIsAPlainVoid) {
  const std::vector<Check> check{
      {.number = "7", .amount = "0", .name = "Z", .description = "VOID: 0.004"}};
  const WriterInputs ids{.accountId = "987654"};
  EXPECT_EQ(writeBankFile(writeWellsFargoArpInboundEnhanced, check, ids).lines.at(1).substr(31, 13),
            "4300000000000");
  EXPECT_EQ(writeBankFile(writeWellsFargoArpCsv, check, ids).lines,
            std::vector<std::string>{",987654,7,03-05-2024,0.00,370,Z"});
}

// An issued check, a cleared void with its amount in the memo and a cleared check.
const std::vector<Check> asciiRegister = {
    register_[0], register_[1], {.number = "1236", .cleared = "Cleared", .amount = "-20.00"}};

// A header with the count and the issued total, then 150-character details.
TEST(WellsFargoAsciiAndWachovia, goldenFiles) {
  const WriterInputs ids{.accountId = "987654", .bankCode = "0001 - NC"};
  const std::string header = "RECONCILIATIONHEADER0001" "0000000987654";
  const std::string details = "0000000987654" "0000001234" "0000150000" "20240305" " ";
  const std::string voids = "0000000987654" "0000001235" "0000012550" "20240306" "V";
  const GoldenFile cases[] = {
      // Upper-case payee at position 81.
      {writeWellsFargoAscii, ids, 2,
       {header + "000000150000" "00002" + sp(96), details + sp(38) + "ACME, INC." + sp(60),
        voids + sp(38) + "BOLT & NUT" + sp(60)},
       {header + std::string(17, '0') + sp(96)}},
      // The payee twice, as returned.
      {writeWachovia, ids, 2,
       {header + "000000150000" "00002" + sp(96),
        details + "Acme, Inc." + sp(28) + "Acme, Inc." + sp(60),
        voids + "Bolt & Nut" + sp(28) + "Bolt & Nut" + sp(60)},
       {header + std::string(17, '0') + sp(96)}},
  };
  for (const GoldenFile& c : cases) EXPECT_TRUE(writesGoldenFiles(asciiRegister, c));
}

TEST(WellsFargoAsciiAndWachovia, aShortBankCodeIsFilledBySpacesOrByZeros) {
  const WriterInputs ids{.accountId = "987654", .bankCode = "12"};
  EXPECT_EQ(writeBankFile(writeWellsFargoAscii, asciiRegister, ids).lines.at(0).substr(0, 24),
            "RECONCILIATIONHEADER12  ");
  EXPECT_EQ(writeBankFile(writeWachovia, asciiRegister, ids).lines.at(0).substr(0, 24),
            "RECONCILIATIONHEADER1200");
}

}  // namespace
}  // namespace ppexport

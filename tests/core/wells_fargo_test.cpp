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

std::string sp(std::size_t count) { return std::string(count, ' '); }

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

// Writes the file with the identifiers of the examples and returns the result.
WriterResult write(FormatWriter writer, WriterFixture& fixture, const TempFolder& folder) {
  fixture.inputs.fileName = folder.file("wf.txt");
  fixture.inputs.remoteId = "abc12";
  fixture.inputs.accountId = "987654";
  return writer(fixture.inputs);
}

TEST(WellsFargoArpCsv, sevenFieldsWithTheThreeTransactionCodes) {
  WriterFixture fixture(register_);
  TempFolder folder;
  fixture.inputs.bankId = "1234";
  EXPECT_EQ(write(writeWellsFargoArpCsv, fixture, folder).count, 3);
  EXPECT_TRUE(fileHoldsLines(fixture.inputs.fileName,
                             {"1234,987654,1234,03-05-2024,1500.00,320,Acme Inc.",
                              "1234,987654,1235,03-06-2024,125.50,370,Bolt & Nut",
                              "1234,987654,1236,03-05-2024,0.00,430,Cole"}));
}

TEST(WellsFargoArpCsv, fieldsCutToTheirWidthsAndALongAmountWarned) {
  WriterFixture fixture({{.number = "12345678901", .amount = "-123456789.12", .name = "A,B,C"}});
  TempFolder folder;
  fixture.inputs.fileName = folder.file("wf.csv");
  fixture.inputs.bankId = "12345678901234";
  fixture.inputs.accountId = std::string(30, '9') + "12345";
  WriterResult result = writeWellsFargoArpCsv(fixture.inputs);
  EXPECT_TRUE(fileHoldsLines(
      fixture.inputs.fileName,
      {"1234567890123," + std::string(30, '9') + "1234,1234567890,03-05-2024,123456789.1,320,ABC"}));
  EXPECT_EQ(result.warnings,
            std::vector<std::string>{"Warning: check 12345678901: amount too long for its field"});
}

TEST(WellsFargoArpStandard, twoHeadersDetailsAndTrailer) {
  WriterFixture fixture(register_);
  TempFolder folder;
  fixture.inputs.bankId = "121000248";
  EXPECT_EQ(write(writeWellsFargoArpStandard, fixture, folder).count, 3);
  const std::vector<std::string> lines = {
      "$$ADD abc12   BID='ABC12" + sp(19) + "'",
      "*0300248000000000987654" "0",
      "0000001234030524987654    3200000150000Acme, Inc." + sp(31),
      "0000001235030624987654    3700000012550Bolt & Nut" + sp(31),
      "0000001236030524987654    4300000000000Cole" + sp(37),
      "&" + sp(14) + "00003" + sp(3) + "0000150000" + sp(47)};
  EXPECT_TRUE(fileHoldsLines(fixture.inputs.fileName, lines));
  const std::vector<std::size_t> lengths = {44, 24, 80, 80, 80, 80};
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].size(), lengths[i]) << i;
}

TEST(WellsFargoArpInboundEnhanced, zeroFilledBankAndAccountAndLongerTrailer) {
  WriterFixture fixture(register_);
  TempFolder folder;
  fixture.inputs.bankId = "123";
  EXPECT_EQ(write(writeWellsFargoArpInboundEnhanced, fixture, folder).count, 3);
  EXPECT_TRUE(fileHoldsLines(
      fixture.inputs.fileName,
      {"*0300123000000000987654" "0" + sp(61),
       "0000001234030524000000000987654" "3200000150000Acme, Inc." + sp(31),
       "0000001235030624000000000987654" "3700000012550Bolt & Nut" + sp(31),
       "0000001236030524000000000987654" "4300000000000Cole" + sp(37),
       "&" + sp(14) + "0000003" + sp(3) + "0000000150000" + sp(47)}));
  EXPECT_TRUE(testing::everyLineIsLong(fixture.inputs.fileName, 85));
}

// ARP chooses cancel or void by the amount in cents, the CSV format by the void amount itself.
TEST(WellsFargoArp, aVoidAmountBelowACentIsAPlainVoid) {
  WriterFixture fixture({{.number = "7", .amount = "0", .name = "Z", .description = "VOID: 0.004"}});
  TempFolder folder;
  write(writeWellsFargoArpInboundEnhanced, fixture, folder);
  EXPECT_EQ(testing::fileLines(testing::readBytes(fixture.inputs.fileName))[1].substr(31, 13),
            "4300000000000");
  writeWellsFargoArpCsv(fixture.inputs);
  EXPECT_TRUE(fileHoldsLines(fixture.inputs.fileName, {",987654,7,03-05-2024,0.00,370,Z"}));
}

TEST(WellsFargoArp, aMissingHeadingLeavesHeadersAndAZeroTrailer) {
  WriterFixture fixture({});
  fixture.checks = testing::reportTable(
      {{"Document Number", "Name", "Date", "Name Type", "Amount", "Cleared", "Description"},
       {"1001", "x", "03/05/2024", "Vendor", "-1", "Uncleared", ""}});
  TempFolder folder;
  fixture.inputs.bankId = "123";
  const struct {
    FormatWriter writer;
    std::vector<std::string> lines;
  } cases[] = {
      {writeWellsFargoArpCsv, {}},
      {writeWellsFargoArpStandard,
       {"$$ADD abc12   BID='ABC12" + sp(19) + "'", "*03123000000000987654" "0",
        "&" + sp(14) + "00000" + sp(3) + "0000000000" + sp(47)}},
      {writeWellsFargoArpInboundEnhanced,
       {"*0300123000000000987654" "0" + sp(61),
        "&" + sp(14) + "0000000" + sp(3) + "0000000000000" + sp(47)}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(write(c.writer, fixture, folder).count, 0);
    EXPECT_TRUE(fileHoldsLines(fixture.inputs.fileName, c.lines));
  }
}

}  // namespace
}  // namespace ppexport

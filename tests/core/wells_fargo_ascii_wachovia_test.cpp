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

const std::vector<Check> register_ = {
    {.number = "1234", .date = "03/05/2024", .amount = "-1,500.00", .name = "Acme, Inc."},
    {.number = "1235", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "Bolt & Nut", .description = "VOID: 125.50 wrong payee"},
    {.number = "1236", .cleared = "Cleared", .amount = "-20.00", .name = "Cleared Co"},
};

const std::string header = "RECONCILIATIONHEADER0001" "0000000987654" "000000150000" "00002" + sp(96);

WriterResult write(FormatWriter writer, WriterFixture& fixture, const TempFolder& folder) {
  fixture.inputs.fileName = folder.file("bank.txt");
  fixture.inputs.accountId = "987654";
  return writer(fixture.inputs);
}

TEST(WellsFargoAscii, headerWithTotalsThenUpperCasePayeeAtEighty) {
  WriterFixture fixture(register_);
  TempFolder folder;
  fixture.inputs.bankCode = "0001 - NC";
  EXPECT_EQ(write(writeWellsFargoAscii, fixture, folder).count, 2);
  EXPECT_TRUE(fileHoldsLines(
      fixture.inputs.fileName,
      {header,
       "0000000987654" "0000001234" "0000150000" "20240305" " " + sp(38) + "ACME, INC." + sp(60),
       "0000000987654" "0000001235" "0000012550" "20240306" "V" + sp(38) + "BOLT & NUT" + sp(60)}));
  EXPECT_TRUE(testing::everyLineIsLong(fixture.inputs.fileName, 150));
}

TEST(Wachovia, payeeTwiceAsReturned) {
  WriterFixture fixture(register_);
  TempFolder folder;
  fixture.inputs.bankCode = "0001 - NC";
  EXPECT_EQ(write(writeWachovia, fixture, folder).count, 2);
  EXPECT_TRUE(fileHoldsLines(
      fixture.inputs.fileName,
      {header,
       "0000000987654" "0000001234" "0000150000" "20240305" " " "Acme, Inc." + sp(28) +
           "Acme, Inc." + sp(60),
       "0000000987654" "0000001235" "0000012550" "20240306" "V" "Bolt & Nut" + sp(28) +
           "Bolt & Nut" + sp(60)}));
  EXPECT_TRUE(testing::everyLineIsLong(fixture.inputs.fileName, 150));
}

TEST(WellsFargoAsciiAndWachovia, shortBankCodeFillAndMissingHeadingGiveTheHeaderAlone) {
  WriterFixture fixture({});
  fixture.checks = testing::reportTable(
      {{"Document Number", "Name", "Date", "Name Type", "Amount", "Cleared", "Description"},
       {"1001", "x", "03/05/2024", "Vendor", "-1", "Uncleared", ""}});
  TempFolder folder;
  fixture.inputs.bankCode = "12";
  const std::string zeros = "0000000987654" + std::string(12 + 5, '0') + sp(96);
  const struct {
    FormatWriter writer;
    std::string header;
  } cases[] = {
      {writeWellsFargoAscii, "RECONCILIATIONHEADER12  " + zeros},
      {writeWachovia, "RECONCILIATIONHEADER1200" + zeros},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(write(c.writer, fixture, folder).count, 0);
    EXPECT_TRUE(fileHoldsLines(fixture.inputs.fileName, {c.header}));
  }
}

}  // namespace
}  // namespace ppexport

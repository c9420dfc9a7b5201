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

// Two issued checks, a void with its amount in the memo and a void without one.
const std::vector<Check> register_ = {
    {.number = "1234", .date = "03/05/2024", .amount = "-1,500.00", .name = "Acme, Inc.",
     .more = {{"Bill 2", "100 Main St"}, {"Bill 3", "Springfield IL 62701"}}},
    {.number = "1235", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "Bolt & Nut", .description = "VOID: 125.50 wrong payee"},
    {.number = "1236", .cleared = "Cleared", .amount = "0", .name = "Cole", .description = "VOID"},
    {.number = "1237", .date = "03/07/2024", .amount = "-0.375", .name = "Dee"},
};

struct Written {
  WriterResult result;
  std::string path;
};

Written write(FormatWriter writer, WriterFixture& fixture, const TempFolder& folder) {
  fixture.inputs.fileName = folder.file("bank.txt");
  fixture.inputs.accountId = "987654";
  fixture.inputs.remoteId = "Acme Holdings";
  fixture.inputs.bankCode = "001 - NYB - New York Metro";
  return {writer(fixture.inputs), fixture.inputs.fileName};
}

TEST(CitibankStandard, countsIssuedChecksOnlyWhileVoidsStandInTheFile) {
  WriterFixture fixture(register_);
  TempFolder folder;
  Written file = write(writeCitibankStandard, fixture, folder);
  EXPECT_EQ(file.result.count, 2);
  EXPECT_TRUE(fileHoldsLines(
      file.path, {"HAcme Holdings" + sp(17) + "20261205" + sp(41),
                  "D0010000987654" + sp(8) + "00000012340000150000" "20240305" "Acme, Inc." + sp(20),
                  "D0010000987654" + sp(7) + "V00000012350000012550" "20240306" "Bolt & Nut" + sp(20),
                  "D0010000987654" + sp(7) + "V00000012360000000000" "20240305" "Cole" + sp(26),
                  "D0010000987654" + sp(8) + "00000012370000000038" "20240307" "Dee" + sp(27),
                  "T0010000987654" + sp(8) + "0000000002" "0000150038" + sp(38)}));
  EXPECT_TRUE(testing::everyLineIsLong(file.path, 80));

  // The bank code stands unfilled: a short one makes the records shorter.
  fixture.inputs.bankCode = "12";
  writeCitibankStandard(fixture.inputs);
  const std::vector<std::string> lines = testing::fileLines(testing::readBytes(file.path));
  EXPECT_EQ(lines[1].substr(0, 13), "D120000987654");
  EXPECT_EQ(lines[1].size(), 79u);
  EXPECT_EQ(lines.back().size(), 79u);
}

TEST(Hsbc, issuedAndVoidTrailersAndTheSumOfTheirCounts) {
  WriterFixture fixture(register_);
  TempFolder folder;
  Written file = write(writeHsbc, fixture, folder);
  EXPECT_EQ(file.result.count, 4);
  const std::string account = "987654" + sp(7);
  EXPECT_TRUE(fileHoldsLines(
      file.path,
      {account + "00000012340000150000" "03052024" " " "Acme, Inc." + sp(40 + 208),
       account + "00000012350000012550" "03062024" "V" "Bolt & Nut" + sp(40 + 208),
       account + "00000012360000000000" "03052024" "V" "Cole" + sp(46 + 208),
       account + "00000012370000000038" "03072024" " " "Dee" + sp(47 + 208),
       "T" + account + sp(5) + "0000000002" + sp(5) + "000000150038" + sp(254),
       "T" + account + sp(5) + "0000000002" + sp(5) + "000000012550" "VOIDS" + sp(249)}));
  EXPECT_TRUE(testing::everyLineIsLong(file.path, 300));
}

TEST(ComericaBank, trailerCarriesTodayAndTheIssuedTotal) {
  WriterFixture fixture(register_);
  TempFolder folder;
  Written file = write(writeComericaBank, fixture, folder);
  EXPECT_EQ(file.result.count, 4);
  EXPECT_TRUE(fileHoldsLines(
      file.path, {" 0000987654 030524 0000001234 0000150000" + sp(17) + "Acme, Inc." + sp(90),
                  "V0000987654 030624 0000001235 0000012550" + sp(17) + "Bolt & Nut" + sp(90),
                  "V0000987654 030524 0000001236 0000000000" + sp(17) + "Cole" + sp(96),
                  " 0000987654 030724 0000001237 0000000038" + sp(17) + "Dee" + sp(97),
                  "T0000987654 120526 0000000004 0000150038" + sp(117)}));
  EXPECT_TRUE(testing::everyLineIsLong(file.path, 157));
}

TEST(WebsterBank, voidMarkedTwoAndTheAddressLines) {
  WriterFixture fixture(register_);
  TempFolder folder;
  Written file = write(writeWebsterBank, fixture, folder);
  EXPECT_EQ(file.result.count, 4);
  EXPECT_TRUE(fileHoldsLines(
      file.path,
      {"00009876540000001234 000000150000030524Acme, Inc." + sp(40) + "100 Main St" + sp(39) +
           "Springfield IL 62701" + sp(30),
       "000098765400000012352000000012550030624Bolt & Nut" + sp(40 + 100),
       "000098765400000012362000000000000030524Cole" + sp(46 + 100),
       "00009876540000001237 000000000038030724Dee" + sp(47 + 100)}));
  EXPECT_TRUE(testing::everyLineIsLong(file.path, 189));
}

TEST(WebsterBank, aMissingAddressColumnGivesBlanks) {
  WriterFixture fixture({{.number = "1", .name = "Eve", .more = {{"Bill 3", "Town"}}}});
  TempFolder folder;
  Written file = write(writeWebsterBank, fixture, folder);
  EXPECT_TRUE(fileHoldsLines(
      file.path, {"00009876540000000001 000000010000030524Eve" + sp(47 + 50) + "Town" + sp(46)}));
}

TEST(CitibankHsbcComericaWebster, aMissingHeadingLeavesOnlyHeaderAndTrailers) {
  WriterFixture fixture({});
  fixture.checks = testing::reportTable(
      {{"Document Number", "Name", "Date", "Name Type", "Amount", "Cleared", "Description"},
       {"1001", "x", "03/05/2024", "Vendor", "-1", "Uncleared", ""}});
  TempFolder folder;
  const std::string hsbcTrailer = "T987654" + sp(12) + std::string(10, '0') + sp(5) +
                                  std::string(12, '0');
  const struct {
    FormatWriter writer;
    std::vector<std::string> lines;
  } cases[] = {
      {writeCitibankStandard,
       {"HAcme Holdings" + sp(17) + "20261205" + sp(41),
        "T0010000987654" + sp(8) + std::string(20, '0') + sp(38)}},
      {writeHsbc, {hsbcTrailer + sp(254), hsbcTrailer + "VOIDS" + sp(249)}},
      {writeComericaBank, {"T0000987654 120526 0000000000 0000000000" + sp(117)}},
      {writeWebsterBank, {}},
  };
  for (const auto& c : cases) {
    Written file = write(c.writer, fixture, folder);
    EXPECT_EQ(file.result.count, 0);
    EXPECT_TRUE(fileHoldsLines(file.path, c.lines));
  }
}

}  // namespace
}  // namespace ppexport

#include <gtest/gtest.h>

#include "formats/bank_formats.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::linesAreLong;
using testing::WriterFixture;
using testing::writeBankFile;

std::string sp(std::size_t count) { return std::string(count, ' '); }

// An uncleared check, a cleared void with its amount in the memo, and a cleared check.
const std::vector<Check> register_ = {
    {.number = "1001", .date = "03/05/2024", .amount = "-1,500.00", .name = "Acme Supply"},
    {.number = "1002", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "Bolt & Nut", .description = "VOID: 25.00"},
    {.number = "1003", .cleared = "Cleared", .amount = "-20.00", .name = "Cleared Co"},
};

// A report whose heading row lacks "Bill 1".
void dropBill1(WriterFixture& fixture) {
  fixture.checks = testing::reportTable(
      {{"Document Number", "Name", "Date", "Name Type", "Amount", "Cleared", "Description"},
       {"1001", "Acme", "03/05/2024", "Vendor", "-1", "Uncleared", ""}});
}

TEST(BankOfAmerica, remoteIdHeaderAndDetails) {
  WriterFixture fixture(register_);
  fixture.inputs.accountId = "987654";
  fixture.inputs.remoteId = std::string(100, 'R');
  auto file = writeBankFile(writeBankOfAmerica, fixture);
  EXPECT_EQ(file.result.count, 2);
  EXPECT_EQ(file.lines, (std::vector<std::string>{
                            std::string(91, 'R'),
                            "000000987654   0000001001000000150000" "03052024 Acme Supply" + sp(34),
                            "0000009876542  0000001002000000002500" "03062024 Bolt & Nut" +
                                sp(35)}));
  EXPECT_TRUE(linesAreLong(file.lines, 91));

  dropBill1(fixture);
  fixture.inputs.remoteId = "HDR";
  file = writeBankFile(writeBankOfAmerica, fixture);
  EXPECT_EQ(file.result.count, 0);
  EXPECT_EQ(file.lines, std::vector<std::string>{"HDR" + sp(88)});
}

TEST(BankOfAmericaSms, headerWithTodayAndDetails) {
  WriterFixture fixture(register_, {{"Full Name", "Print on Checks"}, {"Acme Supply", "Abc"}});
  fixture.inputs.accountId = "987654";
  auto file = writeBankFile(writeBankOfAmericaSms, fixture);
  EXPECT_EQ(file.result.count, 2);
  EXPECT_EQ(file.lines, (std::vector<std::string>{
                            "000000987654H" + sp(22) + "12052026" + sp(67),
                            "000000987654O0000001001000000150000" "03052024 Abc" + sp(47 + 16),
                            "000000987654V0000001002000000002500" "03062024 Bolt & Nut" + sp(56)}));
  EXPECT_TRUE(linesAreLong(file.lines, 110));

  dropBill1(fixture);
  file = writeBankFile(writeBankOfAmericaSms, fixture);
  EXPECT_EQ(file.lines, std::vector<std::string>{"000000987654H" + sp(22) + "12052026" + sp(67)});
}

TEST(BankOfAmericaDrs, voidsAddTheirVoidAmountToTheTrailerTotals) {
  WriterFixture fixture(register_);
  fixture.inputs.accountId = "987654";
  fixture.inputs.batchId = "7";
  auto file = writeBankFile(writeBankOfAmericaDrs, fixture);
  EXPECT_EQ(file.result.count, 2);
  const std::string header = "DRX007000000987654" "20261205" + sp(9) + "N" + sp(44);
  EXPECT_EQ(file.lines, (std::vector<std::string>{
                            header,
                            "000000100100001500000000987654030524 Acme Supply" + sp(32),
                            "000000100200000025000000987654030624-Bolt & Nut" + sp(33),
                            "1EOF 00002" + sp(20) + "0000002003" "0000152500" + sp(30)}));
  EXPECT_TRUE(linesAreLong(file.lines, 80));

  dropBill1(fixture);
  file = writeBankFile(writeBankOfAmericaDrs, fixture);
  EXPECT_EQ(file.result.count, 0);
  EXPECT_EQ(file.lines, (std::vector<std::string>{
                            header, "1EOF 00000" + sp(20) + "0000000000" "0000000000" + sp(30)}));
}

TEST(BankOfAmericaDrs, checkNumberTotalKeepsItsLastTenDigits) {
  struct Case {
    std::vector<std::string> numbers;
    std::string trailerTotals;  // positions 31-50
  } cases[] = {
      {{"9999999999", "2"}, "0000000001" "0000000200"},
      {{"1001.5", "1002.5"}, "0000002004" "0000000200"},  // each rounded half to even
  };
  for (const Case& c : cases) {
    std::vector<Check> checks;
    for (const std::string& number : c.numbers) {
      checks.push_back({.number = number, .amount = "-1"});
    }
    WriterFixture fixture(checks);
    auto file = writeBankFile(writeBankOfAmericaDrs, fixture);
    EXPECT_EQ(file.lines.back().substr(30, 20), c.trailerTotals);
  }
}

}  // namespace
}  // namespace ppexport

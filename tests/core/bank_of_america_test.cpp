#include <gtest/gtest.h>

#include "formats/bank_formats.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::dropBill1;
using testing::linesAreLong;
using testing::sp;
using testing::WriterFixture;
using testing::writeBankFile;

// An uncleared check, a cleared void with its amount in the memo, and a cleared check.
const std::vector<Check> register_ = {
    {.number = "1001", .date = "03/05/2024", .amount = "-1,500.00", .name = "Acme Supply"},
    {.number = "1002", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "Bolt & Nut", .description = "VOID: 25.00"},
    {.number = "1003", .cleared = "Cleared", .amount = "-20.00", .name = "Cleared Co"},
};

TEST(BankOfAmerica, headerDetailsAndTrailerAlsoWhenAHeadingIsMissing) {
  const std::string header = "DRX007000000987654" "20261205" + sp(9) + "N" + sp(44);
  struct Case {
    FormatWriter writer;
    std::size_t length;
    std::vector<std::string> lines;
    std::vector<std::string> withoutBill1;
  } cases[] = {
      {writeBankOfAmerica, 91,
       {std::string(91, 'R'),  // the remote ID of 100 characters keeps its first 91
        "000000987654   0000001001000000150000" "03052024 Abc" + sp(42),
        "0000009876542  0000001002000000002500" "03062024 Bolt & Nut" + sp(35)},
       {std::string(91, 'R')}},
      {writeBankOfAmericaSms, 110,
       {"000000987654H" + sp(22) + "12052026" + sp(67),
        "000000987654O0000001001000000150000" "03052024 Abc" + sp(47 + 16),
        "000000987654V0000001002000000002500" "03062024 Bolt & Nut" + sp(40 + 16)},
       {"000000987654H" + sp(22) + "12052026" + sp(67)}},
      // The void adds its void amount to the amount total and its number to the number total.
      {writeBankOfAmericaDrs, 80,
       {header, "000000100100001500000000987654030524 Abc" + sp(40),
        "000000100200000025000000987654030624-Bolt & Nut" + sp(33),
        "1EOF 00002" + sp(20) + "0000002003" "0000152500" + sp(30)},
       {header, "1EOF 00000" + sp(20) + "0000000000" "0000000000" + sp(30)}},
  };
  for (const Case& c : cases) {
    WriterFixture fixture(register_, {{"Full Name", "Print on Checks"}, {"Acme Supply", "Abc"}});
    fixture.inputs.accountId = "987654";
    fixture.inputs.remoteId = std::string(100, 'R');
    fixture.inputs.batchId = "7";
    auto file = writeBankFile(c.writer, fixture);
    EXPECT_EQ(file.result.count, 2);
    EXPECT_EQ(file.lines, c.lines);
    EXPECT_TRUE(linesAreLong(file.lines, c.length));

    dropBill1(fixture);
    file = writeBankFile(c.writer, fixture);
    EXPECT_EQ(file.result.count, 0);
    EXPECT_EQ(file.lines, c.withoutBill1);
  }
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

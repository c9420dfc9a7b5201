#include <gtest/gtest.h>

#include "formats/bank_formats.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::GoldenFile;
using testing::sp;

// An uncleared check, a cleared void with its amount in the memo, and a cleared check.
const std::vector<Check> register_ = {
    {.number = "1001", .date = "03/05/2024", .amount = "-1,500.00", .name = "Acme Supply"},
    {.number = "1002", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "Bolt & Nut", .description = "VOID: 25.00"},
    {.number = "1003", .cleared = "Cleared", .amount = "-20.00", .name = "Cleared Co"},
};

TEST(BankOfAmerica, goldenFiles) {
  // The remote ID of 100 characters keeps its first 91.
  const WriterInputs ids{.accountId = "987654", .remoteId = std::string(100, 'R'), .batchId = "7"};
  const std::string smsHeader = "000000987654H" + sp(22) + "12052026" + sp(67);
  const std::string drsHeader = "DRX007000000987654" "20261205" + sp(9) + "N" + sp(44);
  const GoldenFile cases[] = {
      {writeBankOfAmerica, ids, 2,
       {std::string(91, 'R'), "000000987654   0000001001000000150000" "03052024 Abc" + sp(42),
        "0000009876542  0000001002000000002500" "03062024 Bolt & Nut" + sp(35)},
       {std::string(91, 'R')}},
      {writeBankOfAmericaSms, ids, 2,
       {smsHeader, "000000987654O0000001001000000150000" "03052024 Abc" + sp(47 + 16),
        "000000987654V0000001002000000002500" "03062024 Bolt & Nut" + sp(40 + 16)},
       {smsHeader}},
      // The void adds its void amount to the amount total and its number to the number total.
      {writeBankOfAmericaDrs, ids, 2,
       {drsHeader, "000000100100001500000000987654030524 Abc" + sp(40),
        "000000100200000025000000987654030624-Bolt & Nut" + sp(33),
        "1EOF 00002" + sp(20) + "0000002003" "0000152500" + sp(30)},
       {drsHeader, "1EOF 00000" + sp(20) + "0000000000" "0000000000" + sp(30)}},
  };
  for (const GoldenFile& c : cases) {
    EXPECT_TRUE(testing::writesGoldenFiles(
        register_, c, {{"Full Name", "Print on Checks"}, {"Acme Supply", "Abc"}}));
  }
}

TEST(BankOfAmericaDrs, checkNumberTotalKeepsItsLastTenDigits) {
  struct Case {
    std::vector<Check> checks;
    std::string trailerTotals;  // positions 31-50
  } cases[] = {
      {{{.number = "9999999999", .amount = "-1"}, {.number = "2", .amount = "-1"}},
       "0000000001" "0000000200"},
      // each rounded half to even
      {{{.number = "1001.5", .amount = "-1"}, {.number = "1002.5", .amount = "-1"}},
       "0000002004" "0000000200"},
  };
  for (const Case& c : cases) {
    const auto lines = testing::writeBankFile(writeBankOfAmericaDrs, c.checks, {}).lines;
    EXPECT_EQ(lines.at(3).substr(30, 20), c.trailerTotals);
  }
}

}  // namespace
}  // namespace ppexport

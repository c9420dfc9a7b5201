#include <gtest/gtest.h>

#include "formats/check_row.h"
#include "quickbooks/check_fields.h"
#include "support/reports.h"

namespace ppexport {
namespace {

using testing::reportTable;

TEST(ResolvePayee, aVendorListWithoutPrintOnChecksGivesTheName) {
  // The other cases are in tests/golden/text-cases.txt; a vendor list without the column.
  EXPECT_EQ(resolvePayee("Acme", "Vendor", "", VendorIndex(reportTable({{"Full Name"}, {"Acme"}}))),
            "Acme");
}

TEST(CheckRow, qualifyingRuleVoidFlagAndCents) {
  ReportTable table = testing::checkTable({
      {.number = "1001", .cleared = "Uncleared", .amount = "-1,234.50"},
      {.number = "1002", .cleared = "Cleared", .amount = "0.00",
       .description = "VOID: 50.00 wrong payee"},
      {.number = "1003", .cleared = "Cleared", .amount = "0.00", .description = "Void"},
      {.number = "1004", .cleared = "Uncleared", .amount = "-10.00", .description = "VOID: 10.00"},
      {.number = "EFT", .cleared = "Uncleared"},
      {.number = "", .cleared = "Uncleared"},
      {.number = "1005", .cleared = "uncleared"},
      {.number = "1006", .cleared = "Cleared", .amount = "-5.00"},
      {.number = "1007", .amount = "-0.125"},
      {.number = "1008", .amount = "-0.375"},
      {.number = "1009", .amount = "25.00"},
  });
  std::optional<CheckColumns> columns = CheckColumns::find(table);
  ASSERT_TRUE(columns);
  VendorIndex vendors;
  struct Expected {
    bool qualifies, isVoid;
    std::int64_t cents;
    CheckStatus status;
  } expected[] = {
      {true, false, 123450, CheckStatus::Issue}, {true, true, 5000, CheckStatus::Cancel},
      {true, true, 0, CheckStatus::Void},        {true, false, 1000, CheckStatus::Issue},
      {false, false, 10000, CheckStatus::Issue}, {false, false, 10000, CheckStatus::Issue},
      {false, false, 10000, CheckStatus::Issue}, {false, false, 500, CheckStatus::Issue},
      {true, false, 12, CheckStatus::Issue},     {true, false, 38, CheckStatus::Issue},
      {true, false, -2500, CheckStatus::Issue},
  };
  for (int row = 2; row <= table.rows(); ++row) {
    CheckRow check(table, *columns, vendors, row);
    const Expected& e = expected[row - 2];
    EXPECT_EQ(check.qualifies(Selection::UnclearedOrVoid), e.qualifies) << "row " << row;
    EXPECT_EQ(check.isVoid(), e.isVoid) << "row " << row;
    EXPECT_EQ(check.amountInCents(), e.cents) << "row " << row;
    EXPECT_EQ(check.status(), e.status) << "row " << row;
  }
  // A cleared void qualifies for the standard rule but not where only uncleared checks count.
  CheckRow clearedVoid(table, *columns, vendors, 3);
  EXPECT_FALSE(clearedVoid.qualifies(Selection::UnclearedOnly));
  EXPECT_TRUE(CheckRow(table, *columns, vendors, 9).qualifies(Selection::EveryNumberedCheck));
}

TEST(CheckColumns, allEightHeadingsAreNeeded) {
  EXPECT_FALSE(CheckColumns::find(reportTable({{"Document Number", "Name", "Date", "Name Type",
                                               "Amount", "Cleared", "Description"}})));
}

}  // namespace
}  // namespace ppexport

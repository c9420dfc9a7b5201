#include <gtest/gtest.h>

#include "formats/check_row.h"
#include "quickbooks/check_fields.h"
#include "support/case_file.h"
#include "support/reports.h"

namespace ppexport {
namespace {

using testing::reportTable;

TEST(ResolvePayee, aVendorListWithoutPrintOnChecksGivesTheName) {
  // The other cases are in tests/golden/text-cases.txt; a vendor list without the column.
  EXPECT_EQ(resolvePayee("Acme", "Vendor", "", VendorIndex(reportTable({{"Full Name"}, {"Acme"}}))),
            "Acme");
}

// The rows of tests/golden/check-row-cases.txt, each with what is expected of it beside it.
TEST(CheckRow, qualifyingRuleVoidFlagAndCents) {
  const ReportTable table = reportTable(testing::caseFile("check-row-cases.txt").tables.at("rows"));
  std::optional<CheckColumns> columns = CheckColumns::find(table);
  ASSERT_TRUE(columns);
  VendorIndex vendors;
  const auto expect = [&](int row, std::string_view heading) {
    for (int column = 1; column <= table.columns(); ++column) {
      if (table.cell(1, column) == "Expect " + std::string(heading)) {
        return std::string(table.cell(row, column));
      }
    }
    return std::string("<no column>");
  };
  const char* statuses[] = {"Issue", "Void", "Cancel"};
  for (int row = 2; row <= table.rows(); ++row) {
    CheckRow check(table, *columns, vendors, row);
    EXPECT_EQ(check.qualifies(Selection::UnclearedOrVoid) ? "yes" : "no", expect(row, "Qualifies"))
        << "row " << row;
    EXPECT_EQ(check.isVoid() ? "yes" : "no", expect(row, "Void")) << "row " << row;
    EXPECT_EQ(std::to_string(check.amountInCents()), expect(row, "Cents")) << "row " << row;
    EXPECT_EQ(statuses[static_cast<int>(check.status())], expect(row, "Status")) << "row " << row;
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

// The account list: active bank accounts from the chart of accounts, or the window's message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quickbooks/account_list.h"
#include "quickbooks/company_connection.h"
#include "quickbooks/export_errors.h"
#include "support/fake_quickbooks.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::TempFolder;
using testing::writeBytes;

std::string chart(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

TEST(GetAccountList, asksForTheChartAndTakesActiveBankAccountsInItsOrder) {
  struct Case {
    const char* what;
    std::string report;
    std::vector<std::string> accounts;
  };
  const Case cases[] = {
      {"the chart of the example",
       chart({"Account\x01Type\x01" "Active", "Checking\x01" "Bank\x01True",
              "Old Checking\x01" "Bank\x01" "False", "Savings\x01" "Bank\x01True",
              "Owner Draw\x01" "Equity\x01True", "Petty\x01" "bank\x01True",
              "Cash\x01" "Bank\x01true"}),
       {"Checking", "Savings"}},
      {"columns found by heading, duplicates kept",
       chart({"Name\x01 active \x01 TYPE ", "Checking\x01True\x01" "Bank",
              "Checking\x01True\x01" "Bank"}),
       {"Checking", "Checking"}},
      {"no Active column", chart({"Account\x01Type", "Checking\x01" "Bank"}), {}},
      {"an empty report", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder temp;
    testing::FakeQuickBooks connection;
    connection.reports["qbCOA"] = c.report;
    const AccountList list = getAccountList(connection, temp.path().string());
    EXPECT_EQ(list.accounts, c.accounts);
    EXPECT_EQ(list.exportResult, "Success");
    EXPECT_EQ(list.errorMessage, "");
    // The chart of accounts, into checks.txt, with the fixed dates and no options.
    EXPECT_EQ(connection.requests.at(0).reportName, "qbCOA");
    EXPECT_EQ(connection.requests.at(0).outputPath, temp.file("checks.txt"));
    EXPECT_EQ(connection.requests.at(0).delimiter, "\x01");
    EXPECT_EQ(connection.requests.at(0).from, (Date{2010, 1, 1}));
    EXPECT_EQ(connection.requests.at(0).to, (Date{2010, 1, 1}));
    for (const std::string& option : connection.requests.at(0).options) EXPECT_EQ(option, "");
  }
}

TEST(GetAccountList, aFailedExportAddsNothingAndGivesTheMessage) {
  TempFolder temp;
  testing::FakeQuickBooks connection;
  connection.failure = useConnectionErrorText(438, "no module");
  const AccountList list = getAccountList(connection, temp.path().string());
  EXPECT_TRUE(list.accounts.empty());
  EXPECT_EQ(list.errorMessage, accountListErrorMessage(useConnectionErrorText(438, "no module")));
}

// With QuickBooks closed (the stand-in's company file missing) the message carries the "find a
// running copy" text, and the chart of an earlier run is not read.
TEST(GetAccountList, closedQuickBooksGivesTheRunningCopyMessage) {
  TempFolder temp;
  writeBytes(temp.file("checks.txt"), chart({"Account\x01Type\x01" "Active", "Stale\x01" "Bank\x01True"}));
  const FixedClock clock{DateTime{Date{2024, 3, 5}, 9, 0}};
  const std::string company = temp.file("closed.json");
  CompanyFileConnection connection(company, clock);
  const AccountList list = getAccountList(connection, temp.path().string());
  EXPECT_TRUE(list.accounts.empty());
  EXPECT_EQ(list.errorMessage,
            "An error occurred when trying to get the account list from QuickBooks:\r\n\r\n"
            "An error occurred while attempting to find a running copy of QuickBooks.\r\n"
            "If QuickBooks is not running, please start QuickBooks.\r\n\r\n"
            "Error: -2147220991 : The company file \"" + company + "\" does not exist\r\n");
  EXPECT_FALSE(std::filesystem::exists(temp.file("checks.txt")));
}

}  // namespace
}  // namespace ppexport

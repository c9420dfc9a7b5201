// The QuickBooks stand-in: the report files it writes, byte for byte, and its errors.
#include <gtest/gtest.h>

#include <string>

#include "quickbooks/company_connection.h"
#include "quickbooks/export_errors.h"
#include "quickbooks/report_export.h"
#include "support/temp_folder.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::TempFolder;
using testing::readBytes;
using testing::writeBytes;

const FixedClock march5{DateTime{Date{2024, 3, 5}, 10, 30}};

class CompanyConnectionTest : public ::testing::Test {
 protected:
  // Lines are given in no particular order of date: the report lists them by date.
  void SetUp() override {
    writeBytes(company, readBytes(PPEXPORT_SOURCE_DIR "/tests/golden/company/small-company.json"));
  }

  ExportRequest checkReport(const std::string& columns, const std::string& account) {
    return checkReportRequest(Date{2024, 2, 4}, Date{2024, 3, 5}, report, columns, account);
  }

  TempFolder folder;
  std::string company = folder.file("company.json");
  std::string report = folder.file("checks.txt");
  CompanyFileConnection connection{company, march5};
};

TEST_F(CompanyConnectionTest, checkReportFollowsTheFileContract) {
  ASSERT_EQ(connection.exportReport(checkReport(checkReportColumns("Generic Bank Format"), "Checking")),
            "Success");
  // Headings in the requested order and then Amount; U+0001 between fields; CR LF after every
  // line; Windows-1252 bytes; the range 2/4 to 3/5 taken inclusively, by date.
  EXPECT_TRUE(testing::matchesGolden(readBytes(report), "company/check-report.txt"));
}

// Columns in the order asked for, unknown ones empty; no columns asked for gives the default ones.
TEST_F(CompanyConnectionTest, columnsComeInTheRequestedOrder) {
  const std::pair<std::string, std::string> cases[] = {
      {checkReportColumns("Union Bank of California").substr(0, 40), "columns-union-bank.txt"},
      {" Name ,Amount,, Unknown Column", "columns-unknown.txt"},
      {"", "columns-default.txt"},
  };
  for (const auto& [columns, golden] : cases) {
    ASSERT_EQ(connection.exportReport(checkReport(columns, "Checking")), "Success");
    EXPECT_TRUE(testing::matchesGolden(readBytes(report), "company/" + golden)) << columns;
  }
}

TEST_F(CompanyConnectionTest, accountOptionChoosesTheRegister) {
  struct Case {
    const char* account;
    std::size_t lines;  // heading line included
  };
  const Case cases[] = {{"Checking", 5}, {"Payroll Account", 2}, {"checking", 1},
                        {"No Such Account", 1}, {"", 6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.account);
    ASSERT_EQ(connection.exportReport(checkReport("Document Number", c.account)), "Success");
    const std::vector<std::string> lines = testing::readLines(report);
    EXPECT_EQ(lines.size(), c.lines);
    EXPECT_EQ(lines.at(0), "Document Number\x01" "Amount");
  }
}

TEST_F(CompanyConnectionTest, vendorListAndChartOfAccounts) {
  ASSERT_EQ(connection.exportReport(vendorListRequest(report)), "Success");
  EXPECT_TRUE(testing::matchesGolden(readBytes(report), "company/vendor-list.txt"));
  ASSERT_EQ(connection.exportReport(chartOfAccountsRequest(report)), "Success");
  EXPECT_TRUE(testing::matchesGolden(readBytes(report), "company/chart-of-accounts.txt"));
}

TEST_F(CompanyConnectionTest, aCompanyFileThatCannotBeReadCannotBeFound) {
  struct Case {
    const char* name;
    std::string content;  // "" with isFolder: a folder of that name
    bool isFolder;
    std::int64_t number;
    std::string problem;
  };
  const Case cases[] = {
      {"missing.json", "", false, standInError::companyFileMissing, "does not exist"},
      {"folder.json", "", true, standInError::companyFileUnreadable, "is a folder"},
      {"empty.json", "\n", false, standInError::companyFileEmpty, "is empty"},
      {"broken.json", "{\"accounts\": [", false, standInError::companyFileNotJson,
       "is not valid JSON: parse error at line 1, column 15"},
      {"list.json", "[1, 2]", false, standInError::notACompanyFile, "must hold one JSON object"},
      {"noaccount.json", R"({"transactions": [{"daysAgo": 1}]})", false,
       standInError::notACompanyFile, "transaction 1: \"account\" is missing"},
      {"twodates.json", R"({"transactions": [{"account": "A", "daysAgo": 1, "date": "2024-01-01"}]})",
       false, standInError::notACompanyFile, "transaction 1: give either \"daysAgo\" or \"date\""},
      {"badtype.json", R"({"vendors": [{"name": 12}]})", false, standInError::notACompanyFile,
       "vendor 1: \"name\" must be a text"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = folder.file(c.name);
    if (c.isFolder) {
      std::filesystem::create_directory(path);
    } else if (std::string(c.name) != "missing.json") {
      writeBytes(path, c.content);
    }
    writeBytes(report, "stale");
    CompanyFileConnection standIn(path, march5);
    const std::string result = standIn.exportReport(chartOfAccountsRequest(report));
    // Only a missing file is a QuickBooks not running; any other is named for what it is.
    const std::string head =
        c.number == standInError::companyFileMissing
            ? findRunningCopyErrorText(c.number, "The company file \"" + path + "\" ")
            : companyFileErrorText(c.number, "The company file \"" + path + "\" ");
    EXPECT_EQ(result.substr(0, head.size() - 2), head.substr(0, head.size() - 2)) << result;
    EXPECT_NE(result.find(c.problem), std::string::npos) << result;
    EXPECT_EQ(result.substr(result.size() - 2), "\r\n");
    EXPECT_EQ(readBytes(report), "stale");  // QuickBooks was not found: nothing was exported
  }
}

TEST_F(CompanyConnectionTest, aFailedExportIsReportedAsSuch) {
  const std::string nowhere = folder.file("no-such-folder") + "/checks.txt";
  EXPECT_EQ(connection.exportReport(chartOfAccountsRequest(nowhere)),
            exportingErrorText(standInError::reportNotWritten,
                               "The report file \"" + nowhere +
                                   "\" could not be written: No such file or directory"));
  ExportRequest unknown = vendorListRequest(report);
  unknown.reportName = "qbProfitAndLoss";
  EXPECT_EQ(connection.exportReport(unknown),
            exportingErrorText(standInError::unknownReport,
                               "QuickBooks has no report named \"qbProfitAndLoss\""));
}

TEST(ExportErrorTexts, nameTheStepAndCarryNumberAndDescription) {
  EXPECT_EQ(createInterfaceErrorText(429, "ActiveX component can't create object"),
            "An error occurred while attempting to create an interface to QuickBooks.\r\n\r\n"
            "Error: 429 : ActiveX component can't create object\r\n");
  EXPECT_EQ(findRunningCopyErrorText(-2147220991, "not running"),
            "An error occurred while attempting to find a running copy of QuickBooks.\r\n"
            "If QuickBooks is not running, please start QuickBooks.\r\n\r\n"
            "Error: -2147220991 : not running\r\n");
  EXPECT_EQ(useConnectionErrorText(438, "Object doesn't support this property or method"),
            "An error occurred while attempting to use the connection to QuickBooks.\r\n\r\n"
            "Error: 438 : Object doesn't support this property or method\r\n");
  EXPECT_EQ(exportingErrorText(5, "Access is denied"),
            "An error occurred while QuickBooks was exporting the report.\r\n\r\n"
            "Error: 5 : Access is denied\r\n");
  EXPECT_EQ(accountListErrorMessage("E"),
            "An error occurred when trying to get the account list from QuickBooks:\r\n\r\nE");
  // QuickBooks missing or not running is said in words, with what to do, before the error line.
  EXPECT_EQ(accountListErrorMessage(createInterfaceErrorText(-2147221005, "Invalid class string")),
            "QuickBooks is not installed on this computer: install QuickBooks, then run the "
            "command again.\r\n\r\nError: -2147221005 : Invalid class string\r\n");
  EXPECT_EQ(accountListErrorMessage(findRunningCopyErrorText(-2147221021, "Operation unavailable"),
                                    "press Retry"),
            "QuickBooks is not running: start QuickBooks, open the company file, then press "
            "Retry.\r\n\r\nError: -2147221021 : Operation unavailable\r\n");
}

}  // namespace
}  // namespace ppexport

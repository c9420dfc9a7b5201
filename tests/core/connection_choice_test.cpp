// Which QuickBooks is asked, and the sample company that comes with the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "quickbooks/account_list.h"
#include "quickbooks/company_connection.h"
#include "quickbooks/connection_choice.h"
#include "quickbooks/report_export.h"
#include "support/scoped_variable.h"
#include "support/temp_folder.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::ScopedVariable;
using testing::TempFolder;
using testing::readBytes;
using testing::writeBytes;

const FixedClock march5{DateTime{Date{2024, 3, 5}, 9, 0}};
const std::string sourceSample = std::string(PPEXPORT_SOURCE_DIR) + "/data/sample-company.json";

TEST(ChooseQuickBooksConnection, companyOptionThenVariableThenDefault) {
  ScopedVariable variable("PPEXPORT_COMPANY", "/from/variable.json");
  QuickBooksChoice choice = chooseQuickBooksConnection("/from/option.json", march5, "");
  EXPECT_EQ(choice.companyFile, "/from/option.json");
  EXPECT_FALSE(choice.sampleCompany);
  ASSERT_NE(choice.connection, nullptr);

  choice = chooseQuickBooksConnection("", march5, "");
  EXPECT_EQ(choice.companyFile, "/from/variable.json");
  EXPECT_FALSE(choice.sampleCompany);
}

#ifndef _WIN32
TEST(ChooseQuickBooksConnection, withoutACompanyFileTheSampleCompanyIsUsedAndSaidSo) {
  ScopedVariable variable("PPEXPORT_COMPANY", std::nullopt);
  const QuickBooksChoice choice = chooseQuickBooksConnection("", march5, "");
  EXPECT_TRUE(choice.sampleCompany);
  EXPECT_TRUE(std::filesystem::equivalent(choice.companyFile, sourceSample));
  EXPECT_NE(sampleCompanyNotice().find("sample company"), std::string::npos);
}
#endif

TEST(FindSampleCompany, besideTheProgramThenInstalledThenSourceTree) {
  TempFolder install;
  const std::filesystem::path bin = install.path() / "bin";
  const std::filesystem::path share = install.path() / "share" / "ppexport";
  std::filesystem::create_directories(bin);
  std::filesystem::create_directories(share);
  EXPECT_TRUE(std::filesystem::equivalent(findSampleCompany(bin.string()), sourceSample));
  writeBytes((share / "sample-company.json").string(), "{}");
  EXPECT_EQ(findSampleCompany(bin.string()), (share / "sample-company.json").string());
  writeBytes((bin / "sample-company.json").string(), "{}");
  EXPECT_EQ(findSampleCompany(bin.string()), (bin / "sample-company.json").string());
}

TEST(SampleCompany, isARealLookingCompany) {
  const CompanyFileLoad load = loadCompanyFile(sourceSample, march5.now().date);
  ASSERT_TRUE(load.loaded()) << load.errorDescription;
  EXPECT_GE(load.company.vendors.size(), 30u);
  EXPECT_GE(load.company.transactions.size(), 100u);

  TempFolder temp;
  CompanyFileConnection connection(sourceSample, march5);
  const AccountList list = getAccountList(connection, temp.path().string());
  EXPECT_EQ(list.accounts,
            (std::vector<std::string>{"Checking", "Payroll Account", "Savings", "Petty Cash"}));

  // The last 90 days of Checking hold uncleared, cleared, pending and voided checks.
  const std::string report = temp.file("checks.txt");
  ASSERT_EQ(connection.exportReport(checkReportRequest(Date{2023, 12, 6}, Date{2024, 3, 5}, report,
                                                       checkReportColumns("HSBC"), "Checking")),
            "Success");
  std::string bytes = readBytes(report);
  for (const char* cell : {"\x01Uncleared\x01", "\x01" "Cleared\x01", "\x01Pending\x01",
                           "\x01VOID: 125.00 ", "\x01VOID\x01", "\x01Payee\x01", "\x01" "Caf\xE9 "}) {
    EXPECT_NE(bytes.find(cell), std::string::npos) << cell;
  }
}

// A reader joins a line that ends in empty fields to the next one, taking it for a record split by
// a line break: no line of a sample report may end so, and every line has the heading's fields.
TEST(SampleCompany, noReportLineEndsInAnEmptyField) {
  TempFolder temp;
  const std::string report = temp.file("report.txt");
  CompanyFileConnection connection(sourceSample, march5);
  const ExportRequest requests[] = {
      chartOfAccountsRequest(report), vendorListRequest(report),
      checkReportRequest(Date{2023, 1, 1}, Date{2024, 12, 31}, report, checkReportColumns("HSBC"), ""),
      checkReportRequest(Date{2023, 1, 1}, Date{2024, 12, 31}, report,
                         checkReportColumns("Union Bank of California"), "")};
  for (const ExportRequest& request : requests) {
    SCOPED_TRACE(request.reportName);
    ASSERT_EQ(connection.exportReport(request), "Success");
    const std::vector<std::string> lines = testing::readLines(report);
    for (const std::string& line : lines) {
      const std::string last = line.substr(line.rfind('\x01') + 1);
      EXPECT_NE(last.find_first_not_of(' '), std::string::npos) << line;
      EXPECT_EQ(std::ranges::count(line, '\x01'), std::ranges::count(lines[0], '\x01')) << line;
    }
  }
}

}  // namespace
}  // namespace ppexport

#include <gtest/gtest.h>

#include <filesystem>

#include "create/create_operation.h"
#include "support/fake_quickbooks.h"
#include "support/reports.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::TempFolder;

struct CreateFixture {
  TempFolder folder;
  testing::FakeQuickBooks quickBooks;
  MemorySettingsStore settings;
  FixedClock clock{DateTime{Date{2026, 12, 5}, 19, 5}};
  CreateServices services;
  CreateRequest request;

  CreateFixture() {
    services = CreateServices{&quickBooks, &settings, &clock, folder.path().string()};
    quickBooks.reports["qbTransactionListGeneral"] = testing::reportText(
        {{"Trans ID", "Document Number", "Cleared", "Date", "Name", "Name Type", "Bill 1",
          "Description", "is Source", "Amount"},
         {"1", "1001", "Uncleared", "12/01/2026", "Acme", "Vendor", "", "", "True", "-10.00"},
         {"2", "1002", "Uncleared", "12/02/2026", "Bolt", "Vendor", "", "", "True", "-20.00"}});
    quickBooks.reports["qbVendorNames"] =
        testing::reportText({{"Full Name", "Print on Checks"}, {"Acme", "Acme Supply Co."}});
    request.bankListText = "Regions Bank";
    request.bankListIndex = 21;
    request.accountText = "Checking";
    request.accountIndex = 0;
    request.fileName = folder.file("out.txt");
    request.fromDate = "11/1/2026";
    request.toDate = "12/5/2026";
    request.accountId = {"987654", true};
    request.remoteId = {"hidden text", false};
    request.accountSettings.account = "Checking";
    request.accountSettings.bankList = "Regions Bank";
  }
};

TEST(CreateOperation, refusalsInOrderWithTheirMessages) {
  struct Case {
    void (*change)(CreateRequest&);
    std::string_view message;
  } cases[] = {
      // A bank text not in the list, the unchosen bank and unreadable dates are the window model's
      // cases; here the other texts and the order of the refusals.
      {[](CreateRequest& r) { r.bankListText = "<pick a bank for this account>"; }, pickBankMessage},
      {[](CreateRequest& r) { r.accountIndex = -1; r.fileName = ""; }, pickAccountMessage},
      {[](CreateRequest& r) { r.accountText = "<pick an account>"; }, pickAccountMessage},
      {[](CreateRequest& r) { r.fileName = ""; r.fromDate = "x"; }, enterFileNameMessage},
      {[](CreateRequest& r) { r.toDate = "soon"; }, validDatesMessage},
  };
  for (const Case& c : cases) {
    CreateFixture fixture;
    c.change(fixture.request);
    CreateOutcome outcome = createFile(fixture.request, fixture.services);
    EXPECT_EQ(outcome.stage, CreateStage::Refused);
    EXPECT_EQ(outcome.message.text, c.message);
    EXPECT_EQ(outcome.message.icon, MessageIcon::Critical);
    EXPECT_TRUE(fixture.quickBooks.requests.empty());
    EXPECT_TRUE(fixture.settings.enumerate().empty()) << "nothing is saved on a refusal";
  }
}

TEST(CreateOperation, writesTheFileAndReportsTheCount) {
  CreateFixture fixture;
  CreateOutcome outcome = createFile(fixture.request, fixture.services);
  EXPECT_EQ(outcome.stage, CreateStage::Done);
  EXPECT_EQ(outcome.message.text, "Created " + fixture.request.fileName +
                                      " with 2 check records.\r\n\r\nIssued checks: 2, total "
                                      "30.00\r\nVoided checks: 0, total 0.00");
  EXPECT_EQ(outcome.message.icon, MessageIcon::Information);
  EXPECT_TRUE(std::filesystem::exists(fixture.request.fileName));
  ASSERT_EQ(fixture.quickBooks.requests.size(), 2u);
  const ExportRequest& checks = fixture.quickBooks.requests[0];
  EXPECT_EQ(checks.reportName, "qbTransactionListGeneral");
  EXPECT_EQ(checks.from, (Date{2026, 11, 1}));
  EXPECT_EQ(checks.options[12], "Checking");
  EXPECT_EQ(fixture.quickBooks.requests[1].reportName, "qbVendorNames");
  EXPECT_EQ(getSetting(fixture.settings, "CheckingbankList", "").text, "Regions Bank");
}

TEST(CreateOperation, reviewFileTakesOnlyVisibleIdentifiers) {
  CreateFixture fixture;
  fixture.request.createReviewFile = true;
  CreateOutcome outcome = createFile(fixture.request, fixture.services);
  EXPECT_EQ(outcome.message.text,
            "Created " + fixture.request.fileName +
                " with 2 check records.\r\n\r\nIssued checks: 2, total 30.00\r\nVoided checks: 0, "
                "total 0.00\r\n\r\nAlso created the file 'Positive Pay Review.csv' for your "
                "review.");
  const std::string review = testing::readBytes(fixture.folder.file("Positive Pay Review.csv"));
  EXPECT_NE(review.find("Account ID,987654\r\n"), std::string::npos);
  EXPECT_EQ(review.find("hidden text"), std::string::npos);
}

TEST(CreateOperation, countsWarningsAndReviewFileInTheMessage) {
  const std::string review =
      "\r\n\r\nAlso created the file 'Positive Pay Review.csv' for your review.";
  const std::string totals = "\r\n\r\nIssued checks: 1, total 1.00\r\nVoided checks: 0, total 0.00";
  struct Case {
    const char* date;
    bool createReviewFile;
    std::string bankListText;
    MessageIcon icon;
    std::string message;  // after the file name
  } cases[] = {
      {"12/01/2026", true, "Regions Bank", MessageIcon::Information,
       " with 1 check record." + totals + review},
      // No writer for the name: nothing counted and no review file either.
      {"12/01/2026", true, "custom format: Payroll", MessageIcon::Information,
       " with 0 check records."},
      {"someday", false, "Regions Bank", MessageIcon::Warning,
       " with 1 check record." + totals +
           "\r\n\r\nWarning: check 7: unreadable date, written blank"},
  };
  for (const Case& c : cases) {
    CreateFixture fixture;
    fixture.quickBooks.reports["qbTransactionListGeneral"] = testing::reportText(
        {{"Document Number", "Name", "Date", "Bill 1", "Name Type", "Amount", "Cleared",
          "Description"},
         {"7", "A", c.date, "", "Vendor", "-1.00", "Uncleared", ""}});
    fixture.request.createReviewFile = c.createReviewFile;
    fixture.request.bankListText = c.bankListText;
    CreateOutcome outcome = createFile(fixture.request, fixture.services);
    EXPECT_EQ(outcome.message.icon, c.icon);
    EXPECT_EQ(outcome.message.text, "Created " + fixture.request.fileName + c.message);
  }
}

TEST(CreateOperation, lostDataIsReportedInsteadOfHidden) {
  const std::string totals = " with 2 check records.\r\n\r\nIssued checks: 2, total 30.00\r\n"
                             "Voided checks: 0, total 0.00";
  struct Case {
    bool vendorList;
    std::string fileName;
    std::string message;  // after "Created " and the file name
  } cases[] = {
      {false, "out.txt",
       totals + "\r\n\r\nWarning: the vendor list could not be read; payees are the names from "
                "the check report."},
      // The review file would replace the bank file of its own name, on every platform.
      {true, "POSITIVE PAY review.csv",
       totals + "\r\n\r\nWarning: the review file was not written: it would replace the bank "
                "file."},
  };
  for (const Case& c : cases) {
    CreateFixture fixture;
    if (!c.vendorList) fixture.quickBooks.reports.erase("qbVendorNames");
    fixture.request.fileName = fixture.folder.file(c.fileName);
    fixture.request.createReviewFile = c.vendorList;
    CreateOutcome outcome = createFile(fixture.request, fixture.services);
    EXPECT_EQ(outcome.message.text, "Created " + fixture.request.fileName + c.message);
    EXPECT_EQ(outcome.message.icon, MessageIcon::Warning);
    EXPECT_FALSE(outcome.reviewFileWritten);
    EXPECT_EQ(testing::readBytes(fixture.request.fileName).substr(0, 20), "00009876540000001001")
        << "the bank file stands";
  }
}

TEST(CreateOperation, anExportErrorIsShownAndNoStaleReportIsRead) {
  CreateFixture fixture;
  const std::string stale = fixture.folder.file("checks.txt");
  testing::writeBytes(stale, testing::reportText({{"Document Number"}, {"999"}}));
  fixture.quickBooks.failure = "An error occurred while attempting to find a running copy of "
                               "QuickBooks.\r\nIf QuickBooks is not running, please start "
                               "QuickBooks.\r\n\r\nError: 429 : ActiveX component can't create "
                               "object\r\n";
  CreateOutcome outcome = createFile(fixture.request, fixture.services);
  EXPECT_EQ(outcome.stage, CreateStage::ExportFailed);
  EXPECT_EQ(outcome.message.text,
            "An error occurred when creating the export file:\r\n" + fixture.quickBooks.failure);
  EXPECT_EQ(outcome.message.icon, MessageIcon::Critical);
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_FALSE(std::filesystem::exists(fixture.request.fileName));
  EXPECT_EQ(getSetting(fixture.settings, "CheckingbankList", "").text, "Regions Bank")
      << "the settings are saved before the export";
}

TEST(CreateOperation, aReportWithoutTheCheckHeadingsIsAnExportErrorAndKeepsTheEarlierFile) {
  CreateFixture fixture;
  testing::writeBytes(fixture.request.fileName, "earlier");
  fixture.quickBooks.reports["qbTransactionListGeneral"] =
      testing::reportText({{"Document Number", "Name", "Date", "Bill 1", "Name Type", "Cleared",
                            "Description"},
                           {"1001", "Acme", "12/01/2026", "", "Vendor", "Uncleared", ""}});
  CreateOutcome outcome = createFile(fixture.request, fixture.services);
  EXPECT_EQ(outcome.stage, CreateStage::ExportFailed);
  EXPECT_EQ(outcome.message.text, "An error occurred when creating the export file:\r\n"
                                  "The check report has no 'Amount' column.");
  EXPECT_EQ(outcome.message.icon, MessageIcon::Critical);
  EXPECT_EQ(testing::readBytes(fixture.request.fileName), "earlier");
}

TEST(CreateOperation, aBankFileThatCannotBeWrittenIsNotReportedAsCreated) {
  CreateFixture fixture;
  fixture.request.fileName = fixture.folder.file("no/such/folder/out.txt");
  CreateOutcome outcome = createFile(fixture.request, fixture.services);
  EXPECT_EQ(outcome.stage, CreateStage::NotWritten);
  EXPECT_EQ(outcome.message.icon, MessageIcon::Critical);
  EXPECT_EQ(outcome.message.text.rfind("Could not create " + fixture.request.fileName + ".\r\n\r\n", 0),
            0u);
}

}  // namespace
}  // namespace ppexport

// The Create button: the window's choices go to the Create operation, the button is disabled and
// the pointer busy while it runs (and the view told to repaint first), and its message is shown
// with its icon.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

#include "support/reports.h"
#include "text/file_names.h"
#include "model_fixture.h"

using namespace ppexport;
using namespace ppexport::testing;
using enum window::ExportControl;
using window::MessageBoxIcon;

namespace {
std::string checkReport(const std::string& date = "03/01/2026") {
  return reportText({{"Trans ID", "Document Number", "Cleared", "Date", "Name", "Name Type",
                      "Bill 1", "Description", "is Source", "Amount"},
                     {"1", "1001", "Uncleared", date, "Acme", "Vendor", "", "", "True", "-10.00"},
                     {"2", "1002", "Uncleared", "03/02/2026", "Bolt", "Vendor", "", "", "True",
                      "-20.00"}});
}

struct CreateFixture : ModelFixture {
  std::string outputFile = folder.file("march.txt");

  CreateFixture() {
    quickBooks.reports["qbTransactionListGeneral"] = checkReport();
    quickBooks.reports["qbVendorNames"] =
        reportText({{"Full Name", "Print on Checks"}, {"Acme", "Acme Supply Co."}});
    settings.saveSetting("myAccount", "Checking");
    settings.saveSetting("CheckingbankList", "Regions Bank");
    settings.saveSetting("CheckingaccountID", "987654");
    settings.saveSetting("CheckingfileName", outputFile);
  }
  bool written() const { return std::filesystem::exists(filePath(outputFile)); }
};

// The result message as the core gives it: its first line names the file and the count, and it
// holds each of the lines given (the core may add totals between them).
void expectResult(const window::MessageBoxRequest& shown, MessageBoxIcon icon,
                  const std::string& firstLine, const std::vector<std::string>& lines = {}) {
  EXPECT_EQ(shown.icon, icon) << shown.text;
  EXPECT_EQ(shown.title, messageTitle);
  EXPECT_EQ(shown.text.substr(0, shown.text.find('\n')), firstLine);
  for (const std::string& line : lines) {
    EXPECT_NE(shown.text.find("\n" + line), std::string::npos) << line << " in " << shown.text;
  }
  EXPECT_EQ(shown.text.find('\r'), std::string::npos);
}
}  // namespace

TEST(CreateButton, WritesTheFileWithTheButtonDisabledAndThePointerBusy) {
  CreateFixture fixture;
  fixture.start();
  int refreshed = 0;
  fixture.observer.whileRefreshing = [&] {
    ++refreshed;
    EXPECT_FALSE(fixture.control(myCreate).enabled);
    EXPECT_EQ(fixture.busy.depth, 1);
    EXPECT_TRUE(fixture.quickBooks.requests.size() == 1);  // QuickBooks not asked yet
  };
  bool enabledWhileShown = true;
  int busyWhileShown = -1;
  fixture.messages.whileShown = [&] {
    enabledWhileShown = fixture.control(myCreate).enabled;
    busyWhileShown = fixture.busy.depth;
  };
  fixture.click(myCreate);
  EXPECT_EQ(refreshed, 1);
  EXPECT_FALSE(enabledWhileShown);
  EXPECT_EQ(busyWhileShown, 0);
  EXPECT_TRUE(fixture.control(myCreate).enabled);

  ASSERT_EQ(fixture.messages.shown.size(), 1u);
  expectResult(fixture.lastMessage(), MessageBoxIcon::Information,
               "Created " + fixture.outputFile + " with 2 check records.");
  const std::string written = readBytes(fixture.outputFile);
  EXPECT_EQ(fileLines(written).size(), 2u);
  EXPECT_NE(written.find("987654"), std::string::npos);
  // The account's settings were saved before QuickBooks was asked.
  EXPECT_EQ(fixture.stored("CheckingfromDate"), "12/15/2025");
  const ExportRequest& checks = fixture.quickBooks.requests.at(1);
  EXPECT_EQ(checks.reportName, "qbTransactionListGeneral");
  EXPECT_EQ(checks.from, (Date{2025, 12, 15}));
  EXPECT_EQ(checks.to, (Date{2026, 3, 15}));
  EXPECT_EQ(checks.options[12], "Checking");
}

// Each refused choice is entered in turn and put back after; the account comes last, as typing
// one loads that account's settings.
TEST(CreateButton, RefusedChoicesShowTheirMessage) {
  const std::string pickBank = "Please pick a valid bank from the list of banks. Then try again.";
  const std::string validDates =
      "Please pick a valid bank account, enter valid from/to dates, anmd enter a valid export "
      "filename. Then try again.";
  const std::tuple<window::ExportControl, const char*, std::string> cases[] = {
      {bankList, "<choose an bank>", pickBank},
      {bankList, "Regions", pickBank},
      {bankList, "", pickBank},
      {window::ExportControl::fileName, "", "Please enter a valid output file name. Then try again."},
      {fromDate, "13/45/2026", validDates},
      {toDate, "soon", validDates},
      {myAccount, "Check",  // this account has a bank and a file too
       "Please pick a valid account from the list of bank accounts. Then try again."},
  };
  CreateFixture fixture;
  fixture.settings.saveSetting("CheckbankList", "Regions Bank");
  fixture.start();
  fixture.click(autoDateRange);
  for (const auto& [id, text, message] : cases) {
    const std::string before = fixture.text(id);
    fixture.type(id, text);
    fixture.click(myCreate);
    EXPECT_EQ(fixture.lastMessage(),
              (window::MessageBoxRequest{MessageBoxIcon::Critical, messageTitle, message}));
    EXPECT_EQ(fixture.quickBooks.requests.size(), 1u);  // only the chart of accounts
    EXPECT_FALSE(fixture.written());
    EXPECT_TRUE(fixture.control(myCreate).enabled);
    EXPECT_EQ(fixture.busy.depth, 0);
    fixture.type(id, before);
  }
  EXPECT_EQ(fixture.messages.shown.size(), std::size(cases));
}

TEST(CreateButton, AnExportErrorIsShown) {
  CreateFixture fixture;
  fixture.start();
  fixture.quickBooks.failure =
      "An error occurred while attempting to find a running copy of QuickBooks.\r\n"
      "If Quickbooks is not running, please start QuickBooks.\r\n\r\nError: 429 : gone\r\n";
  fixture.click(myCreate);
  EXPECT_EQ(fixture.lastMessage(),
            (window::MessageBoxRequest{
                MessageBoxIcon::Critical, messageTitle,
                "An error occoured when creating the export file:\nAn error occurred while "
                "attempting to find a running copy of QuickBooks.\nIf Quickbooks is not running, "
                "please start QuickBooks.\n\nError: 429 : gone\n"}));
  EXPECT_FALSE(fixture.written());
  EXPECT_TRUE(fixture.control(myCreate).enabled);
}

// One account, created three times: with the review file (the hidden header stays out of it),
// then under a name beyond ASCII, then from a report with an unreadable date.
TEST(CreateButton, EachOutcomeShowsItsMessageAndIcon) {
  CreateFixture fixture;
  fixture.settings.saveSetting("CheckingremoteID", "hidden header");
  fixture.settings.saveSetting("CheckingcreateReviewFile", "1");
  fixture.start();
  const std::string accented = fixture.folder.file("Zahlungen März.txt");
  struct Case {
    std::function<void()> change;
    MessageBoxIcon icon;
    std::string firstLine;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {[] {}, MessageBoxIcon::Information,
       "Created " + fixture.outputFile + " with 2 check records.",
       {"Also created the file 'Positive Pay Review.csv' for your review."}},
      {[&] {
         fixture.click(createReviewFile);
         fixture.type(window::ExportControl::fileName, accented);
         fixture.type(accountID, "Kontö 1");
       },
       MessageBoxIcon::Warning, "Created " + accented + " with 2 check records.",
       {"Issued checks: 2, total 30.00", "Warning: Account Number 'Kontö 1' is not a number."}},
      {[&] {
         fixture.quickBooks.reports["qbTransactionListGeneral"] = checkReport("someday");
       },
       MessageBoxIcon::Warning, "Created " + accented + " with 2 check records.",
       {"Warning: Account Number 'Kontö 1' is not a number.",
        "Warning: check 1001: unreadable date, written blank"}},
  };
  for (const Case& c : cases) {
    c.change();
    fixture.click(myCreate);
    expectResult(fixture.lastMessage(), c.icon, c.firstLine, c.lines);
  }
  EXPECT_EQ(fixture.lastMessage().text.find("Positive Pay Review"), std::string::npos);
  const std::string review = readBytes(fixture.folder.file("Positive Pay Review.csv"));
  EXPECT_NE(review.find("987654"), std::string::npos);
  EXPECT_EQ(review.find("hidden header"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(filePath(accented)));
  // The file name is kept as the path text the core opens, the identifier in Windows-1252.
  EXPECT_EQ(fixture.stored("CheckingfileName"), accented);
  EXPECT_EQ(fixture.stored("CheckingaccountID"), "Kont\xF6 1");
}

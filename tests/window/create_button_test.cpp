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

// The result message exactly as the core gives it, with LF line breaks.
void expectResult(const window::MessageBoxRequest& shown, MessageBoxIcon icon,
                  const std::string& text) {
  EXPECT_EQ(shown, (window::MessageBoxRequest{icon, messageTitle, text}));
}

// The control totals that follow the created line.
std::string totals(int issued, const char* total) {
  return "\n\nIssued checks: " + std::to_string(issued) + ", total " + total +
         "\nVoided checks: 0, total 0.00";
}
}  // namespace

TEST(CreateButton, WritesTheFileWithTheButtonDisabledAndThePointerBusy) {
  CreateFixture fixture;
  fixture.start();
  int refreshed = 0;
  fixture.observer.whileRefreshing = [&] {  // before QuickBooks is asked
    refreshed += !fixture.control(myCreate).enabled && fixture.busy.depth == 1 &&
                 fixture.quickBooks.requests.size() == 1;
  };
  bool disabledNotBusyWhileShown = false;
  fixture.messages.whileShown = [&] {
    disabledNotBusyWhileShown = !fixture.control(myCreate).enabled && fixture.busy.depth == 0;
  };
  fixture.click(myCreate);
  EXPECT_EQ(refreshed, 1);
  EXPECT_TRUE(disabledNotBusyWhileShown);
  EXPECT_TRUE(fixture.control(myCreate).enabled);

  ASSERT_EQ(fixture.messages.shown.size(), 1u);
  expectResult(fixture.lastMessage(), MessageBoxIcon::Information,
               "Created " + fixture.outputFile + " with 2 check records." + totals(2, "30.00"));
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
    std::string text;
  };
  const Case cases[] = {
      {[] {}, MessageBoxIcon::Information,
       "Created " + fixture.outputFile + " with 2 check records." + totals(2, "30.00") +
           "\n\nAlso created the file 'Positive Pay Review.csv' for your review."},
      {[&] {
         fixture.click(createReviewFile);
         fixture.type(window::ExportControl::fileName, accented);
         fixture.type(accountID, "Kontö 1");
       },
       MessageBoxIcon::Warning,
       "Created " + accented + " with 2 check records." + totals(2, "30.00") +
           "\n\nWarning: Account Number 'Kontö 1' is not a number."},
      {[&] {
         fixture.quickBooks.reports["qbTransactionListGeneral"] = checkReport("someday");
       },
       MessageBoxIcon::Warning,
       "Created " + accented + " with 2 check records." + totals(2, "30.00") +
           "\n\nWarning: Account Number 'Kontö 1' is not a number.\n"
           "Warning: check 1001: unreadable date, written blank"},
  };
  for (const Case& c : cases) {
    c.change();
    fixture.click(myCreate);
    expectResult(fixture.lastMessage(), c.icon, c.text);
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

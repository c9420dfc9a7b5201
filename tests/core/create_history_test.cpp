// The sent-file history in the Create operation: every written file recorded, checks sent before
// left out on request, changes since sending warned of, and a history that cannot be written
// never costing the bank file.
#include <gtest/gtest.h>

#include <filesystem>

#include "create/create_operation.h"
#include "history/history_folder.h"
#include "history/sha256.h"
#include "support/fake_quickbooks.h"
#include "support/reports.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::TempFolder;

using Row = std::vector<std::string>;  // check number, amount, description

struct HistoryFixture {
  TempFolder folder;
  testing::FakeQuickBooks quickBooks;
  MemorySettingsStore settings;
  FixedClock clock{DateTime{Date{2026, 12, 5}, 19, 5}};
  CreateServices services;
  CreateRequest request;

  HistoryFixture() {
    services = CreateServices{&quickBooks, &settings, &clock, folder.path().string(),
                              folder.file("history")};
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
    request.accountSettings.account = "Checking";
  }

  void report(const std::vector<Row>& rows) {
    std::vector<std::vector<std::string>> table = {{"Trans ID", "Document Number", "Cleared",
                                                    "Date", "Name", "Name Type", "Bill 1",
                                                    "Description", "is Source", "Amount"}};
    for (const Row& row : rows) {
      table.push_back({"1", row[0], "Uncleared", "12/01/2026", row.size() > 3 ? row[3] : "Acme",
                       "Vendor", "", row[2], "True", row[1]});
    }
    quickBooks.reports["qbTransactionListGeneral"] = testing::reportText(table);
  }

  CreateOutcome create(bool newOnly) {
    request.newOnly = newOnly;
    return createFile(request, services);
  }

  // The check numbers of the detail lines of the bank file.
  std::vector<std::string> writtenNumbers() const {
    std::vector<std::string> numbers;
    const std::string bytes = testing::readBytes(request.fileName);
    for (std::size_t at = 0; at < bytes.size();) {
      const std::size_t end = bytes.find("\r\n", at);
      const std::string line = bytes.substr(at, end - at);
      // Regions Bank: account number (10), then the check number (10).
      numbers.push_back(line.substr(10, 10));
      at = end + 2;
    }
    return numbers;
  }
};

std::string created(const HistoryFixture& fixture, int count) {
  return "Created " + fixture.request.fileName + " with " + std::to_string(count) +
         " check record" + (count == 1 ? "" : "s") + ".";
}

TEST(CreateHistory, leavesOutWhatWasSentAndWarnsOfWhatChangedSince) {
  HistoryFixture fixture;
  fixture.report({{"1001", "-10.00", ""}, {"1002", "-20.00", "", "Bolt"}, {"1004", "-40.00", ""}});
  ASSERT_EQ(fixture.create(true).count, 3);

  // 1001 unchanged is left out; 1002's amount changed, 1003 is new, and 1004 was voided after it
  // was sent as issued: those three are written, the review file lists the same three.
  fixture.report({{"1001", "-10.00", ""},
                  {"1002", "-25.00", "", "Bolt"},
                  {"1003", "-30.00", ""},
                  {"1004", "0.00", "VOID: 40.00"}});
  fixture.request.createReviewFile = true;
  const CreateOutcome second = fixture.create(true);
  EXPECT_EQ(second.count, 3);
  EXPECT_EQ(fixture.writtenNumbers(),
            (std::vector<std::string>{"0000001002", "0000001003", "0000001004"}));
  EXPECT_EQ(second.message.text,
            created(fixture, 3) +
                "\r\n\r\nIssued checks: 2, total 55.00\r\nVoided checks: 1, total 40.00"
                "\r\nLeft out 1 check sent in earlier files."
                "\r\n\r\nAlso created the file 'Positive Pay Review.csv' for your review."
                "\r\n\r\nWarning: check 1002 was sent on 12/5/2026 with amount 20.00 to Bolt; it "
                "is now 25.00 to Bolt");
  EXPECT_EQ(second.message.icon, MessageIcon::Warning);
  const std::string review = testing::readBytes(fixture.folder.file("Positive Pay Review.csv"));
  EXPECT_EQ(review.find(",1001,"), std::string::npos);
  EXPECT_NE(review.find(",1003,"), std::string::npos);

  // Everything sent: no file replaces the one with checks, no review file, nothing recorded.
  const CreateOutcome third = fixture.create(true);
  EXPECT_EQ(third.stage, CreateStage::Done);
  EXPECT_EQ(third.message.text,
            "No new checks: every check was sent in an earlier file, so " +
                fixture.request.fileName + " was left as it was.\r\n\r\nLeft out 4 checks sent in "
                "earlier files.");
  EXPECT_EQ(fixture.writtenNumbers().size(), 3u);
  fixture.request.createReviewFile = false;

  // Without the box every check is written again; their last sendings match, so no warning.
  const CreateOutcome all = fixture.create(false);
  EXPECT_EQ(all.count, 4);
  EXPECT_EQ(all.message.icon, MessageIcon::Information) << all.message.text;

  // Each written file was recorded with its exact bytes, newest first.
  const HistoryReading history = readHistory(fixture.services.historyFolder);
  EXPECT_TRUE(history.warnings.empty());
  ASSERT_EQ(history.entries.size(), 3u);
  const HistoryEntry& newest = history.entries[0];
  EXPECT_EQ(newest.id, "20261205-190500-0003");
  EXPECT_EQ(newest.account, "Checking");
  EXPECT_EQ(newest.bankFormat, "Regions Bank");
  EXPECT_EQ(newest.output, fixture.request.fileName);
  EXPECT_EQ(newest.identifiers.accountId, "987654");
  EXPECT_EQ(newest.sha256, sha256Hex(testing::readBytes(fixture.request.fileName)));
  EXPECT_EQ(newest.checks.size(), 4u);
  EXPECT_EQ(history.entries[1].checks.size(), 3u);
  const SentCheck& voided = history.entries[1].checks.back();
  EXPECT_EQ(voided.number, "1004");
  EXPECT_TRUE(voided.isVoid);
  EXPECT_EQ(voided.cents, 4000);
  EXPECT_EQ(history.entries[1].checks[0].payee, "Bolt");
}

// The same checks under another account or bank format were never sent for this one.
TEST(CreateHistory, sentBeforeHoldsOnlyForTheSameAccountAndBankFormat) {
  HistoryFixture fixture;
  fixture.report({{"1001", "-10.00", ""}});
  fixture.create(false);
  fixture.request.accountText = "Savings";
  EXPECT_EQ(fixture.create(true).count, 1);
  fixture.request.bankListText = "Capital One Bank";
  EXPECT_EQ(fixture.create(true).count, 1);
  fixture.request.accountText = "Checking";
  EXPECT_EQ(fixture.create(true).count, 1);
  EXPECT_EQ(fixture.create(true).count, 0);
}

TEST(CreateHistory, aHistoryThatCannotBeWrittenKeepsTheBankFileAndSaysSo) {
  HistoryFixture fixture;
  fixture.report({{"1001", "-10.00", ""}});
  testing::writeBytes(fixture.services.historyFolder, "a file where the folder should be");
  const CreateOutcome outcome = fixture.create(false);
  EXPECT_EQ(outcome.stage, CreateStage::Done);
  EXPECT_EQ(outcome.message.icon, MessageIcon::Warning);
  EXPECT_TRUE(std::filesystem::exists(fixture.request.fileName));
  const std::string& text = outcome.message.text;
  const std::string warning = "\r\n\r\nWarning: the file was not recorded in the history: ";
  EXPECT_NE(text.find(warning), std::string::npos) << text;

  // Not recording at all is asked for, not a failure.
  std::filesystem::remove(fixture.services.historyFolder);
  fixture.services.recordHistory = false;
  EXPECT_EQ(fixture.create(false).message.icon, MessageIcon::Information);
  EXPECT_FALSE(std::filesystem::exists(fixture.services.historyFolder));
}

}  // namespace
}  // namespace ppexport

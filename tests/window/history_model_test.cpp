// The History button and its dialog, and the check box that leaves out checks sent before.

#include <gtest/gtest.h>

#include "history/history_folder.h"
#include "model_fixture.h"
#include "window/history_model.h"

using namespace ppexport;
using namespace ppexport::testing;
using enum window::ExportControl;
using window::MessageBoxIcon;

namespace {

void record(const std::string& folder, int day, const std::string& account, std::string bytes) {
  HistoryEntry entry;
  entry.created = DateTime{Date{2026, 3, day}, 9, 5};
  entry.account = account;
  entry.bankFormat = "Regions Bank";
  entry.output = "/books/pp.txt";
  entry.count = 2;
  entry.issued = {1, 123450};
  entry.voided = {1, 5000};
  entry.checks = {{"1001", Date{2026, 3, 1}, 123450, "Caf\xE9 Nord", false},
                  {"1002", std::nullopt, 5000, "ACME", true}};
  ASSERT_TRUE(recordEntry(folder, entry, bytes).recorded);
}

TEST(HistoryModel, listsTheAccountsFilesShowsTheirChecksAndSavesACopy) {
  ModelFixture fixture;
  const std::string folder = fixture.services().historyFolder;
  record(folder, 10, "Checking", "first\r\n");
  record(folder, 12, "Checking", "second\r\n");
  record(folder, 14, "Savings", "savings\r\n");
  fixture.settings.saveSetting("myAccount", "Checking");
  fixture.start();
  fixture.click(history);
  EXPECT_EQ(fixture.observer.historyOpenings, 1);
  window::HistoryModel* dialog = fixture.model->historyDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->caption(), "History - Checking");
  using Row = std::vector<std::string>;
  const Row line = {"Regions Bank", "/books/pp.txt", "2", "1", "1234.50", "1", "50.00", "Not sent"};
  auto row = [&line](const std::string& sent) {
    Row whole{sent};
    whole.insert(whole.end(), line.begin(), line.end());
    return whole;
  };
  EXPECT_EQ(dialog->entryRows(), (std::vector<Row>{row("3/12/2026 09:05"), row("3/10/2026 09:05")}));
  EXPECT_TRUE(dialog->notice().empty());
  EXPECT_FALSE(dialog->canSaveCopy());

  dialog->choose(1);
  EXPECT_EQ(dialog->checkRows(), (std::vector<Row>{{"1001", "3/1/2026", "1234.50", "Issued",
                                                    "Caf\xC3\xA9 Nord"},
                                                   {"1002", "", "50.00", "Void", "ACME"}}));
  // A click on the Sent heading turns the newest-first order round; the chosen file stays chosen.
  dialog->sortBy(0);
  EXPECT_EQ(dialog->entryRows().front(), row("3/10/2026 09:05"));
  EXPECT_EQ(dialog->selected(), 0);
  EXPECT_FALSE(dialog->sortDescending());
  const std::string copy = fixture.folder.file("copy.txt");
  fixture.files.setNextFileName(copy);
  dialog->saveCopy();
  EXPECT_EQ(fixture.files.asked.back().initialFileName, "pp (sent 2026-03-10 09-05).txt");
  EXPECT_TRUE(fixture.files.asked.back().askBeforeReplacing);
  EXPECT_EQ(readBytes(copy), "first\r\n");
  EXPECT_EQ(fixture.lastMessage(),
            (window::MessageBoxRequest{MessageBoxIcon::Information, messageTitle,
                                       "Saved a copy of the file sent on 3/10/2026 as " + copy +
                                           "."}));
  // A copy that cannot be written is reported, and nothing is left of it.
  const std::string nowhere = fixture.folder.file("missing/copy.txt");
  fixture.files.setNextFileName(nowhere);
  dialog->saveCopy();
  EXPECT_EQ(fixture.lastMessage().icon, MessageBoxIcon::Critical);
  EXPECT_EQ(fixture.lastMessage().text.rfind("Could not create " + nowhere + ".\n\n", 0), 0u);

  dialog->close();
  EXPECT_EQ(fixture.model->historyDialog(), nullptr);

  fixture.choose(myAccount, "Savings");
  fixture.click(history);
  EXPECT_EQ(fixture.model->historyDialog()->entryRows().size(), 1u);
}

TEST(HistoryModel, saysWhenNothingWasSentOrAFolderWasLeftOut) {
  ModelFixture fixture;
  fixture.start();
  fixture.click(history);
  EXPECT_EQ(fixture.model->historyDialog()->notice(), "No files were sent for this account yet.");

  // An entry another copy is still writing is its business; a folder that is none is named.
  const std::string folder = fixture.services().historyFolder;
  std::filesystem::create_directories(folder + "/tmp-20260315-103000-9-1");
  fixture.click(history);
  EXPECT_EQ(fixture.model->historyDialog()->notice(), "No files were sent for this account yet.");
  std::filesystem::create_directories(folder + "/20260315-copy");
  fixture.click(history);
  EXPECT_EQ(fixture.model->historyDialog()->notice(),
            "Warning: the history folder '20260315-copy' was left out: it is not a history entry");
}

// The check box is kept per account like the other choices, and a Create asks for new checks
// only while it is ticked.
TEST(HistoryModel, theNewOnlyBoxIsKeptPerAccount) {
  ModelFixture fixture;
  fixture.settings.saveSetting("myAccount", "Checking");
  fixture.settings.saveSetting("SavingsnewOnly", "1");
  fixture.start();
  EXPECT_EQ(fixture.control(newOnly).checked, 0);
  fixture.click(newOnly);
  fixture.click(saveSettings);
  EXPECT_EQ(fixture.stored("CheckingnewOnly"), "1");
  fixture.choose(myAccount, "Savings");
  EXPECT_EQ(fixture.control(newOnly).checked, 1);
}

}  // namespace

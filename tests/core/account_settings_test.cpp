// The per-account settings: key names, the order they are written in, and the defaults.
#include <gtest/gtest.h>

#include <filesystem>

#include "settings/account_settings.h"
#include "settings/memory_store.h"
#include "support/scoped_variable.h"
#include "support/temp_folder.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::ScopedVariable;

constexpr Date march5{2024, 3, 5};

const AccountSettings checking{
    .account = "Checking", .bankList = "Wells Fargo ARP - CSV", .fromDate = "2/1/2024",
    .toDate = "3/5/2024", .fileName = "/home/ann/bank/checks.txt", .autoDateRangeDays = "30",
    .autoDateRange = "0", .remoteID = "R1", .batchID = "B2", .bankID = "",
    .accountID = "000123456", .bankCode = "0006 - TN", .createReviewFile = "1", .newOnly = "1"};

// Every text of values, in the window's order.
std::vector<std::string> textsOf(const AccountSettings& v) {
  return {v.account,       v.bankList,          v.fromDate,      v.toDate,
          v.fileName,      v.autoDateRangeDays, v.autoDateRange, v.remoteID,
          v.batchID,       v.bankID,            v.accountID,     v.bankCode,
          v.createReviewFile, v.newOnly};
}

TEST(SaveUserSettings, writesTheKeysInTheWindowsOrderByPlainConcatenation) {
  MemorySettingsStore store;
  ASSERT_TRUE(saveUserSettings(store, checking));
  EXPECT_TRUE(testing::matchesGolden(testing::describedEntries(store.enumerate()),
                                     "settings/account-save.txt"));

  // An account text is used exactly as shown.
  AccountSettings spaced = checking;
  spaced.account = "Payroll Account ";
  saveUserSettings(store, spaced);
  EXPECT_EQ(store.readSetting("myAccount"), "Payroll Account ");
  EXPECT_EQ(store.readSetting("Payroll Account bankList"), "Wells Fargo ARP - CSV");
}

TEST(SaveUserSettings, aStoreThatCannotBeWrittenIsReported) {
  MemorySettingsStore store;
  store.failWith("The settings file \"/x\" could not be written");
  EXPECT_FALSE(saveUserSettings(store, checking));
}

TEST(GetAccountSettings, anEmptyStoreGivesTheFirstRunDefaults) {
  ScopedVariable home("HOME", "/home/ann");
  ScopedVariable profile("USERPROFILE", std::nullopt);
  MemorySettingsStore store;
  EXPECT_EQ(lastChosenAccount(store), "<choose an account>");
  EXPECT_EQ(textsOf(getAccountSettings(store, "<choose an account>", march5)),
            (std::vector<std::string>{"<choose an account>", "<choose a bank>", "3/5/2024",
                                      "3/5/2024", "/home/ann/PositivePayExport.txt", "90", "1", "",
                                      "", "", "", "<pick a bank code>", "0", "0"}));
}

// Texts that earlier versions stored misspelt read as today's list entries.
TEST(GetAccountSettings, misspeltStoredEntriesReadAsTheListsEntries) {
  MemorySettingsStore store;
  store.saveSetting("CheckingbankList", "<choose an bank>");
  store.saveSetting("CheckingbankCode", "0042 - MTZ (Mountian)");
  const AccountSettings values = getAccountSettings(store, "Checking", march5);
  EXPECT_EQ(values.bankList, "<choose a bank>");
  EXPECT_EQ(values.bankCode, "0042 - MTZ (Mountain)");
}

// A first Create must find the folder of the default output file.
TEST(DefaultOutputFile, liesInAFolderThatExists) {
  testing::TempFolder folder;
  ScopedVariable home("HOME", folder.path().string());
  ScopedVariable profile("USERPROFILE", std::nullopt);
  const std::string path = folder.path().string();
  EXPECT_EQ(defaultOutputFile(), path + "/PositivePayExport.txt");
  std::filesystem::create_directory(folder.path() / "Documents");
  EXPECT_EQ(defaultOutputFile(), path + "/Documents/PositivePayExport.txt");
}

TEST(GetAccountSettings, givesBackWhatWasSavedAndKeepsRawCheckBoxTexts) {
  MemorySettingsStore store;
  saveUserSettings(store, checking);
  store.saveSetting("CheckingautoDateRange", "True");
  store.saveSetting("Savings fileName", "");
  EXPECT_EQ(lastChosenAccount(store), "Checking");

  AccountSettings expected = checking;
  expected.account = "CHECKING";
  expected.autoDateRange = "True";
  EXPECT_EQ(textsOf(getAccountSettings(store, "CHECKING", march5)), textsOf(expected));

  // A saved empty output file is replaced by the default, as on a first run.
  ScopedVariable home("HOME", "/home/ann");
  ScopedVariable profile("USERPROFILE", std::nullopt);
  EXPECT_EQ(getAccountSettings(store, "Savings ", march5).fileName,
            "/home/ann/PositivePayExport.txt");
}

}  // namespace
}  // namespace ppexport

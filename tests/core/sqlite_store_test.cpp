// The SQLite settings file: the store semantics the window relies on, and the file's safety.
#ifndef _WIN32

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "settings/sqlite_store.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::TempFolder;
using testing::readBytes;
using testing::writeBytes;

class SqliteSettingsStoreTest : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string path = folder.file("settings.sqlite");
};

TEST_F(SqliteSettingsStoreTest, keysMatchWhateverTheirCaseAndKeepTheFirstCase) {
  SqliteSettingsStore store(path);
  ASSERT_TRUE(store.saveSetting("CheckingbankList", "Generic Bank Format"));
  ASSERT_TRUE(store.saveSetting("CHECKINGBANKLIST", "HSBC"));
  // Windows-1252 letters match their upper case too: "Café" and "CAFÉ".
  ASSERT_TRUE(store.saveSetting("Caf\xE9" "fileName", "a.txt"));
  ASSERT_TRUE(store.saveSetting("CAF\xC9" "FILENAME", "b.txt"));
  EXPECT_EQ(store.readSetting("checkingbanklist"), "HSBC");
  EXPECT_EQ(store.readSetting("caf\xE9" "filename"), "b.txt");
  EXPECT_EQ(store.enumerate(), (SettingsEntries{{"CheckingbankList", "HSBC"},
                                                {"Caf\xE9" "fileName", "b.txt"}}));
  ASSERT_TRUE(store.deleteSetting("checkingBANKlist"));
  EXPECT_EQ(store.readSetting("CheckingbankList"), std::nullopt);
  // Deleting an absent key does nothing and is no error.
  EXPECT_TRUE(store.deleteSetting("CheckingbankList"));
  EXPECT_EQ(store.lastError(), "");
  EXPECT_EQ(store.enumerate(), (SettingsEntries{{"Caf\xE9" "fileName", "b.txt"}}));
}

TEST_F(SqliteSettingsStoreTest, enumeratesInOrderOfFirstStorage) {
  SqliteSettingsStore store(path);
  for (const char* key : {"Custom Format: Payroll", "myAccount", "lastFCN"}) {
    ASSERT_TRUE(store.saveSetting(key, key));
  }
  ASSERT_TRUE(store.saveSetting("Custom Format: Payroll", "Payroll"));  // rewritten: keeps its place
  ASSERT_TRUE(store.deleteSetting("myAccount"));
  ASSERT_TRUE(store.saveSetting("MYACCOUNT", "Savings"));  // stored anew: goes last
  EXPECT_EQ(store.enumerate(), (SettingsEntries{{"Custom Format: Payroll", "Payroll"},
                                                {"lastFCN", "lastFCN"},
                                                {"MYACCOUNT", "Savings"}}));
}

TEST_F(SqliteSettingsStoreTest, reopeningTheFileKeepsEveryByte) {
  const std::string bytes("line\r\nbreak \x01\x81\xFF", 14);
  {
    SqliteSettingsStore store(path);
    ASSERT_TRUE(store.saveSetting("Checking fileName", bytes));
    ASSERT_TRUE(store.saveSetting("Checking bankID", ""));
  }
  SqliteSettingsStore reopened(path);
  EXPECT_EQ(reopened.readSetting("checking FILENAME"), bytes);
  EXPECT_EQ(reopened.readSetting("Checking bankID"), "");  // empty, not absent
  EXPECT_EQ(reopened.enumerate().size(), 2u);
}

// A file that is no database, a database of another program and a place where no file can be:
// each is reported, with the file's name, and nothing is written; an empty file becomes a store.
TEST_F(SqliteSettingsStoreTest, whatCannotBeAStoreIsReportedAndLeftAlone) {
  std::string garbage;
  for (std::size_t i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 37 + 11) % 256);
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(folder.file("other.sqlite").c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "CREATE TABLE invoices (id INTEGER)", nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(other);
  writeBytes(folder.file("not-a-folder"), "x");
  struct Case {
    std::string path, bytes, problem;
  } cases[] = {
      {folder.file("7.sqlite"), garbage.substr(0, 7), "not a database"},
      {folder.file("100.sqlite"), garbage.substr(0, 100), "not a database"},
      {folder.file("4096.sqlite"), garbage, "not a database"},
      {folder.file("other.sqlite"), "", "not a settings file"},
      {folder.file("not-a-folder") + "/settings.sqlite", "", "could not be opened"},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.path);
    if (c.bytes.empty()) c.bytes = readBytes(c.path);
    else writeBytes(c.path, c.bytes);
    {
      SqliteSettingsStore store(c.path);
      EXPECT_FALSE(store.saveSetting("myAccount", "Checking"));
      EXPECT_NE(store.lastError().find("\"" + c.path + "\""), std::string::npos) << store.lastError();
      EXPECT_NE(store.lastError().find(c.problem), std::string::npos) << store.lastError();
      EXPECT_EQ(store.readSetting("myAccount"), std::nullopt);
      EXPECT_TRUE(store.enumerate().empty());
      EXPECT_EQ(store.readAndAdvance("lastFCN", [](const auto&) { return std::string("1"); }),
                std::nullopt);
      if (c.problem == "not a database") {
        EXPECT_FALSE(store.isUsable());
        EXPECT_FALSE(store.deleteSetting("myAccount"));
      }
    }
    EXPECT_EQ(readBytes(c.path), c.bytes);
    EXPECT_FALSE(std::filesystem::exists(c.path + "-journal"));
  }
  writeBytes(path, "");
  SqliteSettingsStore store(path);
  ASSERT_TRUE(store.saveSetting("myAccount", "Checking"));
  EXPECT_EQ(store.readSetting("myAccount"), "Checking");
}

TEST_F(SqliteSettingsStoreTest, readAndAdvanceHandsOverTheStoredValue) {
  SqliteSettingsStore store(path);
  std::optional<std::string> seen = "untouched";
  auto advance = [&](const std::optional<std::string>& current) {
    seen = current;
    return current ? std::to_string(std::stoi(*current) + 1) : std::string("1000");
  };
  EXPECT_EQ(store.readAndAdvance("nextTDCanadaBankFileNumber", advance), "1000");
  EXPECT_EQ(seen, std::nullopt);
  EXPECT_EQ(store.readAndAdvance("NEXTTDCANADABANKFILENUMBER", advance), "1001");
  EXPECT_EQ(seen, "1000");
  EXPECT_EQ(store.readSetting("nextTDCanadaBankFileNumber"), "1001");
  // A failing advance changes nothing.
  EXPECT_EQ(store.readAndAdvance("nextTDCanadaBankFileNumber",
                                 [](const auto& current) -> std::string {
                                   throw std::runtime_error(*current);
                                 }),
            std::nullopt);
  EXPECT_NE(store.lastError(), "");
  EXPECT_EQ(store.readSetting("nextTDCanadaBankFileNumber"), "1001");
}

// Two copies of the program handing out file numbers at once never hand out the same one.
TEST_F(SqliteSettingsStoreTest, twoProcessesAdvancingACounterNeverGetTheSameNumber) {
  constexpr int perProcess = 200;
  {
    SqliteSettingsStore store(path);
    ASSERT_TRUE(store.isUsable());
  }
  pid_t children[2] = {0, 0};
  for (int child = 0; child < 2; ++child) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      SqliteSettingsStore store(path);
      std::ofstream out(folder.file("numbers" + std::to_string(child)));
      for (int i = 0; i < perProcess; ++i) {
        const std::optional<std::string> number = store.readAndAdvance(
            "lastFCN", [](const std::optional<std::string>& current) {
              return std::to_string(current ? std::stoll(*current) + 1 : 1);
            });
        if (!number) _exit(3);
        out << *number << '\n';
      }
      out.close();
      _exit(out ? 0 : 4);
    }
    children[child] = pid;
  }
  for (pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
  std::set<long long> numbers;
  std::size_t count = 0;
  for (int child = 0; child < 2; ++child) {
    std::ifstream in(folder.file("numbers" + std::to_string(child)));
    for (long long number = 0; in >> number; ++count) numbers.insert(number);
  }
  EXPECT_EQ(count, 2u * perProcess);
  EXPECT_EQ(numbers.size(), 2u * perProcess);
  EXPECT_EQ(*numbers.begin(), 1);
  EXPECT_EQ(*numbers.rbegin(), 2 * perProcess);
}

TEST_F(SqliteSettingsStoreTest, aCopyHoldingTheStoreLockedMakesTheOtherWaitNotFail) {
  {
    SqliteSettingsStore store(path);
    ASSERT_TRUE(store.saveSetting("CheckingbankID", "old"));
  }
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t holder = fork();
  ASSERT_GE(holder, 0);
  if (holder == 0) {
    // Another copy of the program in the middle of a long write.
    sqlite3* database = nullptr;
    if (sqlite3_open(path.c_str(), &database) != SQLITE_OK) _exit(3);
    if (sqlite3_exec(database, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK) _exit(4);
    if (write(ready[1], "x", 1) != 1) _exit(5);
    usleep(700 * 1000);
    sqlite3_exec(database, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(database);
    _exit(0);
  }
  char signal = 0;
  ASSERT_EQ(read(ready[0], &signal, 1), 1);
  SqliteSettingsStore store(path);
  EXPECT_TRUE(store.saveSetting("CheckingbankID", "new")) << store.lastError();
  int status = 0;
  ASSERT_EQ(waitpid(holder, &status, 0), holder);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(store.readSetting("CheckingbankID"), "new");
  close(ready[0]);
  close(ready[1]);
}

}  // namespace
}  // namespace ppexport

#endif  // _WIN32

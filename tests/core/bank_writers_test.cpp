// What bank writers do beyond the bytes of their files (tests/core/bank_files_test.cpp): the file
// numbers of Royal Bank and TD Bank Canada kept in the settings store, and files that cannot be
// written.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "custom/custom_writers.h"
#include "formats/bank_formats.h"
#include "support/temp_folder.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::TempFolder;
using testing::WrittenFile;
using testing::WriterFixture;
using testing::writeBankFile;

// An issued check, a cleared void, a cleared check and a deposit.
const std::vector<Check> register_ = {
    {.number = "1234", .date = "03/05/2024", .amount = "-1,500.00", .name = "Acme Supply"},
    {.number = "1235", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "Bolt & Nut", .description = "VOID: 75.25 wrong amount"},
    {.number = "1236", .cleared = "Cleared", .date = "03/07/2024", .amount = "-20.00"},
    {.number = "", .date = "03/08/2024", .amount = "900.00", .description = "Deposit"},
};

TEST(RoyalBankOfCanada, fileControlNumbersRiseFromFileToFileAndWrapAfter9999) {
  WriterFixture fixture(register_);
  fixture.inputs.bankId = "12345";
  fixture.inputs.accountId = "1234567";
  const auto headerNumber = [&] {
    return testing::writeBankFile(writeRoyalBankOfCanada, fixture).lines.at(0).substr(15, 4);
  };
  EXPECT_EQ(headerNumber(), "1235");
  EXPECT_EQ(fixture.settings.readSetting("lastFCN"), "1235");
  EXPECT_EQ(headerNumber(), "1236");
  fixture.settings.saveSetting("lastFCN", "9999");
  EXPECT_EQ(headerNumber(), "0000");
  EXPECT_EQ(fixture.settings.readSetting("lastFCN"), "0000");
  EXPECT_EQ(headerNumber(), "0001");
}

TEST(RoyalBankOfCanada, aFailingStoreWritesNoFileAndKeepsTheEarlierOne) {
  WriterFixture fixture(register_);
  testing::TempFolder folder;
  fixture.inputs.fileName = folder.file("rbc.txt");
  testing::writeBytes(fixture.inputs.fileName, "earlier file\r\n");
  fixture.settings.saveSetting("lastFCN", "1240");
  fixture.settings.failWith("database is locked");
  WriterResult result = writeRoyalBankOfCanada(fixture.inputs);
  EXPECT_FALSE(result.written);
  EXPECT_NE(result.failure.find("database is locked"), std::string::npos) << result.failure;
  EXPECT_EQ(testing::readBytes(fixture.inputs.fileName), "earlier file\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);
  fixture.settings.failWith("");
  EXPECT_EQ(fixture.settings.readSetting("lastFCN"), "1240");

  fixture.inputs.settings = nullptr;
  EXPECT_FALSE(writeRoyalBankOfCanada(fixture.inputs).written);
}

// Also a file without details takes its number.
TEST(TdBankCanada, fileNumbersRiseFromFileToFile) {
  WriterFixture fixture(register_);
  EXPECT_EQ(writeBankFile(writeTdBankCanada, fixture).lines.at(0).substr(61, 8), "00001000");
  testing::dropBill1(fixture);
  EXPECT_EQ(writeBankFile(writeTdBankCanada, fixture).lines.at(0).substr(61, 8), "00001001");
  EXPECT_EQ(fixture.settings.readSetting("nextTDCanadaBankFileNumber"), "1002");
}

TEST(TdBankCanada, noFileWithoutAFreshFileNumber) {
  struct Case {
    std::string stored;
    std::string storeFailure;
  } cases[] = {
      {"1500", "disk I/O error"},
      {"9223372036854775807", ""},  // no number can follow it
  };
  for (const Case& c : cases) {
    WriterFixture fixture(register_);
    fixture.settings.saveSetting("nextTDCanadaBankFileNumber", c.stored);
    fixture.settings.failWith(c.storeFailure);
    testing::TempFolder folder;
    fixture.inputs.fileName = folder.file("td.txt");
    testing::writeBytes(fixture.inputs.fileName, "earlier file\r\n");
    WriterResult result = writeTdBankCanada(fixture.inputs);
    EXPECT_FALSE(result.written);
    EXPECT_NE(result.failure.find(c.storeFailure.empty() ? c.stored : c.storeFailure),
              std::string::npos)
        << result.failure;
    EXPECT_EQ(testing::readBytes(fixture.inputs.fileName), "earlier file\r\n");
    fixture.settings.failWith("");
    EXPECT_EQ(fixture.settings.readSetting("nextTDCanadaBankFileNumber"), c.stored);
  }
}

TEST(BankWriters, aFileThatCannotBeWrittenIsReportedWithItsCount) {
  WriterFixture fixture(register_);
  TempFolder folder;
  fixture.inputs.fileName = folder.file("missing-folder/out.txt");
  WriterResult result = writeGenericBankFormat(fixture.inputs);
  EXPECT_FALSE(result.written);
  EXPECT_FALSE(result.failure.empty());
  EXPECT_EQ(result.count, 2);
  EXPECT_FALSE(std::filesystem::exists(fixture.inputs.fileName));
}

#ifndef _WIN32  // Windows has no file size limit to play a full disk with.
// Writes a long Generic Bank Format file over target while the file size limit stops writes after
// 4 KB, as a full disk would (the limit holds even for the administrator). True when the writer
// reported the failure, the earlier file stayed whole and no temporary file was left behind.
bool failedWriteKeepsEarlierFile(const TempFolder& folder, const std::string& target) {
  std::vector<Check> many(2000, Check{.number = "1001"});
  WriterFixture fixture(many);
  fixture.inputs.fileName = target;
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{4096, 4096};
  setrlimit(RLIMIT_FSIZE, &limit);
  WriterResult result = writeGenericBankFormat(fixture.inputs);
  const bool intact = testing::readBytes(target) == "earlier file\r\n";
  const bool alone = std::distance(std::filesystem::directory_iterator(folder.path()),
                                   std::filesystem::directory_iterator()) == 1;
  return !result.written && !result.failure.empty() && intact && alone;
}

TEST(BankWritersDeathTest, aFailedWriteKeepsTheEarlierFile) {
  TempFolder folder;
  const std::string target = folder.file("out.txt");
  testing::writeBytes(target, "earlier file\r\n");
  EXPECT_EXIT(std::exit(failedWriteKeepsEarlierFile(folder, target) ? 0 : 1),
              ::testing::ExitedWithCode(0), "");
}
#endif

// Amounts near the 64-bit limit of cents: the control totals of header and trailer records go past
// it. Every format still writes its file (the sanitized build would stop at an overflowing sum),
// and the amounts stand cut in their fields as the writers record.
TEST(BankWriters, controlTotalsPastTheLimitOfCentsDoNotBreakAnyFormat) {
  const std::vector<Check> huge = {
      {.number = "1", .date = "03/05/2024", .amount = "-88,888,888,888,888,888.00"},
      {.number = "2", .date = "03/05/2024", .amount = "-88,888,888,888,888,888.00"},
      {.number = "3", .cleared = "Cleared", .date = "03/05/2024", .amount = "0.00",
       .description = "VOID: 88888888888888888.00"},
      {.number = "4", .cleared = "Cleared", .date = "03/05/2024", .amount = "0.00",
       .description = "VOID: 88888888888888888.00"},
  };
  for (const BankFormat& format : builtInBankFormats()) {
    WriterFixture fixture(huge);
    const WrittenFile file = writeBankFile(format.writer, fixture);
    EXPECT_TRUE(file.result.written) << format.name << ": " << file.result.failure;
    EXPECT_GE(file.result.checks.size(), 2u) << format.name;
  }
}

// A row left out, for a negative amount or as sent before, is warned about and counted once, also
// by the formats whose header carries the count of the records that follow it.
TEST(BankWriters, aRowLeftOutIsWarnedAboutAndCountedOnce) {
  const std::vector<Check> rows = {
      {.number = "1001", .date = "03/05/2024", .amount = "-10.00", .name = "Acme Supply"},
      {.number = "6001", .date = "03/05/2024", .amount = "100.00", .name = "Refund Co"},
      {.number = "1002", .date = "03/06/2024", .amount = "-20.00", .name = "Bolt & Nut"},
  };
  auto check = [](std::string_view name, WriterFixture& fixture, FormatWriter writer) {
    fixture.inputs.bankCode = "0001 - NC";
    fixture.inputs.leaveOut = [](std::string_view number, bool, std::int64_t) {
      return number == "1001";
    };
    const WrittenFile file = writeBankFile(writer, fixture);
    EXPECT_EQ(file.result.leftOut, 1) << name;
    EXPECT_EQ(std::count(file.result.warnings.begin(), file.result.warnings.end(),
                         "Warning: check 6001 has a negative amount, -100.00, and was left out"),
              1)
        << name;
  };
  for (const BankFormat& format : builtInBankFormats()) {
    WriterFixture fixture(rows);
    check(format.name, fixture, format.writer);
  }
  WriterFixture custom(rows);
  custom.inputs.customFormatName = "Counted";
  for (auto [key, value] : {std::pair{"Custom Format: Counted", "Counted"},
                            {"CountedCustomField1", "Check Number"},
                            {"CountedFieldLength1", "6"},
                            {"CountedOptionFixed", "True"},
                            {"CountedFormatVersion", "2"},
                            {"CountedHeaderField1", "Check Count"},
                            {"CountedHeaderLength1", "4"}}) {
    custom.settings.saveSetting(key, value);
  }
  check("custom", custom, writeCustomFixed);
}

TEST(BankWriters, anExistingFileIsReplacedNotAppended) {
  WriterFixture fixture(register_);
  TempFolder folder;
  fixture.inputs.fileName = folder.file("out.txt");
  testing::writeBytes(fixture.inputs.fileName, std::string(5000, 'x'));
  writeRegionsBank(fixture.inputs);
  EXPECT_EQ(testing::readLines(fixture.inputs.fileName).size(), 2u);
}

}  // namespace
}  // namespace ppexport

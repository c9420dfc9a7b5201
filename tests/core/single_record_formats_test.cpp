#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>
#include <filesystem>

#include "formats/bank_formats.h"
#include "support/temp_folder.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::GoldenFile;
using testing::sp;
using testing::TempFolder;
using testing::WriterFixture;
using testing::writeBankFile;
using testing::writesGoldenFiles;

const std::vector<Check> register_ = {
    {.number = "1234", .date = "03/05/2024", .amount = "-1,500.00",
     .name = "Acme Supply Company Inc"},
    {.number = "1235", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "Bolt & Nut", .description = "VOID: 75.25 wrong amount"},
    {.number = "1236", .cleared = "Cleared", .date = "03/07/2024", .amount = "-20.00",
     .name = "Cleared Co"},
    {.number = "", .date = "03/08/2024", .amount = "900.00", .description = "Deposit"},
};

TEST(SingleRecordFormats, goldenFiles) {
  const GoldenFile cases[] = {
      {writeGenericBankFormat, {.accountId = "987654", .remoteId = "ABC"}, 2,
       {"ABC" + sp(88),
        "P 0000000000000000987654 000000000000001234 000000000000150000 20240305" + sp(11),
        "V 0000000000000000987654 000000000000001235 000000000000007525 20240306" + sp(11)},
       {"ABC" + sp(88)}},
      // The payee cut to fifteen.
      {writeRegionsBank, {.accountId = "987654"}, 2,
       {"000098765400000012340000150000030524Acme Supply ComP",
        "000098765400000012350000007525030624Bolt & Nut     V"}},
  };
  for (const GoldenFile& c : cases) EXPECT_TRUE(writesGoldenFiles(register_, c));

  // The void carries its date twice, and the payee is the vendor's name on checks.
  EXPECT_TRUE(writesGoldenFiles(
      register_,
      {writeColoradoBusinessBank, {.accountId = "987654"}, 2,
       {"0000987654 0000001234 03052024 00000150000 O          Acme Supply Company Inc" + sp(12),
        "0000987654 0000001235 03062024 00000007525 V 03062024 Bolt and Nut Inc" + sp(19)}},
      {{"Full Name", "Print on Checks"}, {"Bolt & Nut", "Bolt and Nut Inc"}}));

  // Capital One takes every numbered check, cleared or not, with its status.
  EXPECT_TRUE(writesGoldenFiles(
      {{.number = "1", .cleared = "Uncleared", .amount = "-1.00"},
       {.number = "2", .cleared = "Pending", .amount = "-2.00"},
       {.number = "3", .cleared = "Cleared", .amount = "-3.00"},
       {.number = "4", .cleared = "", .amount = "-4.00"},
       {.number = "5", .cleared = "Cleared", .amount = "0", .description = "VOID: 5"},
       {.number = "EFT", .cleared = "Uncleared"}},
      {writeCapitalOneBank, {.accountId = "55"}, 5,
       {"000000005500000000010000000100030524O", "000000005500000000020000000200030524P",
        "000000005500000000030000000300030524R", "000000005500000000040000000400030524",
        "000000005500000000050000000500030524N"}}));
}

TEST(GenericBankFormat, theHeaderIsTheRemoteIdCutOrBlank) {
  EXPECT_EQ(writeBankFile(writeGenericBankFormat, register_, {.remoteId = std::string(95, 'R')})
                .lines.at(0),
            std::string(91, 'R'));
  EXPECT_EQ(writeBankFile(writeGenericBankFormat, register_, {}).lines.at(0), sp(91));
}

TEST(BankWriters, unreadableCellsAndLongAmountsAreWrittenAndWarned) {
  auto file = writeBankFile(writeRegionsBank,
                            {{.number = "1", .date = "not a date", .amount = "-1.00"},
                             {.number = "2", .date = "03/05/2024", .amount = "lots"},
                             {.number = "3", .date = "03/05/2024", .amount = "-123456789.00"}},
                            {});
  EXPECT_TRUE(file.result.written);
  EXPECT_EQ(file.result.warnings, (std::vector<std::string>{
                                      "Warning: check 1: unreadable date, written blank",
                                      "Warning: check 2: unreadable amount, written as 0",
                                      "Warning: check 3: amount too long for its field"}));
  EXPECT_EQ(file.lines, (std::vector<std::string>{
                            "000000000000000000010000000100" + sp(6 + 15) + "P",
                            "000000000000000000020000000000030524" + sp(15) + "P",
                            "000000000000000000032345678900030524" + sp(15) + "P"}));
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

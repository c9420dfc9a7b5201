#include <gtest/gtest.h>

#include "formats/bank_formats.h"
#include "support/temp_folder.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::GoldenFile;
using testing::sp;
using testing::WriterFixture;
using testing::writeBankFile;

const std::vector<Check> register_ = {
    {.number = "1001", .date = "02/01/2024", .amount = "-0.05", .name = "O'Brien & Sons"},
    {.number = "1002", .cleared = "Cleared", .date = "12/31/2024", .amount = "0.00",
     .name = "Acme Supply", .description = "VOID: 25.00"},
};

const WriterInputs canada{
    .bankId = "1234567", .accountId = "12345", .remoteId = "ACME LTD", .batchId = "678"};

std::string canadaHeader(std::string_view fileNumber) {
  return "H1234500678123456" "7ACME LTD" + sp(22) + "20261205" + sp(5) + std::string(fileNumber) +
         sp(9) + "1N";
}

TEST(TdBank, goldenFiles) {
  const GoldenFile cases[] = {
      // A fresh store gives the file number 1000; the trailer totals the register amounts, so the
      // void adds nothing.
      {writeTdBankCanada, canada, 2,
       {canadaHeader("00001000"),
        "I0000001001000000000005" "20240201" + sp(9) + "OBrien  Sons" + sp(28),
        "V0000001002000000002500" "20241231" + sp(9) + "Acme Supply" + sp(29),
        "T000000002" "0000000000005" + sp(57)},
       {canadaHeader("00001000"), "T000000000" "0000000000000" + sp(57)}},
      // Year and day of year, and the trailer "T".
      {writeTdBankArp, {.bankId = "123456", .accountId = "987654"}, 2,
       {"1234020000000000987654600000001001" "00000000005O'BRIEN & SONS" + sp(16) + "2024032" "10",
        "1234020000000000987654600000001002" "00000002500ACME SUPPLY" + sp(19) + "2024366" "11",
        "T"},
       {"T"}},
  };
  for (const GoldenFile& c : cases) EXPECT_TRUE(testing::writesGoldenFiles(register_, c));

  // A short bank ID is filled with zeros on the right.
  EXPECT_EQ(writeBankFile(writeTdBankArp, register_, {.bankId = "12"}).lines.at(0).substr(0, 4),
            "1200");
}

// Also a file without details takes its number.
TEST(TdBankCanada, fileNumbersRiseFromFileToFile) {
  WriterFixture fixture(register_);
  EXPECT_EQ(writeBankFile(writeTdBankCanada, fixture).lines.at(0).substr(61, 8), "00001000");
  testing::dropBill1(fixture);
  EXPECT_EQ(writeBankFile(writeTdBankCanada, fixture).lines.at(0).substr(61, 8), "00001001");
  EXPECT_EQ(fixture.settings.readSetting("nextTDCanadaBankFileNumber"), "1002");
}

TEST(TdBankCanada, aStoredFileNumberThatIsNotANumberCountsAsOneThousand) {
  struct Case {
    std::string stored;
    std::string fileNumber;
    std::string next;
  } cases[] = {
      {"1500", "00001500", "1501"},
      {"+42", "00000042", "43"},
      {"-3", "000000-3", "-2"},
      {"abc", "00001000", "1001"},
      {"", "00001000", "1001"},
      {" 42", "00001000", "1001"},
      {"4.5", "00001000", "1001"},
      {"+-5", "00001000", "1001"},
      {"9223372036854775808", "00001000", "1001"},
  };
  for (const Case& c : cases) {
    WriterFixture fixture({});
    fixture.settings.saveSetting("nextTDCanadaBankFileNumber", c.stored);
    EXPECT_EQ(writeBankFile(writeTdBankCanada, fixture).lines.at(0).substr(61, 8), c.fileNumber)
        << c.stored;
    EXPECT_EQ(fixture.settings.readSetting("nextTDCanadaBankFileNumber"), c.next) << c.stored;
  }
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

}  // namespace
}  // namespace ppexport

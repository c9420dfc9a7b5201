#include <gtest/gtest.h>

#include <filesystem>

#include "formats/bank_formats.h"
#include "formats/file_control_number.h"
#include "support/temp_folder.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::sp;
using testing::WriterFixture;

const std::vector<Check> register_ = {
    {.number = "1234", .date = "03/05/2024", .amount = "-1,500.00", .name = "Acme, Inc."},
    {.number = "1235", .cleared = "Cleared", .date = "03/06/2024", .amount = "0.00",
     .name = "Bolt & Nut", .description = "VOID: 125.50 wrong payee"},
    {.number = "1236", .cleared = "Cleared", .amount = "0", .name = "Cole", .description = "VOID"},
};

const WriterInputs identifiers{.bankId = "12345", .accountId = "1234567"};

// Issued and void records; the trailer counts every record and totals the void amounts too. A
// fresh store gives the file control number 1235.
TEST(RoyalBankOfCanada, goldenFiles) {
  const std::string header = "000123451234567" "1235" + sp(61);
  EXPECT_TRUE(testing::writesGoldenFiles(
      register_,
      {writeRoyalBankOfCanada, identifiers, 3,
       {header, "300123451234567" "000012340000150000" + sp(27) + "030524" + sp(14),
        "490123451234567" "000012350000012550" + sp(19) + "00001235" "030624030624" + sp(8),
        "490123451234567" "000012360000000000" + sp(19) + "00001236" "030524030524" + sp(8),
        "999123451234567" "00000005" "0000000162550" + sp(44)},
       {header, "999123451234567" "00000002" + std::string(13, '0') + sp(44)}}));
}

TEST(RoyalBankOfCanada, fileControlNumbersRiseFromFileToFileAndWrapAfter9999) {
  WriterFixture fixture(register_);
  fixture.inputs.bankId = identifiers.bankId;
  fixture.inputs.accountId = identifiers.accountId;
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

TEST(FileControlNumber, followsTheStoredNumber) {
  const Date today{2026, 12, 5};  // day number 46361
  const struct {
    std::optional<std::string> stored;
    std::size_t width;
    std::string next;
  } cases[] = {
      {std::nullopt, 4, "1235"}, {"1235", 4, "1236"},   {"9999", 4, "0000"},
      {"0000", 4, "1"},          {" 77 ", 4, "78"},     {std::nullopt, 2, "35"},
      {"abc", 4, "6361"},        {"", 4, "6361"},       {"12.5", 4, "6361"},
      {"-3", 4, "6361"},         {"99999999999999999999", 4, "6361"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(followingFileControlNumber(c.stored, today, c.width), c.next)
        << c.stored.value_or("<none>");
  }
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

}  // namespace
}  // namespace ppexport

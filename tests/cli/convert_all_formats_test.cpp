#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "support/bank_format_shapes.h"
#include "support/run_program.h"
#include "support/temp_folder.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::BankFormatShape;
using testing::SelectedRows;

// The rows each selection takes from the sample check report, and the voids among them.
SelectedRows sampleRows(Selection selection) {
  switch (selection) {
    case Selection::UnclearedOrVoid:
      return {6, 2};  // 1002, 1003, 1005 (a cleared void), 1006, 1008 (a void), 1009
    case Selection::EveryNumberedCheck:
      return {9, 2};  // 1001 to 1009
    case Selection::UnclearedOnly:
      return {5, 1};  // 1002, 1003, 1006, 1008, 1009
    case Selection::UnclearedIssuedOnly:
      return {4, 0};  // 1002, 1003, 1006, 1009
  }
  return {};
}

// A code of the format's own list, for the formats that take one.
std::string bankCodeFor(std::string_view bankFormat) {
  return bankFormat == "Citibank - Standard Positive Pay" ? "001" : "0001";
}

class ConvertEveryBankFormat : public ::testing::TestWithParam<BankFormatShape> {};

TEST_P(ConvertEveryBankFormat, writesTheSampleChecksAndPrintsTheirCount) {
  const BankFormatShape& shape = GetParam();
  testing::TempFolder folder;
  const std::string output = folder.file("bank.txt");
  const std::string data = std::string(PPEXPORT_SOURCE_DIR) + "/data/";
  testing::ProgramRun run = testing::runPpexport(
      {"--settings", folder.file("settings.sqlite"), "--now", "2026-12-05T19:05", "convert", "--checks", data + "sample-checks.txt", "--vendors",
       data + "sample-vendors.txt", "--bank", std::string(shape.name), "--output", output,
       "--bank-id", "12345", "--account-id", "987654321", "--remote-id", "ACME CORP",
       "--batch-id", "001", "--bank-code", bankCodeFor(shape.name)});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  std::smatch created;
  ASSERT_TRUE(std::regex_search(run.out, created,
                                std::regex("^Created (.*) with ([0-9]+) check records?\\.\n")))
      << run.out;
  EXPECT_EQ(created[1], output);
  const SelectedRows selected = sampleRows(shape.selection);
  EXPECT_EQ(std::stoi(created[2]), testing::expectedCount(shape, selected));
  EXPECT_TRUE(testing::linesHaveShape(testing::readLines(output), shape, selected));
  EXPECT_TRUE(testing::matchesGolden(testing::readBytes(output),
                                     testing::testNameOf(shape.name) + "/sample.txt"));
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, ConvertEveryBankFormat,
                         ::testing::ValuesIn(testing::bankFormatShapes()),
                         [](const ::testing::TestParamInfo<BankFormatShape>& info) {
                           return testing::testNameOf(info.param.name);
                         });

}  // namespace
}  // namespace ppexport

// The files of the built-in bank formats, byte for byte against the golden files under
// tests/golden/<format>/: every format on one month of a check register (each line also checked
// against the format's layout table), and each format on the registers of its own edge cases,
// which tests/golden/bank-file-cases.txt holds with the identifiers, count and warnings of each.

#include <gtest/gtest.h>

#include "formats/bank_formats.h"
#include "support/bank_format_shapes.h"
#include "support/case_file.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::BankFormatShape;
using testing::SelectedRows;
using testing::WriterFixture;
using testing::Lines;

using BankFileCase = testing::CaseFile::Case;  // its "case" line names format and golden file

const Lines& table(const std::string& name) {
  return testing::caseFile("bank-file-cases.txt").tables.at(name);
}

// The rows each selection takes from that month, and the voids among them.
SelectedRows selectedRows(Selection selection) {
  switch (selection) {
    case Selection::UnclearedOrVoid:
      return {4, 2};  // 1001, 1003, 1004, 1005
    case Selection::EveryNumberedCheck:
      return {5, 2};  // 1001 to 1005
    case Selection::UnclearedOnly:
      return {3, 1};  // 1001, 1004, 1005
    case Selection::UnclearedIssuedOnly:
      return {2, 0};  // 1001, 1005
  }
  return {};
}

std::string goldenName(std::string_view format, const std::string& name) {
  return testing::testNameOf(format) + "/" + name + ".txt";
}

TEST(AllBankFormats, theTableNamesEveryBuiltInFormatInBankListOrder) {
  const auto formats = builtInBankFormats();
  const auto& shapes = testing::bankFormatShapes();
  ASSERT_EQ(formats.size(), 38u);
  ASSERT_EQ(shapes.size(), formats.size());
  for (std::size_t i = 0; i < formats.size(); ++i) EXPECT_EQ(formats[i].name, shapes[i].name);
}

class EveryBankFormat : public ::testing::TestWithParam<BankFormatShape> {};

// The month, and a check table without the "Bill 1" heading, of which no row qualifies: the
// header and trailer alone, or nothing.
TEST_P(EveryBankFormat, writesTheMonthInItsLayoutAndCountsItsRows) {
  const BankFormatShape& shape = GetParam();
  const BankFormat* format = findBankFormat(shape.name);
  ASSERT_NE(format, nullptr) << shape.name;
  for (bool withoutBill1 : {false, true}) {
    WriterFixture fixture({});
    fixture.checks = testing::reportTable(table("month"));
    if (withoutBill1) testing::dropBill1(fixture);
    fixture.inputs.bankId = "12345";
    fixture.inputs.accountId = "987654321";
    fixture.inputs.remoteId = "ACME CORP";
    fixture.inputs.batchId = "001";
    fixture.inputs.bankCode = "0001 - NC";
    const testing::WrittenFile file = testing::writeBankFile(format->writer, fixture);
    const SelectedRows selected = withoutBill1 ? SelectedRows{} : selectedRows(shape.selection);
    EXPECT_TRUE(file.result.written);
    EXPECT_EQ(file.result.count, testing::expectedCount(shape, selected));
    // A layout without a void field warns of each void it leaves out.
    std::vector<std::string> warnings;
    if (shape.selection == Selection::UnclearedIssuedOnly && !withoutBill1) {
      for (const char* number : {"1003", "1004"}) {
        warnings.push_back(std::string("Warning: check ") + number +
                           ": void left out: the layout has no void field; tell the bank another way");
      }
    }
    EXPECT_EQ(file.result.warnings, warnings);
    EXPECT_TRUE(testing::linesHaveShape(file.lines, shape, selected));
    EXPECT_TRUE(testing::matchesGolden(
        file.bytes, goldenName(shape.name, withoutBill1 ? "month-without-bill1" : "month")));
  }
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, EveryBankFormat, ::testing::ValuesIn(testing::bankFormatShapes()),
                         [](const ::testing::TestParamInfo<BankFormatShape>& info) {
                           return testing::testNameOf(info.param.name);
                         });

class BankFile : public ::testing::TestWithParam<BankFileCase> {};

TEST_P(BankFile, isWrittenByteForByteWithItsCountAndWarnings) {
  const BankFileCase& c = GetParam();
  const std::string& name = c.lines[0].at(1);
  const BankFormat* format = findBankFormat(name);
  ASSERT_NE(format, nullptr) << name;
  const std::string vendors = c.get("vendors");
  WriterFixture fixture({}, vendors.empty() ? Lines{} : table(vendors));
  fixture.checks = testing::reportTable(table(c.get("register")));
  fixture.inputs.bankId = c.get("bankId");
  fixture.inputs.accountId = c.get("accountId");
  fixture.inputs.remoteId = c.get("remoteId");
  fixture.inputs.batchId = c.get("batchId");
  fixture.inputs.bankCode = c.get("bankCode");
  fixture.inputs.payeeVerification = c.get("payeeVerification") == "yes";
  if (c.get("now") == "yes") fixture.inputs.now = DateTime{Date{2024, 5, 20}, 9, 30};
  const testing::WrittenFile file = testing::writeBankFile(format->writer, fixture);
  EXPECT_TRUE(file.result.written) << file.result.failure;
  EXPECT_EQ(file.result.count, std::stoi(c.get("count")));
  std::vector<std::string> warnings;
  for (const auto& warning : c.all("warning")) warnings.push_back(warning.at(0));
  EXPECT_EQ(file.result.warnings, warnings);
  EXPECT_TRUE(testing::matchesGolden(file.bytes, goldenName(name, c.lines[0].at(2))));
}

INSTANTIATE_TEST_SUITE_P(Cases, BankFile, ::testing::ValuesIn(testing::caseFile("bank-file-cases.txt").cases),
                         [](const ::testing::TestParamInfo<BankFileCase>& info) {
                           return testing::testNameOf(info.param.lines[0].at(1)) + "_" +
                                  testing::testNameOf(info.param.lines[0].at(2));
                         });

}  // namespace
}  // namespace ppexport

#include <gtest/gtest.h>

#include <filesystem>

#include "formats/bank_formats.h"
#include "support/bank_format_shapes.h"
#include "support/reports.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::BankFormatShape;
using testing::Check;
using testing::SelectedRows;

// A month of a check register: an uncleared check to a payee with a comma (and a "#"), a cleared
// check, a cleared void with its amount in the memo, an uncleared void without one, a deposit
// without a number, a check to a one-time payee and an electronic payment. Every line carries
// another date than the next, so Union Bank closes a date run after every check.
const std::vector<Check> register_ = {
    {.number = "1001", .date = "11/02/2026", .amount = "-1,234.50", .name = "Acme, Inc. #2",
     .more = {{"Bill 2", "120 Dock St"}, {"Bill 3", "Portland ME 04101"}}},
    {.number = "1002", .cleared = "Cleared", .date = "11/03/2026", .amount = "-20.00",
     .name = "Harbor Office Supply"},
    {.number = "1003", .cleared = "Cleared", .date = "11/04/2026", .amount = "0.00",
     .name = "Casco Bay Electric", .description = "VOID: 75.25 wrong payee"},
    {.number = "1004", .date = "11/05/2026", .amount = "0.00", .name = "Pine Ridge Properties",
     .description = "VOID"},
    {.number = "", .date = "11/06/2026", .amount = "5,400.00", .description = "Deposit"},
    {.number = "1005", .date = "11/07/2026", .amount = "-3,250.00", .name = "Cash",
     .nameType = "Payee", .bill1 = "Petty Cash Fund"},
    {.number = "EFT", .date = "11/08/2026", .amount = "-842.19", .name = "State Tax Department"},
};

// The rows each selection takes from that register, and the voids among them.
SelectedRows selectedRows(Selection selection) {
  switch (selection) {
    case Selection::UnclearedOrVoid:
      return {4, 2};  // 1001, 1003, 1004, 1005
    case Selection::EveryNumberedCheck:
      return {5, 2};  // 1001 to 1005
    case Selection::UnclearedOnly:
      return {3, 1};  // 1001, 1004, 1005
  }
  return {};
}

TEST(AllBankFormats, theTableNamesEveryBuiltInFormatInBankListOrder) {
  const auto formats = builtInBankFormats();
  const auto& shapes = testing::bankFormatShapes();
  ASSERT_EQ(formats.size(), 35u);
  ASSERT_EQ(shapes.size(), formats.size());
  for (std::size_t i = 0; i < formats.size(); ++i) EXPECT_EQ(formats[i].name, shapes[i].name);
}

class EveryBankFormat : public ::testing::TestWithParam<BankFormatShape> {};

TEST_P(EveryBankFormat, writesEveryLineInItsShapeAndCountsItsRows) {
  const BankFormatShape& shape = GetParam();
  const BankFormat* format = findBankFormat(shape.name);
  ASSERT_NE(format, nullptr) << shape.name;
  testing::WriterFixture fixture(register_);
  testing::TempFolder folder;
  fixture.inputs.fileName = folder.file("bank.txt");
  fixture.inputs.bankId = "12345";
  fixture.inputs.accountId = "987654321";
  fixture.inputs.remoteId = "ACME CORP";
  fixture.inputs.batchId = "001";
  fixture.inputs.bankCode = "0001 - NC";
  WriterResult result = format->writer(fixture.inputs);
  const SelectedRows selected = selectedRows(shape.selection);
  EXPECT_TRUE(result.written);
  EXPECT_EQ(result.count, testing::expectedCount(shape, selected));
  EXPECT_EQ(result.warnings, std::vector<std::string>{});
  EXPECT_TRUE(testing::fileHasShape(fixture.inputs.fileName, shape, selected));
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, EveryBankFormat, ::testing::ValuesIn(testing::bankFormatShapes()),
                         [](const ::testing::TestParamInfo<BankFormatShape>& info) {
                           return testing::testNameOf(info.param.name);
                         });

}  // namespace
}  // namespace ppexport

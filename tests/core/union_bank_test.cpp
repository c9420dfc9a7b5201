#include <gtest/gtest.h>

#include "formats/bank_formats.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::Check;
using testing::linesAreLong;
using testing::WriterFixture;
using testing::writeBankFile;

testing::WrittenFile writeUnionBank(const std::vector<Check>& checks) {
  WriterFixture fixture(checks);
  fixture.inputs.accountId = "987654";
  fixture.inputs.bankId = "123";
  return writeBankFile(writeUnionBankOfCalifornia, fixture);
}

TEST(UnionBankOfCalifornia, aDateTotalAfterEachRunOfOneDate) {
  auto file = writeUnionBank({
      {.number = "1", .date = "03/05/2024", .amount = "-100.00"},
      {.number = "2", .date = "03/05/2024", .amount = "-250.00"},
      {.number = "3", .date = "03/06/2024", .amount = "-5.00"},
  });
  EXPECT_EQ(file.result.count, 3);
  EXPECT_EQ(file.lines, (std::vector<std::string>{"000098765400000000010305240000010000  0T",
                                                  "000098765400000000020305240000025000  0T",
                                                  "000098765401230000020305240000035000   X",
                                                  "000098765400000000030306240000000500  0T",
                                                  "000098765401230000010306240000000500   X"}));
  EXPECT_TRUE(linesAreLong(file.lines, 40));
}

TEST(UnionBankOfCalifornia, runsEndByTheNextTableRowAndAnOpenRunIsClosedAtTheEnd) {
  auto file = writeUnionBank({
      {.number = "1", .date = "03/05/2024", .amount = "-100.00"},
      {.number = "2", .cleared = "Cleared", .date = "03/05/2024", .amount = "-1.00"},
      {.number = "3", .date = "03/05/2024", .amount = "-250.00"},
      {.number = "", .date = "03/06/2024", .amount = "900.00", .description = "Deposit"},
      {.number = "4", .cleared = "Cleared", .date = "03/07/2024", .amount = "0",
       .description = "VOID: 40.00"},
      {.number = "5", .date = "3/8/2024", .amount = "-10.00"},
      {.number = "6", .date = "03/08/2024", .amount = "-20.00"},
      {.number = "7", .cleared = "Cleared", .date = "03/08/2024", .amount = "-3.00"},
  });
  // The void is written but neither counted nor totalled; "3/8/2024" and "03/08/2024" are other
  // texts, so they end a run although they are the same day.
  EXPECT_EQ(file.result.count, 4);
  EXPECT_EQ(file.lines, (std::vector<std::string>{"000098765400000000010305240000010000  0T",
                                                  "000098765400000000030305240000025000  0T",
                                                  "000098765401230000020305240000035000   X",
                                                  "000098765400000000040307240000004000  1T",
                                                  "000098765401230000000307240000000000   X",
                                                  "000098765400000000050308240000001000  0T",
                                                  "000098765401230000010308240000001000   X",
                                                  "000098765400000000060308240000002000  0T",
                                                  "000098765401230000010308240000002000   X"}));
  EXPECT_TRUE(linesAreLong(file.lines, 40));
}

TEST(UnionBankOfCalifornia, aMissingHeadingGivesAnEmptyFile) {
  WriterFixture fixture({});
  testing::dropBill1(fixture);
  auto file = writeBankFile(writeUnionBankOfCalifornia, fixture);
  EXPECT_EQ(file.result.count, 0);
  EXPECT_TRUE(file.result.written);
  EXPECT_TRUE(file.lines.empty());
}

}  // namespace
}  // namespace ppexport

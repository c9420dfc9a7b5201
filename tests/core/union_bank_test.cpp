#include <gtest/gtest.h>

#include "formats/bank_formats.h"
#include "support/written_file.h"

namespace ppexport {
namespace {

using testing::Check;

// A date total follows each run of one date; a run ends where the next table row carries another
// date text, and a run still open at the end of the table is closed too.
TEST(UnionBankOfCalifornia, aDateTotalAfterEachRunOfOneDate) {
  struct Case {
    std::vector<Check> checks;
    int count;
    std::vector<std::string> lines;
  } cases[] = {
      {{{.number = "1", .date = "03/05/2024", .amount = "-100.00"},
        {.number = "2", .date = "03/05/2024", .amount = "-250.00"},
        {.number = "3", .date = "03/06/2024", .amount = "-5.00"}},
       3,
       {"000098765400000000010305240000010000  0T", "000098765400000000020305240000025000  0T",
        "000098765401230000020305240000035000   X", "000098765400000000030306240000000500  0T",
        "000098765401230000010306240000000500   X"}},
      // The void is written but neither counted nor totalled; "3/8/2024" and "03/08/2024" are
      // other texts, so they end a run although they are the same day.
      {{{.number = "1", .date = "03/05/2024", .amount = "-100.00"},
        {.number = "2", .cleared = "Cleared", .date = "03/05/2024", .amount = "-1.00"},
        {.number = "3", .date = "03/05/2024", .amount = "-250.00"},
        {.number = "", .date = "03/06/2024", .amount = "900.00", .description = "Deposit"},
        {.number = "4", .cleared = "Cleared", .date = "03/07/2024", .amount = "0",
         .description = "VOID: 40.00"},
        {.number = "5", .date = "3/8/2024", .amount = "-10.00"},
        {.number = "6", .date = "03/08/2024", .amount = "-20.00"},
        {.number = "7", .cleared = "Cleared", .date = "03/08/2024", .amount = "-3.00"}},
       4,
       {"000098765400000000010305240000010000  0T", "000098765400000000030305240000025000  0T",
        "000098765401230000020305240000035000   X", "000098765400000000040307240000004000  1T",
        "000098765401230000000307240000000000   X", "000098765400000000050308240000001000  0T",
        "000098765401230000010308240000001000   X", "000098765400000000060308240000002000  0T",
        "000098765401230000010308240000002000   X"}},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(testing::writesGoldenFiles(
        c.checks, {writeUnionBankOfCalifornia, {.bankId = "123", .accountId = "987654"}, c.count,
                   c.lines}));
  }
}

}  // namespace
}  // namespace ppexport

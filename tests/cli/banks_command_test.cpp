#include <gtest/gtest.h>

#include "support/bank_format_shapes.h"
#include "support/run_program.h"

namespace ppexport {
namespace {

TEST(BanksCommand, printsTheBuiltInNamesOnePerLineInBankListOrder) {
  testing::ProgramRun run = testing::runPpexport({"banks"});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.err, "");
  std::string expected;
  for (const testing::BankFormatShape& shape : testing::bankFormatShapes()) {
    expected += std::string(shape.name) + "\n";
  }
  EXPECT_EQ(run.out, expected);
}

TEST(BanksCommand, refusesArguments) {
  testing::ProgramRun run = testing::runPpexport({"banks", "Chase - CSV Format"});
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err, "");
}

}  // namespace
}  // namespace ppexport

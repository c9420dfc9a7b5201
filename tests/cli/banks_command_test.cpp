#include <gtest/gtest.h>

#include "support/bank_format_shapes.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

TEST(BanksCommand, printsCustomFormatsFirstThenTheBuiltInNamesInBankListOrder) {
  testing::TempFolder folder;
  const std::string settings = folder.file("settings.sqlite");
  std::string builtIn;
  for (const testing::BankFormatShape& shape : testing::bankFormatShapes()) {
    builtIn += std::string(shape.name) + "\n";
  }
  testing::ProgramRun run = testing::runPpexport({"--settings", settings, "banks"});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, builtIn);

  testing::runPpexport(
      {"--settings", settings, "settings", "set", "Custom Format: Payroll", "Payroll"});
  EXPECT_EQ(testing::runPpexport({"--settings", settings, "banks"}).out,
            "Custom Format: Payroll\n" + builtIn);
}

TEST(BanksCommand, refusesArguments) {
  testing::ProgramRun run = testing::runPpexport({"banks", "Chase - CSV Format"});
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err, "");
}

}  // namespace
}  // namespace ppexport

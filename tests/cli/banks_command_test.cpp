#include <gtest/gtest.h>

#include "support/bank_format_shapes.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

std::string builtInNames() {
  std::string names;
  for (const testing::BankFormatShape& shape : testing::bankFormatShapes()) {
    names += std::string(shape.name) + "\n";
  }
  return names;
}

// Windows keeps the settings in the registry (of the test's own Wine prefix there); elsewhere the
// test keeps a settings file of its own.
TEST(BanksCommand, printsTheBuiltInNamesInBankListOrder) {
  testing::TempFolder folder;
#ifdef _WIN32
  testing::ProgramRun run = testing::runPpexport({"banks"});
#else
  testing::ProgramRun run =
      testing::runPpexport({"--settings", folder.file("settings.sqlite"), "banks"});
#endif
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, builtInNames());
}

#ifndef _WIN32
TEST(BanksCommand, listsCustomFormatsFirst) {
  testing::TempFolder folder;
  const std::string settings = folder.file("settings.sqlite");
  testing::runPpexport(
      {"--settings", settings, "settings", "set", "Custom Format: Payroll", "Payroll"});
  EXPECT_EQ(testing::runPpexport({"--settings", settings, "banks"}).out,
            "Custom Format: Payroll\n" + builtInNames());
}
#endif

TEST(BanksCommand, refusesArguments) {
  testing::ProgramRun run = testing::runPpexport({"banks", "Chase - CSV Format"});
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err, "");
}

}  // namespace
}  // namespace ppexport

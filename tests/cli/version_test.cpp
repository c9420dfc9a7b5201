#include <gtest/gtest.h>

#include "support/run_program.h"

namespace ppexport {
namespace {

// The version the installer and the package carry is the one the program prints.
TEST(VersionOption, printsTheProjectVersionWithoutASubcommand) {
  const testing::ProgramRun run = testing::runPpexport({"--version"});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.out, std::string("ppexport ") + PPEXPORT_VERSION + "\n");
  EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace ppexport

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>

#include <cstdlib>
#include <string>

namespace ppexport {
namespace {

// A result that never reached the script (here a full disk) is no success.
TEST(StandardOutput, aFailedWriteExitsWithOne) {
  const std::string command =
      std::string("'") + PPEXPORT_BINARY + "' help banks > /dev/full 2>/dev/null";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
}

}  // namespace
}  // namespace ppexport
#endif

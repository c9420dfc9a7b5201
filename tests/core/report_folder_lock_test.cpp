// Two copies of the program exporting at once: the second waits until the first has read its
// report, so neither reads the other's.
#ifndef _WIN32

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "quickbooks/report_folder_lock.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

TEST(ReportFolderLock, aSecondCopyWaitsUntilTheFirstHasReadItsReport) {
  testing::TempFolder folder;
  const std::string exporting = folder.file("first copy exporting");
  const std::string done = folder.file("first copy done");
  const pid_t first = fork();
  ASSERT_GE(first, 0);
  if (first == 0) {
    ReportFolderLock lock(folder.path().string());
    testing::writeBytes(exporting, "");
    usleep(300 * 1000);
    testing::writeBytes(done, "");
    _exit(lock.held() ? 0 : 1);
  }
  while (!std::filesystem::exists(exporting)) usleep(1000);
  {
    ReportFolderLock lock(folder.path().string());
    EXPECT_TRUE(lock.held());
    EXPECT_TRUE(std::filesystem::exists(done));
  }
  int status = 0;
  ASSERT_EQ(waitpid(first, &status, 0), first);
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(ReportFolderLock, aFolderWithoutALockFileGoesOnUnguarded) {
  ReportFolderLock lock("/nonexistent/folder");
  EXPECT_FALSE(lock.held());
}

}  // namespace
}  // namespace ppexport

#endif  // _WIN32

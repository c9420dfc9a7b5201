#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/output_file.h"
#include "quickbooks/report_export.h"
#include "settings/environment.h"
#include "support/temp_folder.h"
#include "text/file_names.h"
#include "text/leftovers.h"

#ifdef _WIN32
#include "text/wide_text.h"
#endif

namespace ppexport {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

// The names in a folder, as UTF-8 text.
std::vector<std::string> namesIn(const TempFolder& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    names.push_back(fileName(entry.path().filename()));
  }
  return names;
}

TEST(OutputFile, writesUnderAUtf8NameExactly) {
  TempFolder folder;
  // "Müller Zahlung €.txt": a user folder or file name with letters beyond ASCII.
  const std::string name = "M\xC3\xBCller Zahlung \xE2\x82\xAC.txt";
  OutputFile file(folder.file(name));
  file.writeLine("1001");
  ASSERT_TRUE(file.commit()) << file.failure();
  EXPECT_EQ(namesIn(folder), std::vector<std::string>{name});
  EXPECT_EQ(readBytes(folder.file(name)), "1001\r\n");
}

// Committed, the new lines replace the earlier file; abandoned, the earlier file stays. Either
// way no temporary file is left beside it.
TEST(OutputFile, replacesTheEarlierFileOnlyWhenCommitted) {
  for (bool commit : {true, false}) {
    TempFolder folder;
    const std::string target = folder.file("out.txt");
    writeBytes(target, std::string(5000, 'x'));
    {
      OutputFile file(target);
      file.writeLine("a");
      file.writeLine("");
      if (commit) {
        ASSERT_TRUE(file.commit()) << file.failure();
      }
    }
    EXPECT_EQ(readBytes(target), commit ? "a\r\n\r\n" : std::string(5000, 'x'));
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"out.txt"});
  }
}

// A large file is handed to the system in blocks; every line arrives whole and in order, across
// the block ends too.
TEST(OutputFile, writesAFileOfManyBlocksExactly) {
  TempFolder folder;
  const std::string target = folder.file("large.txt");
  std::string expected;
  {
    OutputFile file(target);
    for (int line = 0; line < 60000; ++line) {
      const std::string text = std::string(static_cast<std::size_t>(line % 37), 'x') +
                               std::to_string(line);
      file.writeLine(text);
      expected += text + "\r\n";
    }
    ASSERT_TRUE(file.commit()) << file.failure();
  }
  EXPECT_EQ(readBytes(target), expected);
}

TEST(OutputFile, refusesAFolderAndAMissingFolder) {
  TempFolder folder;
  for (const std::string& target : {folder.file(""), folder.file("missing/out.txt"),
                                    std::string()}) {
    SCOPED_TRACE(target);
    OutputFile file(target);
    file.writeLine("x");
    EXPECT_FALSE(file.commit());
    EXPECT_FALSE(file.failure().empty());
  }
  EXPECT_TRUE(namesIn(folder).empty());
}

// A file its owner marked read-only is kept as it is, and nothing is left beside it.
TEST(OutputFile, keepsAReadOnlyFile) {
  TempFolder folder;
  const std::string target = folder.file("out.txt");
  writeBytes(target, "earlier\r\n");
  std::filesystem::permissions(target, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read);
  OutputFile file(target);
  file.writeLine("new");
  EXPECT_FALSE(file.commit());
  EXPECT_EQ(file.failure(), "It is read-only.");
  EXPECT_EQ(readBytes(target), "earlier\r\n");
  EXPECT_EQ(namesIn(folder), std::vector<std::string>{"out.txt"});
  std::filesystem::permissions(target, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
}

TEST(FileNames, sameFileAndInsideFolderSeeThroughSpellings) {
  TempFolder folder;
  writeBytes(folder.file("checks.txt"), "");
  EXPECT_TRUE(sameFile(folder.file("checks.txt"), folder.file("./checks.txt")));
  EXPECT_TRUE(sameFile(folder.file("new.txt"), folder.file("./new.txt")));
  EXPECT_FALSE(sameFile(folder.file("checks.txt"), folder.file("new.txt")));
  EXPECT_TRUE(insideFolder(folder.file("history/a/b.txt"), folder.file("history")));
  EXPECT_TRUE(insideFolder(folder.file("history/../history/x"), folder.file("history/")));
  EXPECT_FALSE(insideFolder(folder.file("history2/x"), folder.file("history")));
  EXPECT_FALSE(insideFolder(folder.file("x"), folder.file("history")));
}

#ifndef _WIN32
// What a killed run left beside the target goes once it is an hour old and its process has
// ended; a younger one, or one of a running process, stays. A name at the longest the folder
// takes still gets a temporary name.
TEST(OutputFile, removesWhatAnEndedRunLeftAndFitsLongNames) {
  TempFolder folder;
  const auto hoursAgo = [](int hours) {
    return std::filesystem::file_time_type::clock::now() - std::chrono::hours(hours);
  };
  const std::string ended = folder.file("out.txt.ppexport-2147483000-a1B2c3");
  const std::string young = folder.file("out.txt.ppexport-2147483001-a1B2c3");
  const std::string running =
      folder.file("out.txt.ppexport-" + std::to_string(processId()) + "-a1B2c3");
  const std::string own = folder.file("notes.ppexport-2147483000-1");  // not a temporary name
  for (const std::string& name : {ended, young, running, own}) writeBytes(name, "x");
  for (const std::string& name : {ended, running, own}) {
    std::filesystem::last_write_time(name, hoursAgo(2));
  }
  const std::string longName = folder.file(std::string(255, 'n'));
  for (const std::string& target : {folder.file("out.txt"), longName}) {
    OutputFile file(target);
    file.writeLine("1001");
    EXPECT_TRUE(file.commit()) << file.failure();
  }
  EXPECT_FALSE(std::filesystem::exists(ended));
  for (const std::string& name : {young, running, own}) EXPECT_TRUE(std::filesystem::exists(name));
  EXPECT_EQ(readBytes(longName), "1001\r\n");
}

// The exported reports go to a folder of this run alone, inside TEMP.
TEST(ReportFolder, isAFreshFolderOfThisUserAlone) {
  const std::string folder = reportFolder();
  const std::filesystem::file_status status = std::filesystem::status(folder);
  EXPECT_TRUE(std::filesystem::is_directory(status));
  EXPECT_EQ(status.permissions(), std::filesystem::perms::owner_all);
  EXPECT_NE(std::filesystem::path(folder).filename().string().find("ppexport-"), std::string::npos);
}
#endif

TEST(FileNames, pathsInAFolderHaveOneSeparatorOfThePlatform) {
#ifdef _WIN32
  const std::string separator = "\\";
#else
  const std::string separator = "/";
#endif
  EXPECT_EQ(pathInFolder("C:\\Temp", "checks.txt"), "C:\\Temp" + separator + "checks.txt");
  EXPECT_EQ(pathInFolder("/tmp", "checks.txt"), "/tmp" + separator + "checks.txt");
  EXPECT_EQ(pathInFolder("C:\\Temp\\", "checks.txt"), "C:\\Temp\\checks.txt");
  EXPECT_EQ(pathInFolder("/tmp/", "checks.txt"), "/tmp/checks.txt");
  EXPECT_EQ(pathInFolder("", "checks.txt"), "checks.txt");
}

#ifdef _WIN32

// Another program holding the bank file open (the bank's upload tool, a viewer) makes the replace
// step fail: the failure is reported with the system's reason, the earlier file stays whole and
// the temporary file is gone.
TEST(OutputFile, aTargetHeldOpenByAnotherProgramIsReportedAndKept) {
  TempFolder folder;
  const std::string target = folder.file("out.txt");
  writeBytes(target, "earlier\r\n");
  HANDLE holder = CreateFileW(widen(target).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  bool committed = true;
  std::string failure;
  {
    OutputFile file(target);
    file.writeLine("new");
    committed = file.commit();
    failure = file.failure();
  }
  CloseHandle(holder);
  EXPECT_FALSE(committed);
  EXPECT_FALSE(failure.empty());
  EXPECT_EQ(failure.find('\n'), std::string::npos) << failure;
  EXPECT_EQ(readBytes(target), "earlier\r\n");
  EXPECT_EQ(namesIn(folder), std::vector<std::string>{"out.txt"});
}

// No process is asked on Windows: what a crash left beside the target goes once it is an hour old,
// and a temporary file that a running copy still holds open cannot be removed and stays.
TEST(OutputFile, removesWhatACrashLeftButNotAFileStillWritten) {
  TempFolder folder;
  const std::string ended = folder.file("out.txt.ppexport-4242-000001");
  const std::string written = folder.file("out.txt.ppexport-4243-000001");
  for (const std::string& name : {ended, written}) {
    writeBytes(name, "x");
    testing::makeOlder(name, std::chrono::hours(2));
  }
  HANDLE holder = CreateFileW(widen(written).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  OutputFile file(folder.file("out.txt"));
  file.writeLine("1001");
  EXPECT_TRUE(file.commit()) << file.failure();
  CloseHandle(holder);
  std::vector<std::string> names = namesIn(folder);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"out.txt", "out.txt.ppexport-4243-000001"}));
}

TEST(FileNames, environmentVariablesComeAsUtf8) {
  SetEnvironmentVariableW(L"PPEXPORT_TEST_FOLDER", L"C:\\Users\\M\u00FCller");
  EXPECT_EQ(environmentValue("PPEXPORT_TEST_FOLDER"), "C:\\Users\\M\xC3\xBCller");
  SetEnvironmentVariableW(L"PPEXPORT_TEST_FOLDER", nullptr);
  EXPECT_EQ(environmentValue("PPEXPORT_TEST_FOLDER"), "");
}

#endif

}  // namespace
}  // namespace ppexport

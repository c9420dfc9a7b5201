#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_program.h"
#include "support/scoped_variable.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::runPpexport;

struct CommandLine {
  testing::TempFolder folder;
  // The report files go to TEMP; tests running side by side must not share them.
  testing::ScopedVariable reportFolder{"TEMP", folder.path().string()};
  std::string settings = folder.file("settings.sqlite");
  std::string company = std::string(PPEXPORT_SOURCE_DIR) + "/data/sample-company.json";

  testing::ProgramRun run(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(),
                     {"--settings", settings, "--company", company, "--now", "2026-12-05T19:05"});
    return runPpexport(arguments);
  }
};

TEST(CreateCommand, writesTheBankFileFromTheCompanyAndRemembersTheChoices) {
  CommandLine line;
  const std::string output = line.folder.file("pp.txt");
  testing::ProgramRun first = line.run({"create", "--account", "Checking", "--bank",
                                        "Generic Bank Format", "--account-id", "4417829035",
                                        "--output", output, "--review"});
  EXPECT_EQ(first.exitStatus, 0) << first.err;
  EXPECT_EQ(first.out.rfind("Created " + output + " with ", 0), 0u) << first.out;
  EXPECT_NE(first.out.find("\n\nAlso created the file 'Positive Pay Review.csv' for your review.\n"),
            std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(line.folder.file("Positive Pay Review.csv")));
  const std::string written = testing::readBytes(output);
  EXPECT_NE(written.find("0000000000004417829035"), std::string::npos);

  // Everything not given comes from what the first run stored for the account.
  std::filesystem::remove(output);
  testing::ProgramRun again = line.run({"create", "--account", "Checking"});
  EXPECT_EQ(again.exitStatus, 0) << again.err;
  EXPECT_EQ(testing::readBytes(output), written);
  EXPECT_EQ(line.run({"settings", "get", "CheckingbankList"}).out, "Generic Bank Format\n");
}

TEST(CreateCommand, refusalsAndFailuresHaveTheirExitStatus) {
  CommandLine line;
  testing::ProgramRun unknownAccount =
      line.run({"create", "--account", "Nowhere", "--bank", "Regions Bank", "--output", "x.txt"});
  EXPECT_EQ(unknownAccount.exitStatus, 2);
  EXPECT_EQ(unknownAccount.err,
            "Please pick a valid account from the list of bank accounts. Then try again.\n");

  testing::ProgramRun badDates = line.run({"create", "--account", "Checking", "--bank",
                                           "Regions Bank", "--output", line.folder.file("r.txt"),
                                           "--from", "02/30/2026", "--to", "12/01/2026"});
  EXPECT_EQ(badDates.exitStatus, 2);

  testing::ProgramRun unwritable =
      line.run({"create", "--account", "Checking", "--bank", "Regions Bank", "--output",
                line.folder.file("missing/r.txt")});
  EXPECT_EQ(unwritable.exitStatus, 1);
  EXPECT_EQ(unwritable.err.rfind("Could not create " + line.folder.file("missing/r.txt") + ".\n\n", 0),
            0u);

  line.company = line.folder.file("no-such-company.json");
  testing::ProgramRun noCompany = line.run({"create", "--account", "Checking", "--bank",
                                            "Regions Bank", "--output", line.folder.file("r.txt")});
  // QuickBooks cannot be reached: its error, not a complaint about the account.
  EXPECT_EQ(noCompany.exitStatus, 1);
  EXPECT_EQ(noCompany.err.rfind("An error occoured when trying to get the account list from "
                                "QuickBooks:\n\nAn error occurred while attempting to find a "
                                "running copy of QuickBooks.\n",
                                0),
            0u)
      << noCompany.err;
  EXPECT_FALSE(std::filesystem::exists(line.folder.file("r.txt")));
}

TEST(SettingsCommand, setGetListDelete) {
  CommandLine line;
  EXPECT_EQ(line.run({"settings", "set", "CheckingbankID", "0042"}).exitStatus, 0);
  EXPECT_EQ(line.run({"settings", "get", "checkingbankid"}).out, "0042\n");
  EXPECT_EQ(line.run({"settings", "get", "absent", "fallback"}).out, "fallback\n");
  EXPECT_EQ(line.run({"settings", "list"}).out, "CheckingbankID\t0042\n");
  EXPECT_EQ(line.run({"settings", "delete", "CheckingbankID"}).exitStatus, 0);
  EXPECT_EQ(line.run({"settings", "delete", "CheckingbankID"}).exitStatus, 0);
  EXPECT_EQ(line.run({"settings", "list"}).out, "");
}

TEST(AccountsCommand, listsTheActiveBankAccounts) {
  CommandLine line;
  testing::ProgramRun accounts = line.run({"accounts"});
  EXPECT_EQ(accounts.exitStatus, 0);
  EXPECT_EQ(accounts.out.rfind("Checking\n", 0), 0u) << accounts.out;
  line.company = line.folder.file("broken.json");
  testing::writeBytes(line.company, "{ not json");
  testing::ProgramRun broken = line.run({"accounts"});
  EXPECT_EQ(broken.exitStatus, 1);
  EXPECT_NE(broken.err.find("find a running copy of QuickBooks"), std::string::npos) << broken.err;
}

}  // namespace
}  // namespace ppexport

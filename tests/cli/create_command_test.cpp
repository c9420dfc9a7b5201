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

// Names that do not exist write nothing and get the nearest ones; a result can be one JSON object.
TEST(CreateCommand, namesAreCheckedAndTheResultCanBeJson) {
  CommandLine line;
  const std::string output = line.folder.file("out.txt");
  const std::string data = std::string(PPEXPORT_SOURCE_DIR) + "/data/";
  const std::vector<std::string> convert{"convert", "--checks", data + "sample-checks.txt",
                                         "--vendors", data + "sample-vendors.txt", "--output",
                                         output};
  auto with = [](std::vector<std::string> arguments, std::initializer_list<std::string> more) {
    arguments.insert(arguments.end(), more);
    return arguments;
  };
  // A relative output file is stored whole, so that the window later writes the same file.
  const std::string relative =
      (std::filesystem::relative(line.folder.path()) / "relative.txt").string();
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string out;
    std::string err;
  } cases[] = {
      {{"create", "--account", "Checking", "--bank", "Regions Bnak", "--output", output}, 2, "",
       "ppexport: no bank format named 'Regions Bnak'\nDid you mean: Regions Bank?\n"},
      {{"create", "--account", "Chekcing", "--bank", "Regions Bank", "--output", output}, 2, "",
       "ppexport: no bank account named 'Chekcing'\nDid you mean: Checking?\n"},
      {{"create", "--account", "Nowhere", "--bank", "Regions Bank", "--output", output}, 2, "",
       "ppexport: no bank account named 'Nowhere'\n"},
      {with(convert, {"--bank", "Custom Format: Payrol"}), 2, "",
       "ppexport: no bank format named 'Custom Format: Payrol'\n"},
      {with(convert, {"--bank", "Citibank - Standard Positive Pay", "--account-id", "12-345",
                      "--json"}),
       0,
       "{\"file\":\"" + output +
           "\",\"written\":true,\"count\":4,\"issued\":{\"count\":4,\"cents\":694562},"
           "\"voided\":{\"count\":2,\"cents\":78000},\"warnings\":[\"Warning: Co. Name is "
           "empty.\",\"Warning: Acct. Num '12-345' is not a number.\",\"Warning: no bank code "
           "was picked from the list.\"],\"reviewFile\":null,\"message\":\"Created " +
           output +
           " with 4 check records.\\n\\nIssued checks: 4, total 6945.62\\nVoided checks: 2, "
           "total 780.00\\n\\nWarning: Co. Name is empty.\\nWarning: Acct. Num '12-345' is not "
           "a number.\\nWarning: no bank code was picked from the list.\"}\n",
       ""},
      {{"create", "--account", "Checking", "--bank", "Regions Bank", "--account-id", "987654",
        "--output", relative, "--review", "--json"},
       0,
       "{\"file\":\"" + line.folder.file("relative.txt") +
           "\",\"written\":true,\"count\":22,\"issued\":{\"count\":19,\"cents\":1180023},"
           "\"voided\":{\"count\":3,\"cents\":136500},\"warnings\":[],\"reviewFile\":\"" +
           line.folder.file("Positive Pay Review.csv") + "\",\"message\":\"Created " +
           line.folder.file("relative.txt") +
           " with 22 check records.\\n\\nIssued checks: 19, total 11800.23\\nVoided checks: 3, "
           "total 1365.00\\n\\nAlso created the file 'Positive Pay Review.csv' for your "
           "review.\"}\n",
       ""},
      {{"settings", "get", "CheckingfileName"}, 0, line.folder.file("relative.txt") + "\n", ""},
  };
  for (const Case& c : cases) {
    testing::ProgramRun run = line.run(c.arguments);
    EXPECT_EQ(run.exitStatus, c.status) << c.arguments[0] << " " << c.arguments[4];
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.err);
    if (c.status == 2) {
      EXPECT_FALSE(std::filesystem::exists(output)) << "nothing is written";
    }
  }
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

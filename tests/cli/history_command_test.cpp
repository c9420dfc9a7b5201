#include <gtest/gtest.h>

#include <filesystem>

#include "history/history_folder.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::readBytes;
using testing::runPpexport;
using testing::writeBytes;

struct RecordedHistory {
  testing::TempFolder temp;
  std::string folder = temp.file("history");
  std::string file = temp.file("pp.txt");
  std::string bytes = "H\r\nD1001\r\nD1002\r\n";

  RecordedHistory() {
    HistoryEntry first;
    first.created = DateTime{Date{2026, 12, 1}, 9, 30, 5};
    first.account = "Checking";
    first.bankFormat = "Regions Bank";
    first.output = file;
    first.count = 2;
    first.issued = {1, 123450};
    first.voided = {1, 5000};
    first.checks = {{"1001", Date{2026, 11, 28}, 123450, "ACME Supply", false},
                    {"1002", std::nullopt, 5000, "Caf\xE9 Nord", true}};
    HistoryEntry second = first;
    second.created.date.day = 2;
    second.account = "";
    second.bankFormat = "Generic Bank Format";
    second.count = 1;
    second.issued = {1, 99};
    second.voided = {};
    second.checks = {{"1001", Date{2026, 11, 28}, 99, "ACME Supply", false}};
    writeBytes(file, bytes);
    recordEntry(folder, first, bytes);
    recordEntry(folder, second, "other\r\n");
  }

  testing::ProgramRun run(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--history", folder});
    return runPpexport(arguments);
  }
};

TEST(HistoryCommand, listsShowsAndFindsWhatWasSent) {
  RecordedHistory history;
  const std::string first = "20261201-093005-0001";
  const std::string second = "20261202-093005-0001";
  const struct {
    std::vector<std::string> arguments;
    std::string out;
  } cases[] = {
      {{"history", "list"},
       second + "  2026-12-02 09:30:05  (no account)  Generic Bank Format  1 check record  issued 1, "
                "total 0.99  voided 0, total 0.00  " + history.file + "  not sent\n" +
           first + "  2026-12-01 09:30:05  Checking  Regions Bank  2 check records  issued 1, "
                   "total 1234.50  voided 1, total 50.00  " + history.file + "  not sent\n"},
      {{"history", "list", "--account", "Checking", "--bank", "Regions Bank"},
       first + "  2026-12-01 09:30:05  Checking  Regions Bank  2 check records  issued 1, "
               "total 1234.50  voided 1, total 50.00  " + history.file + "  not sent\n"},
      {{"history", "list", "--bank", "HSBC"}, ""},
      {{"history", "show", first},
       "Entry: " + first + "\nCreated: 2026-12-01 09:30:05\nAccount: Checking\n"
       "Bank format: Regions Bank\nFile: " + history.file + "\nBank ID: \nAccount ID: \n"
       "Remote ID: \nBatch ID: \nBank code: \nCheck records: 2\n"
       "Issued checks: 1, total 1234.50\nVoided checks: 1, total 50.00\n"
       "SHA-256: 5b2b7d635c0669f017a00adc4ea25a44942b6be77cb2d72653754a57a50bccf2\n"
       "Sent to the bank: not sent\n\n"
       "1001  11/28/2026  1234.50  issued  ACME Supply\n"
       "1002    50.00  void  Caf\xC3\xA9 Nord\n"},
      {{"history", "find", "1001"},
       second + "  2026-12-02 09:30:05  (no account)  Generic Bank Format  0.99  issued  ACME Supply  " +
           history.file + "\n" + first +
           "  2026-12-01 09:30:05  Checking  Regions Bank  1234.50  issued  ACME Supply  " +
           history.file + "\n"},
      {{"history", "find", "1001", "--account", "Checking"},
       first + "  2026-12-01 09:30:05  Checking  Regions Bank  1234.50  issued  ACME Supply  " +
           history.file + "\n"},
      {{"history", "check", first},
       history.file + " holds the bytes recorded in history entry " + first + ".\n"},
  };
  for (const auto& c : cases) {
    const testing::ProgramRun run = history.run(c.arguments);
    EXPECT_EQ(run.exitStatus, 0) << c.arguments[1] << " " << run.err;
    EXPECT_EQ(run.out, c.out) << c.arguments[1];
  }
}

TEST(HistoryCommand, exportsTheBytesAgainAndChecksTheFileAtItsPath) {
  RecordedHistory history;
  const std::string id = "20261201-093005-0001";
  const std::string copy = history.temp.file("copy.txt");
  testing::ProgramRun exported = history.run({"history", "export", id, "--output", copy});
  EXPECT_EQ(exported.exitStatus, 0) << exported.err;
  EXPECT_EQ(readBytes(copy), history.bytes);

  writeBytes(history.file, "H\r\nD1001\r\n");
  testing::ProgramRun changed = history.run({"history", "check", id});
  EXPECT_EQ(changed.exitStatus, 1);
  EXPECT_EQ(changed.out.rfind(history.file + " is not the file recorded in history entry " + id +
                                  ".\nIt holds 10 bytes; the recorded file held 17.\n"
                                  "The first difference is in line 3.\nIts SHA-256 is ",
                              0),
            0u)
      << changed.out;

  testing::ProgramRun json = history.run({"history", "check", id, "--json"});
  EXPECT_EQ(json.exitStatus, 1);
  EXPECT_NE(json.out.find("\"same\": false"), std::string::npos) << json.out;

  testing::ProgramRun unknown = history.run({"history", "show", "20200101-000000-0001"});
  EXPECT_EQ(unknown.exitStatus, 2);
  EXPECT_EQ(unknown.err, "ppexport: there is no history entry '20200101-000000-0001'\n");
}

TEST(HistoryCommand, jsonForScripts) {
  RecordedHistory history;
  testing::ProgramRun listed = history.run({"history", "list", "--json", "--account", "Checking"});
  EXPECT_EQ(listed.exitStatus, 0);
  EXPECT_NE(listed.out.find("\"id\": \"20261201-093005-0001\""), std::string::npos) << listed.out;
  EXPECT_NE(listed.out.find("\"issued\": {\n      \"count\": 1,\n      \"cents\": 123450\n    }"),
            std::string::npos)
      << listed.out;
  testing::ProgramRun shown = history.run({"history", "show", "20261201-093005-0001", "--json"});
  EXPECT_NE(shown.out.find("\"payee\": \"Caf\xC3\xA9 Nord\""), std::string::npos) << shown.out;
  EXPECT_NE(shown.out.find("\"date\": \"2026-11-28\""), std::string::npos);
  testing::ProgramRun found = history.run({"history", "find", "1002", "--json"});
  EXPECT_NE(found.out.find("\"void\": true"), std::string::npos) << found.out;
}

// convert records what it wrote, leaves out what was sent on request, and records nothing with
// --no-history.
TEST(HistoryCommand, convertRecordsItsFilesAndLeavesOutWhatWasSent) {
  testing::TempFolder temp;
  const std::string data = std::string(PPEXPORT_SOURCE_DIR) + "/data/";
  const std::string output = temp.file("regions.txt");
  auto convert = [&](std::vector<std::string> options) {
    std::vector<std::string> arguments = {
        "--history", temp.file("history"), "--now", "2026-12-05T19:05", "convert", "--checks",
        data + "sample-checks.txt", "--vendors", data + "sample-vendors.txt", "--bank",
        "Regions Bank", "--output", output, "--account-id", "987654", "--account", "Checking"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    return runPpexport(arguments);
  };
  const testing::ProgramRun first = convert({"--new-only"});
  EXPECT_EQ(first.exitStatus, 0) << first.err;
  EXPECT_EQ(first.out.rfind("Created " + output + " with 6 check records.", 0), 0u) << first.out;
  const testing::ProgramRun again = convert({"--new-only"});
  EXPECT_EQ(again.out, "No new checks: every check was sent in an earlier file, so " + output +
                           " was left as it was.\n\nLeft out 6 checks sent in earlier files.\n");
  const testing::ProgramRun unrecorded = convert({"--all", "--no-history"});
  EXPECT_EQ(unrecorded.out.rfind("Created " + output + " with 6 check records.", 0), 0u);
  EXPECT_EQ(convert({"--new-only", "--all"}).exitStatus, 2);

  const testing::ProgramRun listed =
      runPpexport({"--history", temp.file("history"), "history", "list", "--account", "Checking"});
  EXPECT_EQ(listed.out,
            "20261205-190500-0001  2026-12-05 19:05:00  Checking  Regions Bank  6 check records  "
            "issued 4, total 6945.62  voided 2, total 780.00  " + output + "  not sent\n");
  const testing::ProgramRun check =
      runPpexport({"--history", temp.file("history"), "history", "check", "20261205-190500-0001"});
  EXPECT_EQ(check.exitStatus, 0) << check.out;
}

}  // namespace
}  // namespace ppexport

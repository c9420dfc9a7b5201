#include <gtest/gtest.h>

#include <sstream>

#include "support/run_program.h"
#include "support/sftp_server.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

// `send --setup` pins the host key only once it is confirmed; `create --send` and `send` then
// put the recorded file on the server once, and the history lists it as sent.
TEST(SendCommand, setsUpTheConnectionAndSendsEachFileOnce) {
  testing::SftpServer server;
  if (!server.skipReason().empty()) GTEST_SKIP() << server.skipReason();
  const BankConnection bank = server.connection();
  const std::string address =
      "sftp://" + bank.user + "@127.0.0.1:" + std::to_string(bank.port) + bank.folder;
  const std::string output = server.folder.file("pp.txt");
  const std::vector<std::string> globals = {
      "--settings", server.folder.file("settings.sqlite"), "--history",
      server.folder.file("history"), "--now", "2026-12-07T09:00"};
  const std::vector<std::string> create = {"create", "--account", "Checking", "--bank",
                                           "Regions Bank", "--account-id", "987654", "--output",
                                           output, "--from", "11/01/2026", "--to", "12/07/2026"};
  const std::string setup = "--setup --account Checking --to " + address + " --key " + bank.keyFile;
  const struct {
    std::string words;  // the command line after the globals; "create" is the Create above
    std::string input;
    int status;
    std::string says;  // a line of standard output, or of standard error when it failed
  } steps[] = {
      {"create --send", "", 2, "No bank connection is set up for the account Checking"},
      {"send " + setup, "n\n", 1, "Nothing was saved."},
      {"send " + setup + " --host-key SHA256:AAAA", "", 1, ", not SHA256:AAAA."},
      {"send " + setup, "y\n", 0, "shows the host key " + bank.hostKeyFingerprint},
      {"create --send", "", 0, "Sent pp.txt to the bank: " + address + "/pp.txt, "},
      {"send --account Checking --last", "", 1, "Give --again to send it again."},
      {"history list --unsent", "", 0, ""},
      {"send --last --again", "", 0, "bytes on the server."},
      {"history list", "", 0, "sent 2026-12-07 09:00 to 127.0.0.1:" + bank.folder + "/pp.txt"},
  };
  for (const auto& step : steps) {
    std::vector<std::string> arguments = globals;
    std::istringstream words(step.words);
    for (std::string word; words >> word;) {
      if (word == "create") {
        arguments.insert(arguments.end(), create.begin(), create.end());
      } else {
        arguments.push_back(word);
      }
    }
    const testing::ProgramRun run = testing::runPpexport(arguments, step.input);
    EXPECT_EQ(run.exitStatus, step.status) << step.words << "\n" << run.out << run.err;
    const std::string& said = step.status == 0 ? run.out : run.out + run.err;
    if (step.says.empty()) {
      EXPECT_EQ(said, "") << step.words;
    } else {
      EXPECT_NE(said.find(step.says), std::string::npos) << step.words << "\n" << said;
    }
  }
  EXPECT_EQ(testing::readBytes(server.incoming("pp.txt")), testing::readBytes(output));
}

}  // namespace
}  // namespace ppexport

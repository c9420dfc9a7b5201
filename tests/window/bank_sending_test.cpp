// The Bank connection dialog and the Send to bank button, on OpenSSH's programs played.

#include <gtest/gtest.h>

#include <filesystem>

#include "history/history_folder.h"
#include "model_fixture.h"
#include "support/reports.h"
#include "window/bank_connection_model.h"
#include "window/history_model.h"

using namespace ppexport;
using namespace ppexport::testing;
using enum window::ExportControl;
using window::BankConnectionControl;
using window::MessageBoxIcon;

namespace {

constexpr const char* hostKey =
    "ssh-ed25519 AAAAC3NzaC1lZDI1NTE5AAAAIKUIbt5mPhAcZGq+42dUmf1KcnOj54PaPPowIxLj64Ru";
constexpr const char* fingerprint = "SHA256:V6LEfiQn8bct84hLlX2gZ7/ytK6HBaH50jslxs94v5o";

// ssh-keyscan shows one host key; sftp copies the file its batch puts up into the server's
// folder and lists its size, or fails with the output given.
class PlayedOpenSsh final : public Programs {
 public:
  ProgramRun run(const std::vector<std::string>& arguments, std::chrono::milliseconds) override {
    runs.push_back(arguments);
    ProgramRun run{true, false, 0, {}, {}};
    if (arguments[0].find("ssh-keyscan") != std::string::npos) {
      run.output = "# sftp.bank.example:2222 SSH-2.0-OpenSSH_9.2\n[sftp.bank.example]:2222 " +
                   std::string(hostKey) + "\n";
      return run;
    }
    if (!failure.empty()) {
      run.exitCode = 255;
      run.output = failure;
      return run;
    }
    const std::string bytes =
        readBytes((std::filesystem::path(arguments[2]).parent_path() / "upload").string());
    writeBytes(server, bytes);
    run.output = "-rw-r--r--    ? 0 0 " + std::to_string(bytes.size()) + " Mar 15 10:30 pp.txt\n";
    return run;
  }
  std::vector<std::vector<std::string>> runs;
  std::string server;
  std::string failure;
};

TEST(BankSending, setsUpTheConnectionAndSendsWhatCreateWrote) {
  ModelFixture fixture;
  PlayedOpenSsh openSsh;
  openSsh.server = fixture.folder.file("server-pp.txt");
  fixture.programs = &openSsh;
  fixture.quickBooks.reports["qbTransactionListGeneral"] = reportText(
      {{"Trans ID", "Document Number", "Cleared", "Date", "Name", "Name Type", "Bill 1",
        "Description", "is Source", "Amount"},
       {"1", "1001", "Uncleared", "03/01/2026", "Acme", "Vendor", "", "", "True", "-10.00"}});
  fixture.quickBooks.reports["qbVendorNames"] =
      reportText({{"Full Name", "Print on Checks"}, {"Acme", "Acme Supply Co."}});
  const std::string file = fixture.folder.file("pp.txt");
  for (const auto& [key, value] : {std::pair<std::string, std::string>{"myAccount", "Checking"},
                                   {"CheckingbankList", "Regions Bank"},
                                   {"CheckingaccountID", "987654"},
                                   {"CheckingfileName", file}}) {
    fixture.settings.saveSetting(key, value);
  }
  fixture.start();
  EXPECT_FALSE(fixture.control(sendToBank).enabled);

  // The host key is read for the address and key file shown, and saved only as read.
  fixture.click(bankConnection);
  EXPECT_EQ(fixture.observer.bankConnectionOpenings, 1);
  window::BankConnectionModel* dialog = fixture.model->bankConnectionDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->caption(), "Bank connection - Checking");
  dialog->textChanged(BankConnectionControl::address, "sftp://sftp.bank.example/incoming");
  dialog->clicked(BankConnectionControl::readHostKey);
  EXPECT_EQ(fixture.lastMessage().text, "The address names no user: give sftp://user@host.");
  dialog->textChanged(BankConnectionControl::address,
                      "sftp://acme@sftp.bank.example:2222/incoming");
  dialog->textChanged(BankConnectionControl::keyFile, "/keys/bank");
  dialog->clicked(BankConnectionControl::readHostKey);
  EXPECT_EQ(std::vector<std::string>(openSsh.runs.back().begin() + 1, openSsh.runs.back().end()),
            (std::vector<std::string>{"-T", "10", "-p", "2222", "-t",
                                      "ed25519,ecdsa,rsa", "sftp.bank.example"}));
  EXPECT_EQ(dialog->control(BankConnectionControl::hostKey).text,
            std::string("Host key: ") + fingerprint +
                " (ssh-ed25519). Save only if it is the fingerprint your bank gave you.");
  EXPECT_TRUE(dialog->control(BankConnectionControl::save).enabled);
  dialog->textChanged(BankConnectionControl::keyFile, "/keys/other");
  EXPECT_FALSE(dialog->control(BankConnectionControl::save).enabled);
  dialog->clicked(BankConnectionControl::readHostKey);
  dialog->clicked(BankConnectionControl::save);
  EXPECT_EQ(fixture.model->bankConnectionDialog(), nullptr);
  EXPECT_EQ(fixture.stored("CheckingbankConnection"), "sftp://acme@sftp.bank.example:2222/incoming");
  EXPECT_EQ(fixture.stored("CheckingbankKeyFile"), "/keys/other");
  EXPECT_EQ(fixture.stored("CheckingbankHostKeyFingerprint"), fingerprint);
  EXPECT_FALSE(fixture.control(sendToBank).enabled);  // nothing created yet

  fixture.click(myCreate);
  ASSERT_EQ(fixture.lastMessage().icon, MessageBoxIcon::Information) << fixture.lastMessage().text;
  ASSERT_TRUE(fixture.control(sendToBank).enabled);
  const std::string question =
      "\n\nFile: " + file +
      "\nIssued checks: 1, total 10.00\nVoided checks: 0, total 0.00\n\n"
      "To: sftp://acme@sftp.bank.example:2222/incoming/pp.txt\nHost key: " + fingerprint;
  const std::size_t scans = openSsh.runs.size();

  // No sends nothing; Yes sends and says so; the next time the question says it was sent.
  using enum window::MessageBoxAnswer;
  fixture.messages.answers = {No, Yes, Yes};
  fixture.click(sendToBank);
  EXPECT_EQ(fixture.lastMessage(),
            (window::MessageBoxRequest{MessageBoxIcon::None, messageTitle,
                                       "Send this file to the bank?" + question,
                                       window::MessageBoxButtons::YesNo}));
  EXPECT_EQ(openSsh.runs.size(), scans);
  fixture.click(sendToBank);
  EXPECT_EQ(fixture.lastMessage(),
            (window::MessageBoxRequest{
                MessageBoxIcon::Information, messageTitle,
                "Sent pp.txt to the bank: sftp://acme@sftp.bank.example:2222/incoming/pp.txt, " +
                    std::to_string(readBytes(file).size()) + " bytes on the server."}));
  EXPECT_EQ(readBytes(openSsh.server), readBytes(file));
  openSsh.failure = "acme@sftp.bank.example: Permission denied (publickey).\r\nConnection closed\r\n";
  fixture.click(sendToBank);
  const auto& shown = fixture.messages.shown;
  EXPECT_EQ(shown[shown.size() - 2].text,
            "pp.txt was sent 2026-03-15 10:30 to sftp.bank.example:/incoming/pp.txt already. "
            "Send it again?" + question);
  EXPECT_EQ(fixture.lastMessage(),
            (window::MessageBoxRequest{MessageBoxIcon::Critical, messageTitle,
                                       "The bank's server [sftp.bank.example]:2222 refused the "
                                       "key of user acme (key file /keys/other).\n\nNothing was "
                                       "sent."}));

  // The History dialog shows the sending that went through.
  fixture.click(history);
  EXPECT_EQ(fixture.model->historyDialog()->entryRows().at(0).back(),
            "2026-03-15 10:30 to sftp.bank.example:/incoming/pp.txt");
  fixture.model->historyDialog()->close();

  fixture.type(myAccount, "Savings");
  EXPECT_FALSE(fixture.control(sendToBank).enabled);
}

}  // namespace

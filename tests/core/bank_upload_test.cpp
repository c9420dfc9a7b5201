#include <gtest/gtest.h>

#include "history/history_folder.h"
#include "support/sftp_server.h"
#include "support/temp_folder.h"
#include "transfer/bank_upload.h"

namespace ppexport {
namespace {

TEST(BankConnection, readsSftpAddresses) {
  const struct {
    std::string text;
    std::string user, host;
    int port;
    std::string folder;
  } cases[] = {
      {"sftp://acme@sftp.bank.example:2222/incoming/pp", "acme", "sftp.bank.example", 2222,
       "/incoming/pp"},
      {"sftp://acme@sftp.bank.example/", "acme", "sftp.bank.example", 22, "/"},
      {"sftp://acme@[::1]:22", "acme", "::1", 22, ""},
  };
  for (const auto& c : cases) {
    std::string problem;
    const std::optional<BankConnection> read = parseSftpAddress(c.text, problem);
    ASSERT_TRUE(read) << c.text << ": " << problem;
    EXPECT_EQ(read->user, c.user);
    EXPECT_EQ(read->host, c.host);
    EXPECT_EQ(read->port, c.port);
    EXPECT_EQ(read->folder, c.folder);
  }
  for (const char* refused : {"ftp://a@h/x", "sftp://h/x", "sftp://a@h:0/x", "sftp://a@h:x/",
                              "sftp://a@/x", "sftp://a@h/x\ny"}) {
    std::string problem;
    EXPECT_FALSE(parseSftpAddress(refused, problem)) << refused;
    EXPECT_FALSE(problem.empty());
  }
}

TEST(BankConnection, fingerprintsAsOpenSshShowsThem) {
  EXPECT_EQ(hostKeyFingerprint(
                "ssh-ed25519 AAAAC3NzaC1lZDI1NTE5AAAAIKUIbt5mPhAcZGq+42dUmf1KcnOj54PaPPowIxLj64Ru"),
            "SHA256:V6LEfiQn8bct84hLlX2gZ7/ytK6HBaH50jslxs94v5o");
  EXPECT_EQ(hostKeyFingerprint("ssh-ed25519 not*base64"), "");
  EXPECT_EQ(hostKeyFingerprint(""), "");
}

// The Windows program takes its arguments from one command line, which must give them back
// exactly; the sftp that Windows ships lies in the system folder.
TEST(Programs, buildTheWindowsCommandLine) {
  EXPECT_EQ(windowsCommandLine({"C:\\Windows\\System32\\OpenSSH\\sftp.exe", "-b",
                                "C:\\Users\\Ann Lee\\Temp\\batch", "", "a\"b", "end\\",
                                "C:\\with space\\"}),
            "C:\\Windows\\System32\\OpenSSH\\sftp.exe -b \"C:\\Users\\Ann Lee\\Temp\\batch\" \"\" "
            "\"a\\\"b\" end\\ \"C:\\with space\\\\\"");
  EXPECT_EQ(windowsOpensshProgram("sftp", "C:\\WINDOWS\\"),
            "C:\\WINDOWS\\System32\\OpenSSH\\sftp.exe");
  BankConnection connection;
  connection.user = "acme";
  connection.host = "sftp.bank.example";
  connection.port = 2222;
  connection.keyFile = "C:\\keys\\bank";
  connection.hostKey = "ssh-rsa AAAA";
  std::vector<std::string> arguments =
      sftpArguments(connection, "C:\\T\\batch", "C:\\T 1\\known_hosts", std::chrono::seconds(15));
  arguments.erase(arguments.begin());  // the program file differs by platform
  const std::string knownHosts =
#ifdef _WIN32
      "\"C:/T 1/known_hosts\"";
#else
      "\"C:\\T 1\\known_hosts\"";
#endif
  EXPECT_EQ(arguments, (std::vector<std::string>{
                           "-b", "C:\\T\\batch", "-P", "2222", "-i", "C:\\keys\\bank", "-o",
                           "IdentitiesOnly=yes", "-o", "BatchMode=yes", "-o",
                           "StrictHostKeyChecking=yes", "-o", "UserKnownHostsFile=" + knownHosts,
                           "-o", "GlobalKnownHostsFile=" + knownHosts, "-o",
                           "HostKeyAlgorithms=rsa-sha2-512,rsa-sha2-256,ssh-rsa", "-o",
                           "ConnectTimeout=15", "-o", "ServerAliveInterval=15", "-o",
                           "ServerAliveCountMax=2", "-o", "LogLevel=ERROR",
                           "acme@sftp.bank.example"}));
}

// A recorded file sent to OpenSSH's own sshd, once as it should go and once for each thing that
// stops it; only the sending that went through is recorded.
TEST(BankUpload, sendsToARealServerAndRefusesWhatIsNotSafe) {
  testing::SftpServer server;
  if (!server.skipReason().empty()) GTEST_SKIP() << server.skipReason();
  const std::string history = server.folder.file("history");
  const std::string bytes = "H20261207\r\nD0000001001000012345\r\n";
  HistoryEntry recorded;
  recorded.created = DateTime{Date{2026, 12, 7}, 9, 0, 0};
  recorded.account = "Checking";
  recorded.bankFormat = "Regions Bank";
  recorded.output = "/home/ann/pp out.txt";
  const std::string id = recordEntry(history, recorded, bytes).id;
  auto reread = [&] {
    std::string problem;
    return *readHistoryEntry(history, id, problem);
  };
  SystemPrograms programs;
  const DateTime now{Date{2026, 12, 7}, 9, 5, 0};
  BankUploadOptions quick;
  quick.connectTimeout = std::chrono::seconds(1);

  const BankConnection good = server.connection();
  BankConnection wrongHostKey = good;
  wrongHostKey.hostKey = server.otherHostKey();
  wrongHostKey.hostKeyFingerprint = hostKeyFingerprint(wrongHostKey.hostKey);
  BankConnection wrongUserKey = good;
  wrongUserKey.keyFile = server.otherUserKeyFile();
  BankConnection down = good;
  down.port = testing::SftpServer::closedPort();
  BankConnection silent = good;
  silent.port = server.silentPort();
  BankConnection noFolder = good;
  noFolder.folder += "/missing";
  const struct {
    const char* what;
    BankConnection connection;
    std::string message;
  } failures[] = {
      {"changed host key", wrongHostKey, "did not show the host key saved for it"},
      {"refused user key", wrongUserKey, "refused the key of user"},
      {"server down", down, "could not be reached"},
      {"server silent", silent, "did not answer within 1 seconds"},
      {"folder missing", noFolder, "/missing does not exist on the bank's server"},
  };
  for (const auto& failure : failures) {
    const BankUpload upload =
        sendToBank(history, reread(), failure.connection, programs, now, quick);
    EXPECT_EQ(upload.outcome, BankUploadOutcome::Failed) << failure.what;
    EXPECT_NE(upload.message.find(failure.message), std::string::npos)
        << failure.what << ": " << upload.message;
    EXPECT_NE(upload.message.find("Nothing was sent."), std::string::npos) << failure.what;
    EXPECT_TRUE(reread().sent.empty()) << failure.what;
  }

  const BankUpload sent = sendToBank(history, reread(), good, programs, now, quick);
  ASSERT_EQ(sent.outcome, BankUploadOutcome::Sent) << sent.message;
  EXPECT_EQ(testing::readBytes(server.incoming("pp out.txt")), bytes);
  EXPECT_FALSE(std::filesystem::exists(server.incoming(".pp out.txt.part")));
  const std::vector<SentToBank> kept = reread().sent;
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].host, "127.0.0.1");
  EXPECT_EQ(kept[0].remotePath, good.folder + "/pp out.txt");
  EXPECT_EQ(kept[0].result, "sent, " + std::to_string(bytes.size()) + " bytes on the server");

  EXPECT_EQ(sendToBank(history, reread(), good, programs, now, quick).outcome,
            BankUploadOutcome::AlreadySent);
  quick.again = true;
  EXPECT_EQ(sendToBank(history, reread(), good, programs, now, quick).outcome,
            BankUploadOutcome::Sent);
  EXPECT_EQ(reread().sent.size(), 2u);
}

}  // namespace
}  // namespace ppexport

#pragma once
// OpenSSH's own sshd as a bank's SFTP server for one test: an ordinary child process on a free
// loopback port, with a host key and a user key made for the test in its temporary folder, stopped
// when the object goes. Where sshd is not installed, skipReason() says so.

#include <string>

#include "support/temp_folder.h"
#include "transfer/bank_connection.h"

namespace ppexport::testing {

class SftpServer {
 public:
  SftpServer();
  ~SftpServer();
  SftpServer(const SftpServer&) = delete;
  SftpServer& operator=(const SftpServer&) = delete;

  // Why no server runs; "" when it does.
  const std::string& skipReason() const { return skipReason_; }
  // A connection to its folder "incoming" with the test's user key and its host key pinned.
  BankConnection connection() const { return connection_; }
  // A file of the server's folder "incoming" (local path).
  std::string incoming(const std::string& name) const;
  // Another key pair of the same type, as "ssh-ed25519 AAAA..." (public) and a private key file.
  std::string otherHostKey() const;
  std::string otherUserKeyFile() const;
  // A loopback port on which nothing listens.
  static int closedPort();
  // A loopback port that takes connections and never answers, while the server lives.
  int silentPort();

  TempFolder folder;

 private:
  std::string makeKey(const std::string& name) const;
  std::string skipReason_;
  BankConnection connection_;
  int pid_ = -1;
  int silentSocket_ = -1;
};

}  // namespace ppexport::testing

#pragma once
// Where an account's bank files are sent: the bank's SFTP server, the user name and private key
// file the bank set up, the folder the files go to, and the server's host key as it was read and
// confirmed when the connection was set up. No password is ever kept: the key file, or the
// user's ssh agent when none is named. Kept per account in the settings store.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_store.h"

namespace ppexport {

struct BankConnection {
  std::string user;
  std::string host;
  int port = 22;
  std::string folder;              // on the server, "/incoming"; "" the login folder
  std::string keyFile;             // UTF-8; "" uses the ssh agent and the user's own keys
  std::string hostKey;             // the pinned key, "ssh-ed25519 AAAA..."
  std::string hostKeyFingerprint;  // its SHA-256 fingerprint, "SHA256:..."
};

// "sftp://user@host[:port][/folder]" read into user, host, port and folder; nothing when it is
// not such an address (why, in problem).
std::optional<BankConnection> parseSftpAddress(std::string_view text, std::string& problem);
// The address of connection in that form, the port only when it is not 22.
std::string sftpAddress(const BankConnection& connection);
// "host" or "[host]:port", as OpenSSH names a server in its known-hosts file.
std::string knownHostName(const BankConnection& connection);

// The SHA-256 fingerprint OpenSSH shows for a public key "type base64...": "SHA256:" and the
// digest of the key's bytes in unpadded base64; "" when key is not such a key.
std::string hostKeyFingerprint(std::string_view key);

// The account's connection; nothing when none is set up. A stored connection whose host key
// does not have the stored fingerprint counts as none.
std::optional<BankConnection> getBankConnection(SettingsStore& store, std::string_view account);
// Stores connection for account; false when the store failed (its lastError() says why).
bool saveBankConnection(SettingsStore& store, std::string_view account,
                        const BankConnection& connection);

// The message that the account has no connection yet (Windows-1252 account name).
std::string noBankConnectionMessage(std::string_view account);

}  // namespace ppexport

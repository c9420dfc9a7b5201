#pragma once
// The bank server's host key, read once with OpenSSH's ssh-keyscan when a connection is set up,
// so that the user can compare its fingerprint with the one the bank gives and pin it.

#include <string>
#include <vector>

#include "transfer/bank_connection.h"
#include "transfer/programs.h"

namespace ppexport {

struct ScannedHostKey {
  std::string key;          // "ssh-ed25519 AAAA..."
  std::string fingerprint;  // "SHA256:..."
};

struct HostKeyScan {
  std::vector<ScannedHostKey> keys;  // Ed25519 first, then ECDSA, then RSA
  std::string failure;               // why none was read (Windows-1252)
};

// The host keys the server of connection shows.
HostKeyScan scanHostKeys(Programs& programs, const BankConnection& connection);

// The key to pin: the one with the fingerprint given (the bank's), else the first one read;
// nothing when a fingerprint is given and no key has it.
const ScannedHostKey* chosenHostKey(const HostKeyScan& scan, const std::string& fingerprint);

}  // namespace ppexport

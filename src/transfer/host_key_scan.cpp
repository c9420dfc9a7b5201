#include "transfer/host_key_scan.h"

#include <algorithm>
#include <sstream>

namespace ppexport {

namespace {
int preference(const std::string& key) {
  if (key.rfind("ssh-ed25519 ", 0) == 0) return 0;
  if (key.rfind("ecdsa-", 0) == 0) return 1;
  return 2;
}
}  // namespace

HostKeyScan scanHostKeys(Programs& programs, const BankConnection& connection) {
  HostKeyScan scan;
  const ProgramRun run =
      programs.run({opensshProgram("ssh-keyscan"), "-T", "10", "-p",
                    std::to_string(connection.port), "-t", "ed25519,ecdsa,rsa", connection.host},
                   std::chrono::seconds(30));
  if (!run.started) {
    scan.failure = "The OpenSSH client (ssh-keyscan) could not be started: " + run.failure;
    return scan;
  }
  std::istringstream lines(run.output);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    // "[host]:port type base64"
    const std::size_t space = line.find(' ');
    if (space == std::string::npos) continue;
    const std::string key = line.substr(space + 1);
    const std::string fingerprint = hostKeyFingerprint(key);
    if (!fingerprint.empty()) scan.keys.push_back(ScannedHostKey{key, fingerprint});
  }
  std::stable_sort(scan.keys.begin(), scan.keys.end(), [](const auto& a, const auto& b) {
    return preference(a.key) < preference(b.key);
  });
  if (scan.keys.empty()) {
    scan.failure = "The bank's server " + knownHostName(connection) +
                   " showed no host key: it is not reachable or not an SFTP server.";
  }
  return scan;
}

const ScannedHostKey* chosenHostKey(const HostKeyScan& scan, const std::string& fingerprint) {
  if (scan.keys.empty()) return nullptr;
  if (fingerprint.empty()) return &scan.keys.front();
  for (const ScannedHostKey& key : scan.keys) {
    if (key.fingerprint == fingerprint) return &key;
  }
  return nullptr;
}

}  // namespace ppexport

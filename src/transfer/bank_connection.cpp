#include "transfer/bank_connection.h"

#include <array>
#include <charconv>

#include "history/sha256.h"

namespace ppexport {

namespace {

constexpr std::string_view base64Digits =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::optional<std::string> fromBase64(std::string_view text) {
  std::string bytes;
  std::uint32_t bits = 0;
  int count = 0;
  for (const char c : text) {
    if (c == '=') break;
    const std::size_t value = base64Digits.find(c);
    if (value == std::string_view::npos) return std::nullopt;
    bits = (bits << 6) | static_cast<std::uint32_t>(value);
    count += 6;
    if (count >= 8) {
      count -= 8;
      bytes += static_cast<char>((bits >> count) & 0xFF);
    }
  }
  return bytes;
}

std::string toBase64Unpadded(std::string_view bytes) {
  std::string text;
  std::uint32_t bits = 0;
  int count = 0;
  for (const char c : bytes) {
    bits = (bits << 8) | static_cast<unsigned char>(c);
    count += 8;
    while (count >= 6) {
      count -= 6;
      text += base64Digits[(bits >> count) & 0x3F];
    }
  }
  if (count > 0) text += base64Digits[(bits << (6 - count)) & 0x3F];
  return text;
}

std::string hexToBytes(std::string_view hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    unsigned value = 0;
    std::from_chars(hex.data() + i, hex.data() + i + 2, value, 16);
    bytes += static_cast<char>(value);
  }
  return bytes;
}

bool plainText(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
  }
  return true;
}

std::string key(std::string_view account, const char* suffix) {
  return std::string(account) + suffix;
}

}  // namespace

std::optional<BankConnection> parseSftpAddress(std::string_view text, std::string& problem) {
  problem = "give the bank's server as sftp://user@host:port/folder";
  constexpr std::string_view scheme = "sftp://";
  if (text.substr(0, scheme.size()) != scheme || !plainText(text)) return std::nullopt;
  std::string_view rest = text.substr(scheme.size());
  BankConnection connection;
  const std::size_t slash = rest.find('/');
  const std::string_view authority = rest.substr(0, slash);
  if (slash != std::string_view::npos) connection.folder = std::string(rest.substr(slash));
  while (connection.folder.size() > 1 && connection.folder.back() == '/') {
    connection.folder.pop_back();
  }
  const std::size_t at = authority.rfind('@');
  if (at == std::string_view::npos || at == 0) {
    problem = "the address names no user: give sftp://user@host";
    return std::nullopt;
  }
  connection.user = std::string(authority.substr(0, at));
  std::string_view hostPort = authority.substr(at + 1);
  std::string_view port;
  if (!hostPort.empty() && hostPort.front() == '[') {
    const std::size_t close = hostPort.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    connection.host = std::string(hostPort.substr(1, close - 1));
    const std::string_view after = hostPort.substr(close + 1);
    if (!after.empty() && after.front() != ':') return std::nullopt;
    if (!after.empty()) port = after.substr(1);
  } else {
    const std::size_t colon = hostPort.find(':');
    connection.host = std::string(hostPort.substr(0, colon));
    if (colon != std::string_view::npos) port = hostPort.substr(colon + 1);
  }
  if (connection.host.empty() || connection.host.find_first_of(" @/\\") != std::string::npos ||
      connection.user.find_first_of(" :/\\") != std::string::npos) {
    return std::nullopt;
  }
  if (!port.empty() || hostPort.find(':') != std::string_view::npos) {
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), connection.port);
    if (port.empty() || error != std::errc() || end != port.data() + port.size() ||
        connection.port < 1 || connection.port > 65535) {
      problem = "the port in the address is not a number from 1 to 65535";
      return std::nullopt;
    }
  }
  problem.clear();
  return connection;
}

std::string sftpAddress(const BankConnection& connection) {
  const bool bracketed = connection.host.find(':') != std::string::npos;
  std::string host = bracketed ? "[" + connection.host + "]" : connection.host;
  if (connection.port != 22) host += ":" + std::to_string(connection.port);
  return "sftp://" + connection.user + "@" + host + connection.folder;
}

std::string knownHostName(const BankConnection& connection) {
  if (connection.port == 22) return connection.host;
  return "[" + connection.host + "]:" + std::to_string(connection.port);
}

std::string hostKeyFingerprint(std::string_view key) {
  const std::size_t space = key.find(' ');
  if (space == std::string_view::npos || space == 0) return {};
  std::string_view encoded = key.substr(space + 1);
  encoded = encoded.substr(0, encoded.find(' '));
  const std::optional<std::string> bytes = fromBase64(encoded);
  if (!bytes || bytes->size() < 8) return {};
  return "SHA256:" + toBase64Unpadded(hexToBytes(sha256Hex(*bytes)));
}

std::optional<BankConnection> getBankConnection(SettingsStore& store, std::string_view account) {
  const std::optional<std::string> address = store.readSetting(key(account, "bankConnection"));
  if (!address) return std::nullopt;
  std::string problem;
  std::optional<BankConnection> connection = parseSftpAddress(*address, problem);
  if (!connection) return std::nullopt;
  connection->keyFile = store.readSetting(key(account, "bankKeyFile")).value_or("");
  connection->hostKey = store.readSetting(key(account, "bankHostKey")).value_or("");
  connection->hostKeyFingerprint =
      store.readSetting(key(account, "bankHostKeyFingerprint")).value_or("");
  if (connection->hostKeyFingerprint.empty() ||
      hostKeyFingerprint(connection->hostKey) != connection->hostKeyFingerprint) {
    return std::nullopt;
  }
  return connection;
}

bool saveBankConnection(SettingsStore& store, std::string_view account,
                        const BankConnection& connection) {
  // The fingerprint goes last: a connection only partly saved does not count.
  return store.deleteSetting(key(account, "bankHostKeyFingerprint")) &&
         store.saveSetting(key(account, "bankConnection"), sftpAddress(connection)) &&
         store.saveSetting(key(account, "bankKeyFile"), connection.keyFile) &&
         store.saveSetting(key(account, "bankHostKey"), connection.hostKey) &&
         store.saveSetting(key(account, "bankHostKeyFingerprint"), connection.hostKeyFingerprint);
}

std::string noBankConnectionMessage(std::string_view account) {
  return "No bank connection is set up for the account " + std::string(account) +
         ": set one up under Bank connection (ppexport send --setup).";
}

}  // namespace ppexport

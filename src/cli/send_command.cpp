// `ppexport send`: a recorded bank file sent to the bank's SFTP server with the system's OpenSSH
// client, and `ppexport send --setup`, which names the server and pins its host key.

#include <CLI/CLI.hpp>
#include <filesystem>
#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/commands.h"
#include "cli/session.h"
#include "create/messages.h"
#include "settings/account_settings.h"
#include "text/file_names.h"
#include "text/windows1252.h"
#include "transfer/bank_upload.h"
#include "transfer/host_key_scan.h"

namespace ppexport::cli {

namespace {

using Json = nlohmann::ordered_json;

struct SendOptions {
  bool setup = false;
  std::optional<std::string> account;
  std::string to;
  std::optional<std::string> key;
  std::string hostKey;
  std::string id;
  bool last = false;
  bool again = false;
  bool json = false;
};

// The account given, else the last one chosen; nothing (printed) when there is none.
std::optional<std::string> accountOf(const SendOptions& options, SettingsStore& settings,
                                     Console& console) {
  const std::string account =
      options.account ? utf8ToWindows1252(*options.account) : lastChosenAccount(settings);
  if (account.empty() || account == noAccountChosen) {
    console.print(console.err, "ppexport: name the bank account with --account");
    return std::nullopt;
  }
  return account;
}

int setUp(const SendOptions& options, Session& session, Console& console) {
  SettingsStore* settings = session.settings();
  if (settings == nullptr) return badUsage;
  const std::optional<std::string> account = accountOf(options, *settings, console);
  if (!account) return badUsage;
  std::string problem;
  std::optional<BankConnection> connection = parseSftpAddress(options.to, problem);
  if (!connection) {
    console.print(console.err, "ppexport: " + problem);
    return badUsage;
  }
  if (options.key) {
    std::error_code error;
    const std::filesystem::path key = filePath(*options.key);
    if (!std::filesystem::is_regular_file(key, error)) {
      console.print(console.err, "ppexport: the key file " + utf8ToWindows1252(*options.key) +
                                     " does not exist");
      return badUsage;
    }
    connection->keyFile = fileName(std::filesystem::absolute(key, error));
  }
  SystemPrograms programs;
  const HostKeyScan scan = scanHostKeys(programs, *connection);
  if (!scan.failure.empty()) {
    console.print(console.err, scan.failure + "\r\nNothing was saved.");
    return failed;
  }
  const ScannedHostKey* chosen = chosenHostKey(scan, options.hostKey);
  if (chosen == nullptr) {
    console.print(console.err, "The bank's server " + knownHostName(*connection) +
                                   " shows the host key " + scan.keys.front().fingerprint +
                                   ", not " + options.hostKey + ".\r\nNothing was saved.");
    return failed;
  }
  console.print(console.out, "The bank's server " + knownHostName(*connection) +
                                 " shows the host key " + chosen->fingerprint + " (" +
                                 chosen->key.substr(0, chosen->key.find(' ')) + ").");
  if (options.hostKey.empty()) {
    console.out << "Is this the fingerprint your bank gave you? Save the connection? [y/N] "
                << std::flush;
    std::string answer;
    if (console.in == nullptr || !std::getline(*console.in, answer) ||
        (answer != "y" && answer != "Y" && answer != "yes" && answer != "Yes")) {
      console.print(console.out, "\r\nNothing was saved.");
      return failed;
    }
  }
  connection->hostKey = chosen->key;
  connection->hostKeyFingerprint = chosen->fingerprint;
  if (!saveBankConnection(*settings, *account, *connection)) {
    session.reportSettingsFailure(*settings);
    return failed;
  }
  console.print(console.out, "Saved the bank connection of " + *account + ": " +
                                 utf8ToWindows1252(sftpAddress(*connection)) + ".");
  return done;
}

// The entry named, or the newest of the account.
std::optional<HistoryEntry> entryToSend(const SendOptions& options, Session& session,
                                        Console& console, const std::string& folder) {
  if (!options.id.empty()) return entryNamed(folder, options.id, console);
  SettingsStore* settings = session.settings();
  if (settings == nullptr) return std::nullopt;
  const std::optional<std::string> account = accountOf(options, *settings, console);
  if (!account) return std::nullopt;
  for (HistoryEntry& entry : readEntries(folder, console)) {
    if (entry.account == *account) return std::move(entry);
  }
  console.print(console.err, "ppexport: no file of the account " + *account +
                                 " is recorded in the history");
  console.status = failed;
  return std::nullopt;
}

int send(const SendOptions& options, Session& session, Console& console) {
  const std::optional<std::string> folder = historyFolder(session, console);
  if (!folder) return console.status;
  const std::optional<HistoryEntry> entry = entryToSend(options, session, console, *folder);
  if (!entry) return console.status == done ? badUsage : console.status;
  if (options.account && entry->account != utf8ToWindows1252(*options.account)) {
    console.print(console.err, "ppexport: history entry " + entry->id + " is a file of the account " +
                                   entry->account + ", not " +
                                   utf8ToWindows1252(*options.account));
    return badUsage;
  }
  return sendRecordedFile(session, console, entry->id, options.again, options.json);
}

}  // namespace

int sendRecordedFile(Session& session, Console& console, const std::string& id, bool again,
                     bool json) {
  SettingsStore* settings = session.settings();
  const Clock* clock = session.clock();
  const std::optional<std::string> folder = historyFolder(session, console);
  if (settings == nullptr || clock == nullptr) return badUsage;
  if (!folder) return console.status;
  const std::optional<HistoryEntry> entry = entryNamed(*folder, id, console);
  if (!entry) return console.status;
  const std::optional<BankConnection> connection = getBankConnection(*settings, entry->account);
  if (!connection) {
    console.print(console.err, "ppexport: " + noBankConnectionMessage(entry->account));
    return badUsage;
  }
  SystemPrograms programs;
  BankUploadOptions options;
  options.again = again;
  const BankUpload upload =
      sendToBank(*folder, *entry, *connection, programs, clock->now(), options);
  const bool sent = upload.outcome == BankUploadOutcome::Sent;
  std::string message = upload.message;
  if (upload.outcome == BankUploadOutcome::AlreadySent) {
    message += " Give --again to send it again.";
  }
  if (json) {
    console.out << Json{{"id", entry->id},
                        {"sent", sent},
                        {"host", connection->host},
                        {"remotePath", sent ? upload.sent.remotePath : std::string()},
                        {"result", sent ? upload.sent.result : std::string()},
                        {"message", withPlainLineBreaks(windows1252ToUtf8(message))}}
                       .dump(2, ' ', false, Json::error_handler_t::replace)
                << '\n';
  } else {
    console.print(sent ? console.out : console.err, message);
  }
  return sent ? done : failed;
}

void addSendCommand(CLI::App& app, Session& session, Console& console) {
  auto options = std::make_shared<SendOptions>();
  CLI::App* command = app.add_subcommand(
      "send", "Send a recorded bank file to the bank's SFTP server (or set the server up)");
  command->add_flag(
      "--setup", options->setup,
      "Name the account's bank server (--to, --key) and pin its host key");
  command->add_option("--account", options->account,
                      "QuickBooks bank account (default: the last one chosen)");
  command->add_option("--to", options->to, "With --setup: sftp://user@host:port/folder");
  command->add_option("--key", options->key, "With --setup: the private key file (default: "
                                              "the ssh agent and your own keys)");
  command->add_option("--host-key", options->hostKey,
                      "With --setup: the fingerprint the bank gave, SHA256:... (no question)");
  CLI::Option* id = command->add_option("ENTRY-ID", options->id, "History entry to send");
  command->add_flag("--last", options->last, "The account's newest recorded file (the default)")
      ->excludes(id);
  command->add_flag("--again", options->again, "Send a file that was sent before");
  command->add_flag("--json", options->json, "Print the result as one JSON object");
  command->footer(
      "Sending uses the system's OpenSSH client (sftp): the key file or the ssh agent, never a\n"
      "password, and only the host key pinned by --setup.\n"
      "\n"
      "Exit status: 0 sent (or set up), 1 not sent (or not saved), 2 bad usage or no bank\n"
      "connection set up.");
  command->callback([options, &session, &console] {
    if (options->setup && options->to.empty()) {
      console.print(console.err, "ppexport: --setup needs --to sftp://user@host:port/folder");
      console.status = badUsage;
      return;
    }
    if (!options->setup && (!options->to.empty() || options->key || !options->hostKey.empty())) {
      console.print(console.err, "ppexport: --to, --key and --host-key go with --setup");
      console.status = badUsage;
      return;
    }
    console.status = options->setup ? setUp(*options, session, console)
                                    : send(*options, session, console);
  });
}

}  // namespace ppexport::cli

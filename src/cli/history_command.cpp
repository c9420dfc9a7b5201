// `ppexport history`: the bank files sent so far, their checks, and their bytes again.

#include <CLI/CLI.hpp>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/commands.h"
#include "cli/session.h"
#include "history/history_folder.h"
#include "history/recorded_file.h"
#include "text/file_names.h"
#include "text/windows1252.h"
#include "transfer/bank_upload.h"

namespace ppexport::cli {

std::optional<std::string> historyFolder(Session& session, Console& console) {
  const HistoryLocation location = session.history();
  if (location.folder.empty()) {
    console.print(console.err, "ppexport: " + location.error);
    console.status = failed;
    return std::nullopt;
  }
  return location.folder;
}

std::vector<HistoryEntry> readEntries(const std::string& folder, Console& console) {
  HistoryReading reading = readHistory(folder);
  for (const std::string& warning : reading.warnings) console.print(console.err, warning);
  return std::move(reading.entries);
}

std::optional<HistoryEntry> entryNamed(const std::string& folder, const std::string& id,
                                       Console& console) {
  std::string problem;
  std::optional<HistoryEntry> entry = readHistoryEntry(folder, id, problem);
  if (!entry) {
    console.print(console.err, "ppexport: " + utf8ToWindows1252(problem));
    // An id that names no entry is a usage error; an entry that cannot be read is a failure.
    console.status = problem.rfind("there is no", 0) == 0 ? badUsage : failed;
  }
  return entry;
}

namespace {

using Json = nlohmann::ordered_json;

struct HistoryOptions {
  std::optional<std::string> account;
  std::optional<std::string> bank;
  std::string id;
  std::string output;
  std::string checkNumber;
  bool json = false;
  bool unsent = false;
};

std::string utf8(std::string_view windows1252) { return windows1252ToUtf8(windows1252); }

// "2026-12-05 19:05:00"
std::string shownInstant(const DateTime& instant) {
  std::string text = isoDateTime(instant);
  text[10] = ' ';
  return text;
}

// "12/5/2026", or "" for a check whose date could not be read.
std::string shownDate(const std::optional<Date>& date) {
  if (!date) return {};
  return std::to_string(date->month) + "/" + std::to_string(date->day) + "/" +
         std::to_string(date->year);
}

std::string shownAccount(const HistoryEntry& entry) {
  return entry.account.empty() ? "(no account)" : entry.account;
}

std::string totalText(std::string_view label, const SentTotal& total) {
  return std::string(label) + " " + std::to_string(total.count) + ", total " +
         centsText(total.cents);
}

Json totalJson(const SentTotal& total) { return Json{{"count", total.count}, {"cents", total.cents}}; }

// The sendings to the bank, oldest first.
Json sentJson(const HistoryEntry& entry) {
  Json sent = Json::array();
  for (const SentToBank& sending : entry.sent) {
    sent.push_back(Json{{"time", isoDateTime(sending.time)},
                        {"host", sending.host},
                        {"remotePath", sending.remotePath},
                        {"result", sending.result}});
  }
  return sent;
}

Json summaryJson(const HistoryEntry& entry) {
  return Json{{"id", entry.id},
              {"created", isoDateTime(entry.created)},
              {"account", utf8(entry.account)},
              {"bankFormat", utf8(entry.bankFormat)},
              {"output", entry.output},
              {"count", entry.count},
              {"issued", totalJson(entry.issued)},
              {"voided", totalJson(entry.voided)},
              {"sha256", entry.sha256},
              {"sent", sentJson(entry)}};
}

Json checkJson(const SentCheck& check) {
  return Json{{"number", utf8(check.number)},
              {"date", check.date ? isoDate(*check.date) : std::string()},
              {"cents", check.cents},
              {"payee", utf8(check.payee)},
              {"void", check.isVoid}};
}

void printJson(Console& console, const Json& json) {
  console.out << json.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

void list(const HistoryOptions& options, Session& session, Console& console) {
  const std::optional<std::string> folder = historyFolder(session, console);
  if (!folder) return;
  Json listed = Json::array();
  for (const HistoryEntry& entry : readEntries(*folder, console)) {
    if (options.account && entry.account != utf8ToWindows1252(*options.account)) continue;
    if (options.bank && entry.bankFormat != utf8ToWindows1252(*options.bank)) continue;
    if (options.unsent && !entry.sent.empty()) continue;
    if (options.json) {
      listed.push_back(summaryJson(entry));
      continue;
    }
    console.print(console.out,
                  entry.id + "  " + shownInstant(entry.created) + "  " + shownAccount(entry) + "  " +
                      entry.bankFormat + "  " + std::to_string(entry.count) + " check record" +
                      (entry.count == 1 ? "" : "s") + "  " + totalText("issued", entry.issued) +
                      "  " + totalText("voided", entry.voided) + "  " +
                      utf8ToWindows1252(entry.output) + "  " +
                      utf8ToWindows1252(sentText(entry)));
  }
  if (options.json) printJson(console, listed);
}

void show(const HistoryOptions& options, Session& session, Console& console) {
  const std::optional<std::string> folder = historyFolder(session, console);
  if (!folder) return;
  const std::optional<HistoryEntry> entry = entryNamed(*folder, options.id, console);
  if (!entry) return;
  if (options.json) {
    Json shown = summaryJson(*entry);
    shown["identifiers"] = Json{{"bankId", utf8(entry->identifiers.bankId)},
                                {"accountId", utf8(entry->identifiers.accountId)},
                                {"remoteId", utf8(entry->identifiers.remoteId)},
                                {"batchId", utf8(entry->identifiers.batchId)},
                                {"bankCode", utf8(entry->identifiers.bankCode)}};
    Json checks = Json::array();
    for (const SentCheck& check : entry->checks) checks.push_back(checkJson(check));
    shown["checks"] = std::move(checks);
    printJson(console, shown);
    return;
  }
  const std::vector<std::pair<std::string, std::string>> lines = {
      {"Entry", entry->id},
      {"Created", shownInstant(entry->created)},
      {"Account", shownAccount(*entry)},
      {"Bank format", entry->bankFormat},
      {"File", utf8ToWindows1252(entry->output)},
      {"Bank ID", entry->identifiers.bankId},
      {"Account ID", entry->identifiers.accountId},
      {"Remote ID", entry->identifiers.remoteId},
      {"Batch ID", entry->identifiers.batchId},
      {"Bank code", entry->identifiers.bankCode},
      {"Check records", std::to_string(entry->count)},
      {"Issued checks", std::to_string(entry->issued.count) + ", total " +
                            centsText(entry->issued.cents)},
      {"Voided checks", std::to_string(entry->voided.count) + ", total " +
                            centsText(entry->voided.cents)},
      {"SHA-256", entry->sha256},
      {"Sent to the bank", utf8ToWindows1252(sentText(*entry))}};
  for (const auto& [label, value] : lines) console.print(console.out, label + ": " + value);
  console.print(console.out, "");
  for (const SentCheck& check : entry->checks) {
    console.print(console.out, check.number + "  " + shownDate(check.date) + "  " +
                                   centsText(check.cents) + "  " +
                                   (check.isVoid ? "void" : "issued") + "  " + check.payee);
  }
}

void exportFile(const HistoryOptions& options, Session& session, Console& console) {
  const std::optional<std::string> folder = historyFolder(session, console);
  if (!folder) return;
  // A file inside the history would be taken for an entry's, or replace one.
  if (insideFolder(options.output, *folder)) {
    console.print(console.err, "ppexport: " + utf8ToWindows1252(options.output) +
                                   " is inside the history folder; choose a file outside it.");
    console.status = badUsage;
    return;
  }
  const std::optional<HistoryEntry> entry = entryNamed(*folder, options.id, console);
  if (!entry) return;
  const std::string failure = exportRecordedFile(*folder, *entry, options.output);
  if (!failure.empty()) {
    console.print(console.err, "Could not create " + utf8ToWindows1252(options.output) + ".\r\n\r\n" +
                                   failure);
    console.status = failed;
    return;
  }
  if (options.json) {
    printJson(console, Json{{"id", entry->id}, {"file", options.output}, {"written", true}});
  } else {
    console.print(console.out, "Wrote the file of history entry " + entry->id + " to " +
                                   utf8ToWindows1252(options.output) + ".");
  }
}

void check(const HistoryOptions& options, Session& session, Console& console) {
  const std::optional<std::string> folder = historyFolder(session, console);
  if (!folder) return;
  const std::optional<HistoryEntry> entry = entryNamed(*folder, options.id, console);
  if (!entry) return;
  const RecordedFileCheck checked = checkRecordedFile(*folder, *entry);
  if (!checked.same) console.status = failed;
  if (options.json) {
    Json differences = Json::array();
    for (const std::string& difference : checked.differences) differences.push_back(utf8(difference));
    printJson(console, Json{{"id", entry->id},
                            {"file", entry->output},
                            {"same", checked.same},
                            {"differences", differences}});
    return;
  }
  const std::string file = utf8ToWindows1252(entry->output);
  if (checked.same) {
    console.print(console.out, file + " holds the bytes recorded in history entry " + entry->id + ".");
    return;
  }
  console.print(console.out, file + " is not the file recorded in history entry " + entry->id + ".");
  for (const std::string& difference : checked.differences) console.print(console.out, difference);
}

void find(const HistoryOptions& options, Session& session, Console& console) {
  const std::optional<std::string> folder = historyFolder(session, console);
  if (!folder) return;
  const std::string number = utf8ToWindows1252(options.checkNumber);
  Json found = Json::array();
  for (const HistoryEntry& entry : readEntries(*folder, console)) {
    if (options.account && entry.account != utf8ToWindows1252(*options.account)) continue;
    for (const SentCheck& sent : entry.checks) {
      if (sent.number != number) continue;
      if (options.json) {
        Json item = summaryJson(entry);
        item["check"] = checkJson(sent);
        found.push_back(std::move(item));
        continue;
      }
      console.print(console.out, entry.id + "  " + shownInstant(entry.created) + "  " +
                                     shownAccount(entry) + "  " + entry.bankFormat + "  " +
                                     centsText(sent.cents) + "  " +
                                     (sent.isVoid ? "void" : "issued") + "  " + sent.payee + "  " +
                                     utf8ToWindows1252(entry.output));
    }
  }
  if (options.json) printJson(console, found);
}

}  // namespace

void addHistoryCommand(CLI::App& app, Session& session, Console& console) {
  auto options = std::make_shared<HistoryOptions>();
  CLI::App* history =
      app.add_subcommand("history", "The bank files sent so far and the checks they carried");
  history->require_subcommand(1);
  auto withJson = [options](CLI::App* command) {
    command->add_flag("--json", options->json, "One JSON value for scripts");
  };

  CLI::App* listCommand = history->add_subcommand("list", "Every recorded file, newest first");
  listCommand->add_option("--account", options->account, "Only this QuickBooks bank account");
  listCommand->add_option("--bank", options->bank, "Only this bank format");
  listCommand->add_flag("--unsent", options->unsent, "Only the files not sent to the bank yet");
  withJson(listCommand);
  listCommand->callback([options, &session, &console] { list(*options, session, console); });

  CLI::App* showCommand = history->add_subcommand("show", "One recorded file and its checks");
  showCommand->add_option("ID", options->id, "History entry")->required();
  withJson(showCommand);
  showCommand->callback([options, &session, &console] { show(*options, session, console); });

  CLI::App* exportCommand =
      history->add_subcommand("export", "Write a recorded file again, byte for byte");
  exportCommand->add_option("ID", options->id, "History entry")->required();
  exportCommand->add_option("--output", options->output, "File to write")->required();
  withJson(exportCommand);
  exportCommand->callback([options, &session, &console] { exportFile(*options, session, console); });

  CLI::App* checkCommand = history->add_subcommand(
      "check", "Whether the file at its recorded path still holds the recorded bytes");
  checkCommand->add_option("ID", options->id, "History entry")->required();
  withJson(checkCommand);
  checkCommand->callback([options, &session, &console] { check(*options, session, console); });

  CLI::App* findCommand = history->add_subcommand("find", "Every recorded file that carried a check");
  findCommand->add_option("CHECKNUMBER", options->checkNumber, "Check number")->required();
  findCommand->add_option("--account", options->account, "Only this QuickBooks bank account");
  withJson(findCommand);
  findCommand->callback([options, &session, &console] { find(*options, session, console); });
}

}  // namespace ppexport::cli

#pragma once
// The command line `ppexport`: the same core as the window, for scripted and headless use.

#include <iosfwd>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "history/history_entry.h"

namespace CLI {
class App;
}

namespace ppexport::cli {

// Runs the command line on the process's arguments; returns the exit status.
int run(int argc, char** argv);
// The same with the arguments (without the program name) and the two streams given.
int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// Exit statuses.
inline constexpr int done = 0;
inline constexpr int failed = 1;     // the operation failed: export error, file not written
inline constexpr int badUsage = 2;   // bad usage, or a choice the window would refuse

// The options every subcommand shares, given before the subcommand.
struct GlobalOptions {
  std::string settingsFile;  // --settings
  std::string companyFile;   // --company
  std::string now;           // --now, "YYYY-MM-DD" or "YYYY-MM-DDTHH:MM"
  std::string history;       // --history, the folder of the sent-file history
};

// Where a subcommand prints, and the status it ends with.
struct Console {
  std::ostream& out;
  std::ostream& err;
  int status = done;
  std::istream* in = &std::cin;  // where a question's answer is read
  // Prints a message of the core (Windows-1252, CR LF) as UTF-8 with LF line breaks.
  void print(std::ostream& stream, const std::string& message) const;
};

class Session;

// Each subcommand adds itself to the application.
void addConvertCommand(CLI::App& app, Session& session, Console& console);
void addCreateCommand(CLI::App& app, Session& session, Console& console);
void addAccountsCommand(CLI::App& app, Session& session, Console& console);
void addBanksCommand(CLI::App& app, Session& session, Console& console);
void addSettingsCommand(CLI::App& app, Session& session, Console& console);
void addCustomCommand(CLI::App& app, Session& session, Console& console);
void addHistoryCommand(CLI::App& app, Session& session, Console& console);
void addSendCommand(CLI::App& app, Session& session, Console& console);

// The history folder, or nothing (printed, with the exit status set) when none can be named.
std::optional<std::string> historyFolder(Session& session, Console& console);
// Every readable entry, newest first; the folders left out are named on standard error.
std::vector<HistoryEntry> readEntries(const std::string& folder, Console& console);
// Entry id of the history in folder, or nothing (printed, with the exit status set).
std::optional<HistoryEntry> entryNamed(const std::string& folder, const std::string& id,
                                       Console& console);

// Sends history entry id (of account) to the bank over the account's bank connection and prints
// the result; returns the exit status. again: send a file that was sent before.
int sendRecordedFile(Session& session, Console& console, const std::string& id, bool again,
                     bool json);

}  // namespace ppexport::cli

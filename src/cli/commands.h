#pragma once
// The command line `ppexport`: the same core as the window, for scripted and headless use.

#include <iosfwd>
#include <string>
#include <vector>

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

}  // namespace ppexport::cli

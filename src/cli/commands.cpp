#include "cli/commands.h"

#include <CLI/CLI.hpp>
#include <csignal>
#include <iostream>

#include "cli/command_words.h"
#include "cli/session.h"
#include "create/messages.h"
#include "text/windows1252.h"

namespace ppexport::cli {

void Console::print(std::ostream& stream, const std::string& message) const {
  stream << withPlainLineBreaks(windows1252ToUtf8(message)) << '\n';
}

namespace {
int runCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  CLI::App app{"Writes the issued-check files that banks match presented checks against.",
               "ppexport"};
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string("ppexport ") + PPEXPORT_VERSION,
                       "Print the program's version and exit");
  // The global options may also stand after the command: every command hands on what it does not
  // know itself.
  app.fallthrough();
  GlobalOptions globals;
  app.add_option("--settings", globals.settingsFile, "Settings store file");
  app.add_option("--company", globals.companyFile, "Company file played instead of QuickBooks");
  app.add_option("--now", globals.now, "The clock, as YYYY-MM-DD or YYYY-MM-DDTHH:MM");
  app.add_option("--history", globals.history, "Folder of the sent-file history");
  Console console{out, err};
  Session session(globals, console);
  addCreateCommand(app, session, console);
  addConvertCommand(app, session, console);
  addAccountsCommand(app, session, console);
  addBanksCommand(app, session, console);
  addSettingsCommand(app, session, console);
  addCustomCommand(app, session, console);
  addHistoryCommand(app, session, console);
  addSendCommand(app, session, console);

  if (std::optional<int> answered = answerCommandWords(app, arguments, console)) return *answered;
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return done;
  } catch (const CLI::CallForVersion& version) {
    out << version.what() << '\n';
    return done;
  } catch (const CLI::ParseError& error) {
    err << "ppexport: " << error.what() << '\n';
    return badUsage;
  }
  return console.status;
}
}  // namespace

int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const int status = runCommand(arguments, out, err);
  // A script must not take a result that never reached it (a full disk, a closed pipe) for one.
  out.flush();
  if (!out) {
    err << "ppexport: the output could not be written\n";
    return status == done ? failed : status;
  }
  return status;
}

int run(int argc, char** argv) {
#ifdef SIGPIPE
  // A closed pipe is a failed write, answered by the exit status, not an end without one.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  std::vector<std::string> arguments(argv + 1, argv + argc);
  return run(arguments, std::cout, std::cerr);
}

}  // namespace ppexport::cli

// `ppexport banks`: the bank list, one entry per line, in the order the window lists it.

#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "cli/session.h"
#include "formats/bank_list.h"
#include "settings/settings_store.h"

namespace ppexport::cli {

void addBanksCommand(CLI::App& app, Session& session, Console& console) {
  CLI::App* command = app.add_subcommand("banks", "List the bank formats, custom formats first");
  command->callback([&session, &console] {
    SettingsStore* settings = session.settings();
    // A settings file named where settings live in the registry is a usage error (said already).
    if (settings == nullptr) {
      console.status = badUsage;
      return;
    }
    for (const std::string& entry : bankList(settings)) console.print(console.out, entry);
    console.status = done;
  });
}

}  // namespace ppexport::cli

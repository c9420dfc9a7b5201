#pragma once
// Chooses and opens the user's settings store: the registry on Windows, a SQLite settings file
// elsewhere.

#include <memory>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace ppexport {

// The settings file of platforms without a registry: explicitPath when one is given (the command
// line's --settings), else the PPEXPORT_SETTINGS environment variable, else settings.sqlite in the
// ppexport folder of the user's configuration folder ($XDG_CONFIG_HOME, or ~/.config).
struct SettingsFileLocation {
  std::string path;        // "" when no location could be worked out
  bool isDefault = false;  // the per-user default, whose folder may be created
  std::string error;       // why there is no path
};
SettingsFileLocation settingsFileLocation(std::string_view explicitPath);

struct OpenedSettingsStore {
  // Never null. When the store cannot be used, every operation fails with the reason below.
  std::unique_ptr<SettingsStore> store;
  // Why the store cannot be used as asked; "" when it can. It names the file.
  std::string error;
  // A settings file was named where settings live in the registry (Windows): a usage error.
  bool refused = false;
};

// Opens the settings store. Nothing is written to a store file that cannot be used; the program
// still runs, with every settings operation failing and reporting why.
OpenedSettingsStore openSettingsStore(std::string_view explicitPath);

}  // namespace ppexport

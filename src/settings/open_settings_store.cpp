#include "settings/open_settings_store.h"

#include <filesystem>
#include <system_error>

#include "settings/environment.h"
#include "settings/memory_store.h"
#include "settings/registry_store.h"
#include "settings/sqlite_store.h"

namespace ppexport {

namespace {

OpenedSettingsStore unusable(std::string reason, bool refused) {
  auto failing = std::make_unique<MemorySettingsStore>();
  failing->failWith(reason);
  return OpenedSettingsStore{std::move(failing), std::move(reason), refused};
}

}  // namespace

SettingsFileLocation settingsFileLocation(std::string_view explicitPath) {
  if (!explicitPath.empty()) return {std::string(explicitPath), false, {}};
  const std::string named = environmentValue("PPEXPORT_SETTINGS");
  if (!named.empty()) return {named, false, {}};
  // The XDG rule: a relative XDG_CONFIG_HOME is ignored.
  std::string folder = environmentValue("XDG_CONFIG_HOME");
  if (folder.empty() || folder.front() != '/') {
    const std::string home = environmentValue("HOME");
    if (home.empty()) {
      return {{}, false, "No settings file can be kept: neither XDG_CONFIG_HOME nor HOME is set"};
    }
    folder = pathInFolder(home, ".config");
  }
  return {pathInFolder(pathInFolder(folder, "ppexport"), "settings.sqlite"), true, {}};
}

OpenedSettingsStore openSettingsStore(std::string_view explicitPath) {
#ifdef _WIN32
  if (!explicitPath.empty() || !environmentValue("PPEXPORT_SETTINGS").empty()) {
    return unusable(
        "On Windows the settings are kept in the registry; a settings file cannot be named with "
        "--settings or PPEXPORT_SETTINGS",
        true);
  }
  return OpenedSettingsStore{std::make_unique<RegistrySettingsStore>(), {}, false};
#else
  const SettingsFileLocation location = settingsFileLocation(explicitPath);
  if (location.path.empty()) return unusable(location.error, false);
  if (location.isDefault) {
    // A folder that cannot be made shows as a file that cannot be opened. A folder made here is
    // the user's alone, as the settings in it are.
    const std::filesystem::path folder = std::filesystem::path(location.path).parent_path();
    std::error_code ignored;
    if (std::filesystem::create_directories(folder, ignored)) {
      std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::replace, ignored);
    }
  }
  auto store = std::make_unique<SqliteSettingsStore>(location.path);
  std::string error = store->isUsable() ? std::string() : store->lastError();
  return OpenedSettingsStore{std::move(store), std::move(error), false};
#endif
}

}  // namespace ppexport

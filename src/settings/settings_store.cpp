#include "settings/settings_store.h"

namespace ppexport {

SettingValue getSetting(SettingsStore& store, std::string_view key, std::string_view defaultValue) {
  std::optional<std::string> stored = store.readSetting(key);
  return SettingValue{stored ? *stored : std::string(defaultValue)};
}

}  // namespace ppexport

#pragma once
// The settings store on Windows: string values under HKEY_CURRENT_USER\Software\ppexport\Prefs.
//
// The program's Windows-1252 bytes are stored as Unicode registry strings. The registry itself
// matches value names case-insensitively and keeps the case they were created with. Enumeration
// is in the registry's own order, as the earlier versions listed custom formats: the order of
// creation on Windows (Wine lists values by name).

#ifdef _WIN32

#include "settings/settings_store.h"

namespace ppexport {

// The registry key of the settings, below HKEY_CURRENT_USER.
inline constexpr const wchar_t* registrySettingsKey = L"Software\\ppexport\\Prefs";

class RegistrySettingsStore final : public SettingsStore {
 public:
  bool saveSetting(std::string_view key, std::string_view value) override;
  std::optional<std::string> readSetting(std::string_view key) override;
  bool deleteSetting(std::string_view key) override;
  SettingsEntries enumerate() override;
  // The registry has no transactions across values: a named mutex of the user's session keeps two
  // copies of the program from reading the same counter before either has written it back.
  std::optional<std::string> readAndAdvance(
      std::string_view key,
      const std::function<std::string(const std::optional<std::string>&)>& advance) override;
  std::string lastError() const override { return error_; }

 private:
  bool fail(const char* what, long code);
  std::string error_;
};

}  // namespace ppexport

#endif  // _WIN32

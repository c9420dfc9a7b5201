#pragma once
// The settings store on Windows: string values under
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Darodid IzezozezIzo Vizozav\Prefs, where
// earlier Windows versions of the tool kept them, so that their settings are found again.
//
// The program's Windows-1252 bytes are stored as Unicode registry strings. The registry itself
// matches value names case-insensitively and keeps the case they were created with.

#ifdef _WIN32

#include "settings/settings_store.h"

namespace ppexport {

// The registry key of the settings, below HKEY_CURRENT_USER.
inline constexpr const wchar_t* registrySettingsKey =
    L"Software\\VB and VBA Program Settings\\Darodid IzezozezIzo Vizozav\\Prefs";

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

#pragma once
// The per-user settings store: text values under keys of the application's "Prefs" section.
// Keys match case-insensitively and keep the case they were first stored with; enumeration is in
// order of first storage.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ppexport {

using SettingsEntries = std::vector<std::pair<std::string, std::string>>;

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // Writes value under key. False when the store could not be written; lastError() says why.
  virtual bool saveSetting(std::string_view key, std::string_view value) = 0;
  // The stored text, or nothing when the key is absent or the store could not be read.
  virtual std::optional<std::string> readSetting(std::string_view key) = 0;
  // Removes the key; an absent key is not an error.
  virtual bool deleteSetting(std::string_view key) = 0;
  // Every (key, value) pair of the section, in order of first storage.
  virtual SettingsEntries enumerate() = 0;

  // Reads the value of key (nothing when absent), hands it to advance, and stores what advance
  // returns, all in one step that no other copy of the program can interleave with. Returns the
  // stored text, or nothing when the store failed (lastError() says why; nothing was changed).
  virtual std::optional<std::string> readAndAdvance(
      std::string_view key,
      const std::function<std::string(const std::optional<std::string>&)>& advance) = 0;

  // Why the last operation failed, naming the store; "" when it succeeded.
  virtual std::string lastError() const = 0;
};

// A setting as the system reads it: "True" and "False" (exactly so) are booleans, everything else
// is text.
struct SettingValue {
  std::string text;
  bool isBoolean() const { return text == "True" || text == "False"; }
  bool asBoolean() const { return text == "True"; }
};

// The stored value of key, or defaultValue when it is absent or unreadable.
SettingValue getSetting(SettingsStore& store, std::string_view key, std::string_view defaultValue);

}  // namespace ppexport

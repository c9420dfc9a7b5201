#pragma once
// A settings store held in memory: for tests and for runs that must not touch the user's settings.

#include "settings/settings_store.h"

namespace ppexport {

class MemorySettingsStore final : public SettingsStore {
 public:
  bool saveSetting(std::string_view key, std::string_view value) override;
  std::optional<std::string> readSetting(std::string_view key) override;
  bool deleteSetting(std::string_view key) override;
  SettingsEntries enumerate() override;
  std::optional<std::string> readAndAdvance(
      std::string_view key,
      const std::function<std::string(const std::optional<std::string>&)>& advance) override;
  std::string lastError() const override { return error_; }

  // Makes every following operation fail with reason, as a broken store file would ("" heals it).
  void failWith(std::string reason) { error_ = std::move(reason); failing_ = !error_.empty(); }

 private:
  SettingsEntries::iterator find(std::string_view key);
  SettingsEntries entries_;
  std::string error_;
  bool failing_ = false;
};

}  // namespace ppexport

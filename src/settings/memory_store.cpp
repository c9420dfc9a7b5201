#include "settings/memory_store.h"

#include "text/windows1252.h"

namespace ppexport {

SettingsEntries::iterator MemorySettingsStore::find(std::string_view key) {
  const std::string wanted = upperCase(key);
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (upperCase(it->first) == wanted) return it;
  }
  return entries_.end();
}

bool MemorySettingsStore::saveSetting(std::string_view key, std::string_view value) {
  if (failing_) return false;
  auto it = find(key);
  if (it == entries_.end()) {
    entries_.emplace_back(std::string(key), std::string(value));
  } else {
    it->second = std::string(value);
  }
  return true;
}

std::optional<std::string> MemorySettingsStore::readSetting(std::string_view key) {
  if (failing_) return std::nullopt;
  auto it = find(key);
  if (it == entries_.end()) return std::nullopt;
  return it->second;
}

bool MemorySettingsStore::deleteSetting(std::string_view key) {
  if (failing_) return false;
  auto it = find(key);
  if (it != entries_.end()) entries_.erase(it);
  return true;
}

SettingsEntries MemorySettingsStore::enumerate() {
  if (failing_) return {};
  return entries_;
}

std::optional<std::string> MemorySettingsStore::readAndAdvance(
    std::string_view key,
    const std::function<std::string(const std::optional<std::string>&)>& advance) {
  if (failing_) return std::nullopt;
  std::string next = advance(readSetting(key));
  saveSetting(key, next);
  return next;
}

}  // namespace ppexport

#pragma once
// The settings store of platforms without a registry: one SQLite database file per user.
//
// Keys and values are kept as the program's Windows-1252 bytes, exactly as given. Keys match
// case-insensitively (Windows-1252 upper case, as the registry matches them) and keep the case
// they were first stored with; enumeration is in order of first storage. Every write is one
// transaction, so a crash never leaves a half-written value, and two running copies of the program
// wait up to ten seconds for each other instead of failing.
//
// A file that is damaged, is not a database, or belongs to another program is never written to or
// replaced: every operation then fails and lastError() names the file and the reason.

#ifndef _WIN32

#include <string>

#include "settings/settings_store.h"

struct sqlite3;

namespace ppexport {

class SqliteSettingsStore final : public SettingsStore {
 public:
  // Opens (or creates) the store file at path. A file that cannot be used is reported through
  // lastError(); the store then retries on every operation, so a file that becomes usable again
  // (a lock released, a folder created) is taken up without restarting the program.
  explicit SqliteSettingsStore(std::string path);
  ~SqliteSettingsStore() override;
  SqliteSettingsStore(const SqliteSettingsStore&) = delete;
  SqliteSettingsStore& operator=(const SqliteSettingsStore&) = delete;

  bool saveSetting(std::string_view key, std::string_view value) override;
  std::optional<std::string> readSetting(std::string_view key) override;
  bool deleteSetting(std::string_view key) override;
  SettingsEntries enumerate() override;
  std::optional<std::string> readAndAdvance(
      std::string_view key,
      const std::function<std::string(const std::optional<std::string>&)>& advance) override;
  // Why the last operation failed, naming the file; "" when it succeeded.
  std::string lastError() const override { return error_; }

  const std::string& path() const { return path_; }
  // True when the file is open and holds this program's settings.
  bool isUsable();

 private:
  bool ensureOpen();
  bool prepareFile();
  void close();
  bool fail(const std::string& what);
  bool execute(const char* statement);
  bool writeInTransaction(const std::function<bool()>& work);

  std::string path_;
  sqlite3* database_ = nullptr;
  bool ready_ = false;
  std::string error_;
};

}  // namespace ppexport

#endif  // _WIN32

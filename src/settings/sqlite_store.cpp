#include "settings/sqlite_store.h"

#ifndef _WIN32

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <climits>

#include "text/windows1252.h"

namespace ppexport {

namespace {

// Marks a database file as this program's settings ("PPXS"), so that a file of another program
// named by mistake is never written to.
constexpr int settingsApplicationId = 0x50505853;
constexpr int schemaVersion = 1;
// Two copies of the program wait this long for each other's write before a write fails.
constexpr int busyTimeoutMilliseconds = 10000;

constexpr const char* createTable =
    "CREATE TABLE settings ("
    " seq INTEGER PRIMARY KEY,"      // order of first storage
    " folded BLOB NOT NULL UNIQUE,"  // the key in upper case: keys match case-insensitively
    " key BLOB NOT NULL,"            // the key as it was first stored
    " value BLOB NOT NULL)";

// One prepared SQL statement, finalized when it goes out of scope. Keys and values are bound as
// bytes so that they come back exactly as they were stored.
class Statement {
 public:
  Statement(sqlite3* database, const char* sql) {
    if (sqlite3_prepare_v2(database, sql, -1, &statement_, nullptr) != SQLITE_OK) {
      sqlite3_finalize(statement_);
      statement_ = nullptr;
    }
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool prepared() const { return statement_ != nullptr; }
  bool bind(int index, std::string_view bytes) {
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return false;
    // An empty value is a zero-length blob, never NULL.
    const char* data = bytes.empty() ? "" : bytes.data();
    return sqlite3_bind_blob(statement_, index, data, static_cast<int>(bytes.size()),
                             SQLITE_TRANSIENT) == SQLITE_OK;
  }
  int step() { return statement_ ? sqlite3_step(statement_) : SQLITE_ERROR; }
  std::string bytes(int column) {
    const void* data = sqlite3_column_blob(statement_, column);
    const int size = sqlite3_column_bytes(statement_, column);
    return data ? std::string(static_cast<const char*>(data), static_cast<std::size_t>(size))
                : std::string();
  }
  long long integer(int column) { return sqlite3_column_int64(statement_, column); }

 private:
  sqlite3_stmt* statement_ = nullptr;
};

}  // namespace

SqliteSettingsStore::SqliteSettingsStore(std::string path) : path_(std::move(path)) {
  ensureOpen();
}

SqliteSettingsStore::~SqliteSettingsStore() { close(); }

void SqliteSettingsStore::close() {
  if (database_) sqlite3_close_v2(database_);
  database_ = nullptr;
  ready_ = false;
}

bool SqliteSettingsStore::fail(const std::string& what) {
  error_ = "The settings file \"" + path_ + "\" " + what;
  if (database_) {
    const char* reason = sqlite3_errmsg(database_);
    if (reason && *reason) error_ += std::string(": ") + reason;
  }
  return false;
}

bool SqliteSettingsStore::execute(const char* statement) {
  return sqlite3_exec(database_, statement, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool SqliteSettingsStore::writeInTransaction(const std::function<bool()>& work) {
  // IMMEDIATE takes the write lock before anything is read, so that a value read inside the
  // transaction cannot be changed by another copy of the program before it is written back.
  if (!execute("BEGIN IMMEDIATE")) return fail("could not be written");
  bool done = false;
  try {
    done = work();
  } catch (...) {
    error_ = "The settings file \"" + path_ + "\" was not changed: the new value failed";
  }
  if (done && !execute("COMMIT")) {
    fail("could not be written");
    done = false;
  }
  if (!done) execute("ROLLBACK");
  return done;
}

bool SqliteSettingsStore::ensureOpen() {
  if (ready_) return true;
  close();
  if (path_.empty()) {
    error_ = "No settings file was named";
    return false;
  }
  // The settings hold bank account numbers and identifiers: a new file is the user's alone (the
  // journal files take the same permissions). An existing file is left as it is.
  const int created = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (created >= 0) ::close(created);
  if (sqlite3_open_v2(path_.c_str(), &database_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                      nullptr) != SQLITE_OK) {
    fail("could not be opened");
    close();
    return false;
  }
  sqlite3_busy_timeout(database_, busyTimeoutMilliseconds);
  if (!prepareFile()) {
    close();
    return false;
  }
  ready_ = true;
  return true;
}

bool SqliteSettingsStore::prepareFile() {
  // Looks at what the file holds before anything is written: only this program's settings file,
  // or an empty one, may be used.
  enum class Content { Settings, Empty, Foreign, Unreadable };
  auto inspect = [this]() {
    Statement id(database_, "PRAGMA application_id");
    if (id.step() != SQLITE_ROW) return Content::Unreadable;
    const long long fileId = id.integer(0);
    Statement tables(database_,
                     "SELECT count(*), count(CASE WHEN name = 'settings' THEN 1 END) "
                     "FROM sqlite_master");
    if (tables.step() != SQLITE_ROW) return Content::Unreadable;
    if (fileId == settingsApplicationId && tables.integer(1) == 1) return Content::Settings;
    if (fileId == 0 && tables.integer(0) == 0) return Content::Empty;
    return Content::Foreign;
  };
  auto judge = [this](Content content) {
    if (content == Content::Unreadable) return fail("cannot be used");
    error_ = "The settings file \"" + path_ +
             "\" cannot be used: it is not a settings file of this program";
    return false;
  };

  Content content = inspect();
  if (content == Content::Settings) return true;
  if (content != Content::Empty) return judge(content);

  // A new or empty file gets its table. A second look inside the transaction, because another copy
  // of the program may have laid it out meanwhile.
  return writeInTransaction([&]() {
    content = inspect();
    if (content == Content::Settings) return true;
    if (content != Content::Empty) return judge(content);
    const std::string stamp = "PRAGMA application_id = " + std::to_string(settingsApplicationId) +
                              "; PRAGMA user_version = " + std::to_string(schemaVersion);
    if (!execute(createTable) || !execute(stamp.c_str())) return fail("could not be set up");
    return true;
  });
}

bool SqliteSettingsStore::isUsable() {
  error_.clear();
  return ensureOpen();
}

namespace {

// Reads the value stored under key into value (nothing when absent). False on a failed read.
bool readValue(sqlite3* database, std::string_view key, std::optional<std::string>& value) {
  Statement select(database, "SELECT value FROM settings WHERE folded = ?1");
  if (!select.prepared() || !select.bind(1, upperCase(key))) return false;
  const int result = select.step();
  if (result == SQLITE_ROW) {
    value = select.bytes(0);
    return true;
  }
  value.reset();
  return result == SQLITE_DONE;
}

bool storeValue(sqlite3* database, std::string_view key, std::string_view value) {
  Statement upsert(database,
                   "INSERT INTO settings (folded, key, value) VALUES (?1, ?2, ?3) "
                   "ON CONFLICT (folded) DO UPDATE SET value = excluded.value");
  return upsert.prepared() && upsert.bind(1, upperCase(key)) && upsert.bind(2, key) &&
         upsert.bind(3, value) && upsert.step() == SQLITE_DONE;
}

}  // namespace

bool SqliteSettingsStore::saveSetting(std::string_view key, std::string_view value) {
  error_.clear();
  if (!ensureOpen()) return false;
  return writeInTransaction([&]() {
    return storeValue(database_, key, value) || fail("could not be written");
  });
}

std::optional<std::string> SqliteSettingsStore::readSetting(std::string_view key) {
  error_.clear();
  if (!ensureOpen()) return std::nullopt;
  std::optional<std::string> value;
  if (!readValue(database_, key, value)) {
    fail("could not be read");
    return std::nullopt;
  }
  return value;
}

bool SqliteSettingsStore::deleteSetting(std::string_view key) {
  error_.clear();
  if (!ensureOpen()) return false;
  return writeInTransaction([&]() {
    Statement remove(database_, "DELETE FROM settings WHERE folded = ?1");
    return (remove.prepared() && remove.bind(1, upperCase(key)) && remove.step() == SQLITE_DONE) ||
           fail("could not be written");
  });
}

SettingsEntries SqliteSettingsStore::enumerate() {
  error_.clear();
  if (!ensureOpen()) return {};
  SettingsEntries entries;
  Statement select(database_, "SELECT key, value FROM settings ORDER BY seq");
  int result = select.step();
  for (; result == SQLITE_ROW; result = select.step()) {
    entries.emplace_back(select.bytes(0), select.bytes(1));
  }
  if (result != SQLITE_DONE) {
    fail("could not be read");
    return {};
  }
  return entries;
}

std::optional<std::string> SqliteSettingsStore::readAndAdvance(
    std::string_view key,
    const std::function<std::string(const std::optional<std::string>&)>& advance) {
  error_.clear();
  if (!ensureOpen()) return std::nullopt;
  std::optional<std::string> stored;
  const bool done = writeInTransaction([&]() {
    std::optional<std::string> current;
    if (!readValue(database_, key, current)) return fail("could not be read");
    std::string next = advance(current);
    if (!storeValue(database_, key, next)) return fail("could not be written");
    stored = std::move(next);
    return true;
  });
  if (!done) return std::nullopt;
  return stored;
}

}  // namespace ppexport

#endif  // _WIN32

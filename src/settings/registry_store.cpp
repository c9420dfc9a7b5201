#include "settings/registry_store.h"

#ifdef _WIN32

#include "text/windows_api.h"

#include <vector>

namespace ppexport {

namespace {

constexpr UINT windows1252 = 1252;
constexpr DWORD counterWaitMilliseconds = 10000;
constexpr const wchar_t* counterMutexName = L"Local\\ppexport settings counter";

std::wstring toWide(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(windows1252, 0, bytes.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(windows1252, 0, bytes.data(), size, text.data(), length);
  return text;
}

// A character that Windows-1252 cannot hold becomes "?".
std::string toWindows1252(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(windows1252, WC_NO_BEST_FIT_CHARS, text.data(), size,
                                         nullptr, 0, "?", nullptr);
  if (length <= 0) return {};
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(windows1252, WC_NO_BEST_FIT_CHARS, text.data(), size, bytes.data(), length,
                      "?", nullptr);
  return bytes;
}

std::string systemMessage(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = length && buffer ? std::wstring(buffer, length) : std::wstring();
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                           text.back() == L'.')) {
    text.pop_back();
  }
  if (text.empty()) return "error " + std::to_string(code);
  return toWindows1252(text);
}

// An open registry key, closed when it goes out of scope.
class Key {
 public:
  ~Key() {
    if (handle_) RegCloseKey(handle_);
  }
  HKEY* out() { return &handle_; }
  HKEY get() const { return handle_; }

 private:
  HKEY handle_ = nullptr;
};

// Opens the settings key for reading. ERROR_FILE_NOT_FOUND when no setting was ever stored.
LSTATUS openForReading(Key& key) {
  return RegOpenKeyExW(HKEY_CURRENT_USER, registrySettingsKey, 0, KEY_QUERY_VALUE, key.out());
}

LSTATUS openForWriting(Key& key) {
  return RegCreateKeyExW(HKEY_CURRENT_USER, registrySettingsKey, 0, nullptr,
                         REG_OPTION_NON_VOLATILE, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                         key.out(), nullptr);
}

// The string data of a REG_SZ value, without its terminating null characters.
std::string stringData(const std::vector<BYTE>& data, DWORD size) {
  std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return toWindows1252(text);
}

// Reads a value; ERROR_FILE_NOT_FOUND when it is absent. A value that is not a string counts as
// absent, as it could never have been written by the program.
LSTATUS readValue(HKEY key, std::string_view name, std::optional<std::string>& value) {
  value.reset();
  const std::wstring wideName = toWide(name);
  DWORD type = 0;
  DWORD size = 0;
  LSTATUS status = RegQueryValueExW(key, wideName.c_str(), nullptr, &type, nullptr, &size);
  std::vector<BYTE> data;
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    data.resize(size + sizeof(wchar_t));
    size = static_cast<DWORD>(data.size());
    status = RegQueryValueExW(key, wideName.c_str(), nullptr, &type, data.data(), &size);
    if (status == ERROR_SUCCESS) break;
  }
  if (status != ERROR_SUCCESS) return status;
  if (type == REG_SZ || type == REG_EXPAND_SZ) value = stringData(data, size);
  return ERROR_SUCCESS;
}

LSTATUS writeValue(HKEY key, std::string_view name, std::string_view value) {
  const std::wstring wideName = toWide(name);
  const std::wstring text = toWide(value);
  const DWORD size = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key, wideName.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(text.c_str()), size);
}

}  // namespace

bool RegistrySettingsStore::fail(const char* what, long code) {
  error_ = std::string("The settings in the registry (HKEY_CURRENT_USER\\") +
           toWindows1252(registrySettingsKey) + ") " + what + ": " +
           systemMessage(static_cast<DWORD>(code));
  return false;
}

bool RegistrySettingsStore::saveSetting(std::string_view key, std::string_view value) {
  error_.clear();
  Key settings;
  LSTATUS status = openForWriting(settings);
  if (status == ERROR_SUCCESS) status = writeValue(settings.get(), key, value);
  return status == ERROR_SUCCESS || fail("could not be written", status);
}

std::optional<std::string> RegistrySettingsStore::readSetting(std::string_view key) {
  error_.clear();
  Key settings;
  LSTATUS status = openForReading(settings);
  if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
  std::optional<std::string> value;
  if (status == ERROR_SUCCESS) status = readValue(settings.get(), key, value);
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
    fail("could not be read", status);
    return std::nullopt;
  }
  return value;
}

bool RegistrySettingsStore::deleteSetting(std::string_view key) {
  error_.clear();
  Key settings;
  LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, registrySettingsKey, 0, KEY_SET_VALUE,
                                 settings.out());
  if (status == ERROR_SUCCESS) status = RegDeleteValueW(settings.get(), toWide(key).c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ||
         fail("could not be written", status);
}

SettingsEntries RegistrySettingsStore::enumerate() {
  error_.clear();
  SettingsEntries entries;
  Key settings;
  LSTATUS status = openForReading(settings);
  if (status == ERROR_FILE_NOT_FOUND) return entries;
  DWORD longestName = 0;
  DWORD longestData = 0;
  if (status == ERROR_SUCCESS) {
    status = RegQueryInfoKeyW(settings.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              nullptr, &longestName, &longestData, nullptr, nullptr);
  }
  std::vector<wchar_t> name(longestName + 1);
  std::vector<BYTE> data(longestData + sizeof(wchar_t));
  for (DWORD index = 0; status == ERROR_SUCCESS; ++index) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD size = static_cast<DWORD>(data.size());
    DWORD type = 0;
    status = RegEnumValueW(settings.get(), index, name.data(), &nameLength, nullptr, &type,
                           data.data(), &size);
    if (status == ERROR_MORE_DATA) {
      // A value grew since the key was measured: measure again and read the same index anew.
      name.resize(name.size() * 2 + 256);
      data.resize(data.size() * 2 + 256);
      status = ERROR_SUCCESS;
      --index;
      continue;
    }
    if (status != ERROR_SUCCESS) break;
    if (type != REG_SZ && type != REG_EXPAND_SZ) continue;
    entries.emplace_back(toWindows1252(std::wstring_view(name.data(), nameLength)),
                         stringData(data, size));
  }
  if (status != ERROR_NO_MORE_ITEMS && status != ERROR_SUCCESS) {
    fail("could not be read", status);
    return {};
  }
  return entries;
}

std::optional<std::string> RegistrySettingsStore::readAndAdvance(
    std::string_view key,
    const std::function<std::string(const std::optional<std::string>&)>& advance) {
  error_.clear();
  HANDLE mutex = CreateMutexW(nullptr, FALSE, counterMutexName);
  if (!mutex) {
    fail("could not be locked", static_cast<long>(GetLastError()));
    return std::nullopt;
  }
  const DWORD waited = WaitForSingleObject(mutex, counterWaitMilliseconds);
  if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
    CloseHandle(mutex);
    fail("could not be locked", static_cast<long>(waited == WAIT_TIMEOUT ? ERROR_TIMEOUT
                                                                          : GetLastError()));
    return std::nullopt;
  }
  std::optional<std::string> stored;
  Key settings;
  std::optional<std::string> current;
  LSTATUS status = openForWriting(settings);
  if (status == ERROR_SUCCESS) status = readValue(settings.get(), key, current);
  if (status == ERROR_FILE_NOT_FOUND) status = ERROR_SUCCESS;
  if (status != ERROR_SUCCESS) {
    fail("could not be read", status);
  } else {
    try {
      std::string next = advance(current);
      status = writeValue(settings.get(), key, next);
      if (status == ERROR_SUCCESS) {
        stored = std::move(next);
      } else {
        fail("could not be written", status);
      }
    } catch (...) {
      error_ = "The settings in the registry were not changed: the new value failed";
    }
  }
  ReleaseMutex(mutex);
  CloseHandle(mutex);
  return stored;
}

}  // namespace ppexport

#endif  // _WIN32

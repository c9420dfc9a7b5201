// Windows only: the settings in the registry, where earlier Windows versions of the tool kept
// them. Every key of these tests begins with a prefix of its own and is removed again, so the
// tests leave a user's own settings alone.
#ifdef _WIN32
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "settings/registry_store.h"
#include "text/wide_text.h"

namespace ppexport {
namespace {

constexpr std::string_view prefix = "ppexportRegistryTest ";

class RegistryStore : public ::testing::Test {
 protected:
  RegistrySettingsStore store;

  static std::string key(std::string_view name) { return std::string(prefix) + std::string(name); }

  // The test's own entries, in the store's order.
  SettingsEntries ownEntries() {
    SettingsEntries own;
    for (auto& entry : store.enumerate()) {
      if (entry.first.rfind(prefix, 0) == 0) own.push_back(entry);
    }
    return own;
  }

  // The value as Visual Basic's SaveSetting left it: a Unicode string under the application's key.
  static std::optional<std::wstring> rawValue(std::string_view name) {
    HKEY settings = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, registrySettingsKey, 0, KEY_QUERY_VALUE, &settings) !=
        ERROR_SUCCESS) {
      return std::nullopt;
    }
    wchar_t data[256] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    DWORD type = 0;
    const LSTATUS status = RegQueryValueExW(settings, widen(name).c_str(), nullptr, &type,
                                            reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(settings);
    if (status != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
    return std::wstring(data);
  }

  void TearDown() override {
    for (const auto& entry : ownEntries()) store.deleteSetting(entry.first);
  }
};

TEST_F(RegistryStore, keepsTextValuesWhereVisualBasicKeptThem) {
  EXPECT_TRUE(store.saveSetting(key("CheckingfileName"), "C:\\Banque\\Caf\xE9.txt"));
  EXPECT_EQ(rawValue(key("CheckingfileName")), L"C:\\Banque\\Caf\u00E9.txt");
  EXPECT_EQ(store.readSetting(key("CheckingfileName")), "C:\\Banque\\Caf\xE9.txt");
  // Saved by an earlier version of the tool, straight into the registry.
  HKEY settings = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, registrySettingsKey, 0, nullptr, 0, KEY_SET_VALUE,
                            nullptr, &settings, nullptr),
            ERROR_SUCCESS);
  const std::wstring name = widen(key("SavingsbankList"));
  const wchar_t value[] = L"Wells Fargo ARP - CSV";
  RegSetValueExW(settings, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                 sizeof value);
  RegCloseKey(settings);
  EXPECT_EQ(store.readSetting(key("SavingsbankList")), "Wells Fargo ARP - CSV");
  EXPECT_EQ(store.lastError(), "");
}

// The entries come in the registry's own order, as the earlier versions listed them: the order of
// creation on Windows, the order of names under Wine.
TEST_F(RegistryStore, matchesKeysWithoutRegardToCaseAndEnumeratesEveryEntryOnce) {
  store.saveSetting(key("Custom Format: Payroll"), "Payroll");
  store.saveSetting(key("Custom Format: Acme"), "Acme");
  store.saveSetting(key("myAccount"), "Checking");
  store.saveSetting(key("MYACCOUNT"), "Savings");
  EXPECT_EQ(store.readSetting(key("MyAccount")), "Savings");
  SettingsEntries entries = ownEntries();
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (SettingsEntries{{key("Custom Format: Acme"), "Acme"},
                                      {key("Custom Format: Payroll"), "Payroll"},
                                      {key("myAccount"), "Savings"}}));
}

TEST_F(RegistryStore, deletingAnAbsentKeyIsNoError) {
  store.saveSetting(key("nextTDCanadaBankFileNumber"), "1000");
  EXPECT_TRUE(store.deleteSetting(key("NEXTTDCANADABANKFILENUMBER")));
  EXPECT_EQ(store.readSetting(key("nextTDCanadaBankFileNumber")), std::nullopt);
  EXPECT_TRUE(store.deleteSetting(key("nextTDCanadaBankFileNumber")));
  EXPECT_TRUE(store.deleteSetting(key("never stored")));
  EXPECT_EQ(store.readSetting(key("never stored")), std::nullopt);
  EXPECT_EQ(store.lastError(), "");
}

TEST_F(RegistryStore, advancesACounterInOneStep) {
  const auto next = [](const std::optional<std::string>& stored) {
    return stored ? std::to_string(std::stoi(*stored) + 1) : std::string("1000");
  };
  EXPECT_EQ(store.readAndAdvance(key("lastFCN"), next), "1000");
  EXPECT_EQ(store.readAndAdvance(key("lastFCN"), next), "1001");
  EXPECT_EQ(store.readSetting(key("lastFCN")), "1001");
}

}  // namespace
}  // namespace ppexport
#endif

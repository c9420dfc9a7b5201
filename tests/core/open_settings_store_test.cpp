// Where the settings file lies and how the store is opened.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "settings/open_settings_store.h"
#include "support/scoped_variable.h"
#include "support/temp_folder.h"

namespace ppexport {
namespace {

using testing::ScopedVariable;
using testing::TempFolder;

TEST(SettingsFileLocation, explicitPathThenVariableThenConfigurationFolder) {
  struct Case {
    const char* explicitPath;
    std::optional<std::string> variable;
    std::optional<std::string> xdg;
    std::optional<std::string> home;
    std::string path;
    bool isDefault;
  };
  const Case cases[] = {
      {"/a/given.sqlite", "/b/env.sqlite", "/c", "/h", "/a/given.sqlite", false},
      {"", "/b/env.sqlite", "/c", "/h", "/b/env.sqlite", false},
      {"", "", "/c", "/h", "/c/ppexport/settings.sqlite", true},
      {"", std::nullopt, "/c/", "/h", "/c/ppexport/settings.sqlite", true},
      {"", std::nullopt, "relative", "/h", "/h/.config/ppexport/settings.sqlite", true},
      {"", std::nullopt, std::nullopt, "/h", "/h/.config/ppexport/settings.sqlite", true},
      {"", std::nullopt, std::nullopt, std::nullopt, "", false},
  };
  for (const Case& c : cases) {
    ScopedVariable variable("PPEXPORT_SETTINGS", c.variable);
    ScopedVariable xdg("XDG_CONFIG_HOME", c.xdg);
    ScopedVariable home("HOME", c.home);
    const SettingsFileLocation location = settingsFileLocation(c.explicitPath);
    EXPECT_EQ(location.path, c.path);
    EXPECT_EQ(location.isDefault, c.isDefault);
    EXPECT_EQ(location.error.empty(), !c.path.empty());
  }
}

TEST(OpenSettingsStore, defaultFileIsCreatedWithItsFolder) {
  TempFolder folder;
  ScopedVariable variable("PPEXPORT_SETTINGS", std::nullopt);
  ScopedVariable xdg("XDG_CONFIG_HOME", folder.path().string());
  OpenedSettingsStore opened = openSettingsStore("");
  ASSERT_EQ(opened.error, "");
  EXPECT_FALSE(opened.refused);
  EXPECT_TRUE(opened.store->saveSetting("myAccount", "Checking"));
  // Bank account numbers are kept there: the folder and the file are the user's alone.
  using std::filesystem::perms;
  const auto otherPermissions = perms::group_all | perms::others_all;
  EXPECT_EQ(std::filesystem::status(folder.path() / "ppexport").permissions() & otherPermissions,
            perms::none);
  EXPECT_EQ(std::filesystem::status(folder.path() / "ppexport" / "settings.sqlite").permissions() &
                otherPermissions,
            perms::none);
}

TEST(OpenSettingsStore, aStoreThatCannotBeUsedStillAnswersWithItsReason) {
  TempFolder folder;
  testing::writeBytes(folder.file("settings.sqlite"), "not a database at all");
  OpenedSettingsStore opened = openSettingsStore(folder.file("settings.sqlite"));
  EXPECT_NE(opened.error.find(folder.file("settings.sqlite")), std::string::npos);
  EXPECT_FALSE(opened.refused);
  ASSERT_NE(opened.store, nullptr);
  EXPECT_FALSE(opened.store->saveSetting("myAccount", "Checking"));
  EXPECT_EQ(getSetting(*opened.store, "myAccount", "<choose an account>").text,
            "<choose an account>");
}

}  // namespace
}  // namespace ppexport

#endif  // _WIN32

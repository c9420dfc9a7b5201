#include <gtest/gtest.h>

#include "formats/bank_list.h"
#include "settings/memory_store.h"

namespace ppexport {
namespace {

TEST(BankList, customFormatsFirstInStoreOrderThenTheBuiltInNames) {
  MemorySettingsStore settings;
  settings.saveSetting("Custom Format: Payroll", "Payroll");
  settings.saveSetting("OperatingbankList", "Chase - CSV Format");
  settings.saveSetting("custom format: lower", "lower");  // the prefix is compared exactly
  settings.saveSetting("Custom Format:Tight", "Tight");
  settings.saveSetting("Custom Format: Vendors", "Vendor Checks");
  settings.saveSetting("PayrollOptionCSV", "True");

  std::vector<std::string> entries = bankList(&settings);
  ASSERT_EQ(entries.size(), 40u);
  EXPECT_EQ(entries[0], "Custom Format: Payroll");
  EXPECT_EQ(entries[1], "Custom Format: Vendor Checks");
  EXPECT_EQ(entries[2], "American Bank - MD");
  EXPECT_EQ(entries[39], "Generic Bank Format");
}

TEST(BankList, withoutAReadableStoreOnlyTheBuiltInNames) {
  MemorySettingsStore broken;
  broken.saveSetting("Custom Format: Payroll", "Payroll");
  broken.failWith("the store file is damaged");
  for (SettingsStore* settings : std::initializer_list<SettingsStore*>{&broken, nullptr}) {
    std::vector<std::string> entries = bankList(settings);
    ASSERT_EQ(entries.size(), 38u);
    EXPECT_EQ(entries.front(), "American Bank - MD");
    EXPECT_EQ(entries.back(), "Generic Bank Format");
  }
}

}  // namespace
}  // namespace ppexport

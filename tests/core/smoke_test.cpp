#include <gtest/gtest.h>

#include "settings/memory_store.h"

TEST(MemorySettingsStore, keepsFirstCaseOfKey) {
  ppexport::MemorySettingsStore store;
  store.saveSetting("Checkingbanklist", "a");
  store.saveSetting("CHECKINGBANKLIST", "b");
  ASSERT_EQ(store.enumerate().size(), 1u);
  EXPECT_EQ(store.enumerate()[0].first, "Checkingbanklist");
  EXPECT_EQ(store.enumerate()[0].second, "b");
}

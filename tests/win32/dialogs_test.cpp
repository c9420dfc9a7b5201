// The Windows sides of the models' dialogs that a test can drive without a person: the file
// dialog's filter and the busy pointer.

#include <gtest/gtest.h>

#include "text/windows_api.h"
#include "win32/busy_pointer.h"
#include "win32/save_file_dialog.h"

namespace ppexport::testing {
namespace {

TEST(SaveFileDialog, FilterTakesItsPatternFromTheDescription) {
  using namespace std::string_literals;
  const std::pair<std::vector<std::wstring>, std::wstring> cases[] = {
      {{L"TXT Files (*.txt)"}, L"TXT Files (*.txt)\0*.txt\0"s},
      {{L"Bank files (*.txt;*.csv)"}, L"Bank files (*.txt;*.csv)\0*.txt;*.csv\0"s},
      {{L"All files"}, L"All files\0*.*\0"s},
      {{L"Odd ()"}, L"Odd ()\0*.*\0"s},
      {{L"CSV Files (*.csv)", L"All Files"}, L"CSV Files (*.csv)\0*.csv\0All Files\0*.*\0"s}};
  for (const auto& [descriptions, filter] : cases)
    EXPECT_EQ(win32::dialogFilter(descriptions), filter);
}

TEST(BusyPointer, HourglassFromTheFirstShowToTheLastRestore) {
  win32::Win32BusyPointer pointer;
  const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  pointer.show();
  pointer.show();
  pointer.restore();
  EXPECT_TRUE(win32::Win32BusyPointer::busy());
  EXPECT_EQ(GetCursor(), wait);
  pointer.restore();
  EXPECT_FALSE(win32::Win32BusyPointer::busy());
  EXPECT_NE(GetCursor(), wait);
}

}  // namespace
}  // namespace ppexport::testing

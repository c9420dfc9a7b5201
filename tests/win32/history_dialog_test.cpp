// The History dialog under Wine: two Creates recorded in a history folder, then History lists
// both files, shows the checks of the chosen one, saves a copy of its exact bytes and closes.

#include "text/windows_api.h"  // windows.h, which commctrl.h needs first
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "settings/environment.h"
#include "text/file_names.h"
#include "text/wide_text.h"
#include "win32/history_window.h"
#include "window/history_model.h"
#include "window_fixture.h"

namespace ppexport::testing {
namespace {

using enum window::ExportControl;
using win32::HistoryControl;

std::string folderOfThisTest() {
  return narrow((std::filesystem::temp_directory_path() / L"ppexport-history-dialog").wstring());
}

std::string bytesOf(const std::string& path) {
  std::ifstream file(filePath(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> lines(HWND list) {
  std::vector<std::string> result;
  const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index) {
    const auto length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    std::wstring line(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(line.data()));
    line.resize(static_cast<std::size_t>(length));
    result.push_back(narrow(line));
  }
  return result;
}

class HistoryDialogTest : public WindowTest {
 protected:
  void SetUp() override {
    std::filesystem::remove_all(filePath(folderOfThisTest()));
    std::filesystem::create_directories(filePath(pathInFolder(folderOfThisTest(), "history")));
    WindowTest::SetUp();
  }
  std::string historyFolder() const override {
    return pathInFolder(folderOfThisTest(), "history");
  }

  void create(const std::string& bankFile, const std::string& headerLine) {
    chooseEntry(control(myAccount), "Checking");
    chooseEntry(control(bankList), "Generic Bank Format");
    if (SendMessageW(control(autoDateRange), BM_GETCHECK, 0, 0) == BST_CHECKED) {
      click(control(autoDateRange));
    }
    typeInto(control(fromDate), "1/1/2024");
    typeInto(control(toDate), "3/31/2024");
    typeInto(control(remoteID), headerLine);
    typeInto(control(accountID), "987654321");
    typeInto(control(fileName), bankFile);
    messages_.shown.clear();
    click(control(myCreate));
    ASSERT_EQ(messages_.shown.size(), 1U);
    ASSERT_EQ(messages_.shown[0].icon, window::MessageBoxIcon::Information)
        << messages_.shown[0].text;
  }
};

TEST_F(HistoryDialogTest, ListsTheSentFilesAndSavesACopyOfTheChosenOne) {
  const std::string first = pathInFolder(folderOfThisTest(), "first.txt");
  const std::string second = pathInFolder(folderOfThisTest(), "second.txt");
  // The same checks under two header lines: the copy must be the first file's bytes.
  create(first, "HARBOR MARINE SUPPLY");
  create(second, "HARBOR MARINE SUPPLY CO");
  const std::string firstBytes = bytesOf(first);
  ASSERT_FALSE(firstBytes.empty());
  ASSERT_TRUE(firstBytes != bytesOf(second));
  const std::string copy = pathInFolder(folderOfThisTest(), "copy.txt");

  HWND shown = nullptr;
  window().setHistoryDialogHook([&](win32::HistoryWindow& dialog) {
    shown = dialog.handle();
    const window::HistoryModel& model = *window().model().historyDialog();
    auto drive = [&] {
      EXPECT_EQ(text(dialog.handle()), "History - Checking");
      EXPECT_FALSE(IsWindowEnabled(main()));
      HWND entries = dialog.control(HistoryControl::entries);
      const std::vector<std::string> files = lines(entries);
      ASSERT_EQ(files.size(), 2U);
      // Newest first.
      EXPECT_NE(files[0].find(second), std::string::npos) << files[0];
      EXPECT_NE(files[1].find(first), std::string::npos) << files[1];
      EXPECT_TRUE(lines(dialog.control(HistoryControl::checks)).empty());
      EXPECT_FALSE(IsWindowEnabled(dialog.control(HistoryControl::saveCopy)));
      EXPECT_FALSE(visible(dialog.control(HistoryControl::notice)));

      SendMessageW(entries, LB_SETCURSEL, 1, 0);
      SendMessageW(dialog.handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(entries), LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(entries));
      const std::vector<std::string> checks = lines(dialog.control(HistoryControl::checks));
      EXPECT_FALSE(checks.empty());
      EXPECT_EQ(checks, model.checks());
      EXPECT_TRUE(IsWindowEnabled(dialog.control(HistoryControl::saveCopy)));

      files_.next = {window::FileChoice::Outcome::Chosen, copy};
      messages_.shown.clear();
      click(dialog.control(HistoryControl::saveCopy));
      ASSERT_EQ(files_.asked.size(), 1U);
      EXPECT_EQ(files_.asked[0].initialFileName, "first.txt");
      EXPECT_EQ(bytesOf(copy), firstBytes);
      ASSERT_EQ(messages_.shown.size(), 1U);
      EXPECT_EQ(messages_.shown[0].icon, window::MessageBoxIcon::Information);

      click(dialog.control(HistoryControl::close));
      EXPECT_FALSE(IsWindow(shown));
    };
    drive();
    // A failed expectation must not leave the dialog waiting for a user.
    if (dialog.handle() != nullptr) PostMessageW(dialog.handle(), WM_CLOSE, 0, 0);
  });
  click(control(history));
  EXPECT_NE(shown, nullptr);
  EXPECT_EQ(window().model().historyDialog(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(main()));
  std::filesystem::remove_all(filePath(folderOfThisTest()));
}

}  // namespace
}  // namespace ppexport::testing

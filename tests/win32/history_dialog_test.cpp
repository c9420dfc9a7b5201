// The History dialog under Wine: two Creates recorded in a history folder, then History lists
// both files, shows the checks of the chosen one, saves a copy of its exact bytes and closes.

#include "text/windows_api.h"  // windows.h, which commctrl.h needs first
#include <commctrl.h>

#include <cwchar>
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

// A cell of a list view, as UTF-8.
std::string cell(HWND list, int row, int column) {
  std::wstring text(1024, L'\0');
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size());
  const auto length = SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                   reinterpret_cast<LPARAM>(&item));
  text.resize(static_cast<std::size_t>(length));
  return narrow(text);
}

// The rows of a list view, each a list of its cells.
std::vector<std::vector<std::string>> rows(HWND list, int columns) {
  std::vector<std::vector<std::string>> result;
  const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    result.emplace_back();
    for (int column = 0; column < columns; ++column) result.back().push_back(cell(list, row, column));
  }
  return result;
}

// The headings of a list view's columns, "|" between them, with "(right)" after the
// right-aligned ones.
std::string headings(HWND list) {
  std::string result;
  for (int index = 0;; ++index) {
    std::wstring text(256, L'\0');
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = text.data();
    column.cchTextMax = static_cast<int>(text.size());
    if (SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&column)) == FALSE) {
      break;
    }
    text.resize(std::wcslen(text.c_str()));
    result += (result.empty() ? "" : "|") + narrow(text) +
              ((column.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT ? " (right)" : "");
  }
  return result;
}

// Chooses a row as a click would: the list view tells its window of the new selection.
void chooseRow(HWND list, int row) {
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
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
      EXPECT_EQ(headings(entries),
                "Sent|Bank format|File|Checks (right)|Issued (right)|Issued total (right)|"
                "Voided (right)|Voided total (right)");
      EXPECT_EQ(headings(dialog.control(HistoryControl::checks)),
                "Check|Date|Amount (right)|Status|Payee");
      const auto files = rows(entries, 8);
      ASSERT_EQ(files.size(), 2U);
      EXPECT_EQ(files, model.entryRows());
      // Newest first.
      EXPECT_EQ(files[0][2], second);
      EXPECT_EQ(files[1][2], first);
      EXPECT_TRUE(rows(dialog.control(HistoryControl::checks), 5).empty());
      EXPECT_FALSE(IsWindowEnabled(dialog.control(HistoryControl::saveCopy)));
      EXPECT_FALSE(visible(dialog.control(HistoryControl::notice)));

      chooseRow(entries, 1);
      const auto checks = rows(dialog.control(HistoryControl::checks), 5);
      EXPECT_FALSE(checks.empty());
      EXPECT_EQ(checks, model.checkRows());
      EXPECT_TRUE(IsWindowEnabled(dialog.control(HistoryControl::saveCopy)));

      files_.next = {window::FileChoice::Outcome::Chosen, copy};
      messages_.shown.clear();
      click(dialog.control(HistoryControl::saveCopy));
      ASSERT_EQ(files_.asked.size(), 1U);
      // A new name in the Documents folder, asked about before it replaces a file.
      const std::string& proposed = files_.asked[0].initialFileName;
      EXPECT_TRUE(proposed.starts_with("first (sent ") && proposed.ends_with(").txt")) << proposed;
      EXPECT_TRUE(files_.asked[0].askBeforeReplacing);
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

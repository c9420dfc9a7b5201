// The main window under Wine as a binding of its model: the controls show the model after start-up
// and after events, the design places follow the DPI, Create writes the file of the choices typed
// into the controls, and the keyboard: tab order, Enter, the caret and Escape.

#include "text/windows_api.h"  // windows.h, which commctrl.h needs first
#include <commctrl.h>

#include <filesystem>
#include <fstream>

#include "settings/environment.h"
#include "text/file_names.h"
#include "text/wide_text.h"
#include "win32/dpi.h"
#include "win32/native_form.h"
#include "window_fixture.h"

namespace ppexport::testing {
namespace {

using window::ExportControl;
using enum window::ExportControl;

const std::vector<std::string> none;

// After start-up and after each bank format (which the model's tests spell out), every control
// stands as the model holds it: captions, stars, notes, bank-code list and places, in a window of
// the model's size.
TEST_F(WindowTest, ControlsShowTheModelAfterStartUpAndEachBankFormat) {
  EXPECT_EQ(text(main()), "Positive Pay Export - 1.05");
  EXPECT_EQ(entries(control(myAccount)),
            (std::vector<std::string>{"Checking", "Payroll Account", "Savings", "Petty Cash"}));
  EXPECT_EQ(differencesFromModel(window().model().controls(), mainControls(), main()), none);
  EXPECT_TRUE(messages_.shown.empty());
  chooseEntry(control(myAccount), "Payroll Account");
  for (const char* bank : {"Generic Bank Format", "TD Bank Canada CFP - 80 Byte", "Wachovia",
                           "Citibank - Standard Positive Pay", "Jonah Bank of Wyoming"}) {
    chooseEntry(control(bankList), bank);
    EXPECT_EQ(differencesFromModel(window().model().controls(), mainControls(), main()), none)
        << bank;
    // The window is a row taller while a merged bank's note shows (Wachovia).
    RECT client{};
    GetClientRect(main(), &client);
    EXPECT_EQ(client.bottom, MulDiv(window().model().clientSize().height,
                                    static_cast<int>(win32::windowDpi(main())), 1440))
        << bank;
  }
}

// The design's twips become pixels at the screen's DPI: 96 unless the driver script set another
// (PPEXPORT_EXPECTED_DPI), and the dialog font is 8 points at that DPI.
TEST_F(WindowTest, DesignPlacesAndFontFollowTheDpi) {
  const std::string expected = environmentValue("PPEXPORT_EXPECTED_DPI");
  const int dpi = expected.empty() ? 96 : std::stoi(expected);
  EXPECT_EQ(win32::windowDpi(main()), static_cast<unsigned>(dpi));
  RECT client{};
  GetClientRect(main(), &client);
  const RECT account = placeInWindow(control(myAccount));
  const RECT from = placeInWindow(control(fromDate));  // in the frame at 360, 1800
  const std::pair<LONG, int> places[] = {
      {client.right, 7425},  {client.bottom, 8115},   {account.left, 1200},
      {account.top, 1200},   {account.right, 6930},   {from.left, 360 + 840},
      {from.top, 1800 + 840}};
  for (const auto& [pixels, twips] : places) EXPECT_EQ(pixels, MulDiv(twips, dpi, 1440)) << twips;
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(Label6), WM_GETFONT, 0, 0)),
             sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -MulDiv(8, dpi, 72));
}

class WindowWithNoticeTest : public WindowTest {
 protected:
  std::vector<std::string> notices() const override { return {"Settings are not kept."}; }
};

TEST_F(WindowWithNoticeTest, StatusLineGrowsTheWindowAsTheModelDoes) {
  RECT client{};
  GetClientRect(main(), &client);
  EXPECT_EQ(client.bottom,
            win32::pixels(window().model().clientSize().height, win32::windowDpi(main())));
  EXPECT_LE(placeInWindow(control(statusLine)).bottom, client.bottom);
  EXPECT_EQ(differencesFromModel(window().model().controls(), mainControls(), main()), none);
}

// A Create with the choices of one case: the driver script runs the native command line with the
// same choices (written beside the files as its options) and compares the files byte for byte.
TEST_F(WindowTest, CreateWritesTheBankFileOfTheChoices) {
  const std::string output = environmentValue("PPEXPORT_WINDOW_TEST_OUTPUT");
  if (output.empty()) GTEST_SKIP() << "PPEXPORT_WINDOW_TEST_OUTPUT names no folder";
  const std::pair<ExportControl, const char*> options[] = {
      {remoteID, "--remote-id"}, {bankID, "--bank-id"}, {batchID, "--batch-id"},
      {accountID, "--account-id"}, {bankCode, "--bank-code"}};
  const std::pair<std::string, std::vector<std::pair<ExportControl, std::string>>> cases[] = {
      {"Generic Bank Format", {{remoteID, "HARBOR MARINE SUPPLY"}, {accountID, "987654321"}}},
      {"Wells Fargo ARP - Standard",
       {{remoteID, "HMS"}, {bankID, "1234"}, {batchID, "42"}, {accountID, "4417829035"}}},
      {"Citibank - Standard Positive Pay",
       {{remoteID, "HARBOR MARINE SUPPLY"}, {accountID, "55123"},
        {bankCode, "001 - NYB - New York Metro"}}},
  };
  int number = 0;
  for (const auto& [bank, choices] : cases) {
    SCOPED_TRACE(bank);
    const std::string folder = pathInFolder(output, std::to_string(++number));
    std::filesystem::create_directories(filePath(folder));
    const std::string bankFile = pathInFolder(folder, "bank.txt");
    std::ofstream native(filePath(pathInFolder(folder, "options")), std::ios::binary);
    native << "--bank\n" << bank << '\n';

    chooseEntry(control(myAccount), "Checking");
    chooseEntry(control(bankList), bank);
    if (SendMessageW(control(autoDateRange), BM_GETCHECK, 0, 0) == BST_CHECKED) {
      click(control(autoDateRange));
    }
    typeInto(control(fromDate), "1/1/2024");
    typeInto(control(toDate), "3/31/2024");
    for (const auto& [box, value] : choices) {
      box == bankCode ? chooseEntry(control(box), value) : typeInto(control(box), value);
      for (const auto& [id, option] : options) {
        if (id == box) native << option << '\n' << value << '\n';
      }
    }
    typeInto(control(fileName), bankFile);
    if (SendMessageW(control(createReviewFile), BM_GETCHECK, 0, 0) != BST_CHECKED) {
      click(control(createReviewFile));
    }
    messages_.shown.clear();
    click(control(myCreate));

    ASSERT_EQ(messages_.shown.size(), 1U);
    EXPECT_EQ(messages_.shown[0].icon, window::MessageBoxIcon::Information);
    EXPECT_TRUE(messages_.shown[0].text.starts_with("Created " + bankFile + " with "))
        << messages_.shown[0].text;
    EXPECT_TRUE(IsWindowEnabled(control(myCreate)));
    EXPECT_FALSE(win32::Win32BusyPointer::busy());
  }
}

TEST_F(WindowTest, KeyboardMovesInTheDesignOrderAndEnterCreates) {
  chooseEntry(control(myAccount), "Checking");
  chooseEntry(control(bankList), "Generic Bank Format");
  const ExportControl order[] = {autoDateRange, autoDateRangeDays, fromDate, toDate, bankList,
                                 editFormat, remoteID, accountID, fileName, Select,
                                 createReviewFile, newOnly, history, openDoc, saveSettings,
                                 Command1, myCreate, bankConnection, checksFromQuickBooks,
                                 myAccount};
  HWND current = control(myAccount);
  for (const ExportControl next : order) {
    current = GetNextDlgTabItem(main(), current, FALSE);
    EXPECT_EQ(current, control(next)) << window::controlIndex(next);
    current = control(next);
  }
  EXPECT_EQ(SendMessageW(main(), DM_GETDEFID, 0, 0),
            MAKELRESULT(win32::NativeForm::firstControlId + window::controlIndex(myCreate),
                        DC_HASDEFID));
  EXPECT_EQ(GetWindowLongPtrW(control(myCreate), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST_F(WindowTest, TypingAnAccountNameKeepsTheCaretAfterIt) {
  HWND account = control(myAccount);
  SetFocus(account);
  for (const std::string typed : {"Check", "Checking", "Checking2"}) {
    SetWindowTextW(account, widen(typed).c_str());
    const auto end = static_cast<WORD>(typed.size());
    SendMessageW(account, CB_SETEDITSEL, 0, MAKELPARAM(end, end));
    SendMessageW(main(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(account), CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(account));
    EXPECT_EQ(text(account), typed);
    DWORD start = 0;
    DWORD stop = 0;
    SendMessageW(account, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&stop));
    EXPECT_EQ((std::pair<DWORD, DWORD>(start, stop)), (std::pair<DWORD, DWORD>(end, end))) << typed;
  }
}

TEST_F(WindowTest, EscapeClosesWithoutSaving) {
  chooseEntry(control(myAccount), "Checking");
  typeInto(control(remoteID), "NOT SAVED");
  SetFocus(control(remoteID));
  pressEscape(control(remoteID));
  EXPECT_TRUE(window().model().closed());
  EXPECT_EQ(main(), nullptr);
  EXPECT_FALSE(settings_.readSetting("CheckingremoteID").has_value());
}

// Without QuickBooks the window says so and offers Retry, which reads the accounts again once
// QuickBooks runs; Cancel leaves an empty account list with no saved account over it.
class WithoutQuickBooksTest : public WindowTest {
 protected:
  bool quickBooksStartsLater() const override { return true; }
  void SetUp() override {
    settings_.saveSetting("myAccount", "Checking");
    WindowTest::SetUp();
  }
};

// The user starts QuickBooks while the message is up, then presses Retry.
class StartingQuickBooksTest : public WithoutQuickBooksTest {
 protected:
  void SetUp() override {
    messages_.answers.push_back(window::MessageBoxAnswer::Retry);
    messages_.whileShown = [this] { laterQuickBooks_->started = true; };
    WithoutQuickBooksTest::SetUp();
  }
};

TEST_F(StartingQuickBooksTest, RetryReadsTheAccountsOnceQuickBooksRuns) {
  ASSERT_EQ(messages_.shown.size(), 1U);
  EXPECT_EQ(messages_.shown[0].buttons, window::MessageBoxButtons::RetryCancel);
  EXPECT_TRUE(messages_.shown[0].text.starts_with(
      "QuickBooks is not running: start QuickBooks, open the company file, then press Retry."))
      << messages_.shown[0].text;
  EXPECT_FALSE(entries(control(myAccount)).empty());
  EXPECT_EQ(text(control(myAccount)), "Checking");
}

TEST_F(WithoutQuickBooksTest, CancelLeavesNoSavedAccountOverTheEmptyList) {
  ASSERT_EQ(messages_.shown.size(), 1U);
  EXPECT_TRUE(entries(control(myAccount)).empty());
  EXPECT_EQ(text(control(myAccount)), "<choose an account>");
}

}  // namespace
}  // namespace ppexport::testing

// The main window under Wine: start-up on the stand-in company, the inputs of bank formats, Create,
// a refusal, and the keyboard.

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

TEST_F(WindowTest, StartsOnTheStandInCompany) {
  EXPECT_EQ(text(main()), "Reruzur UderuridEve rozi Dozedud - 1.05");
  EXPECT_EQ(entries(control(myAccount)),
            (std::vector<std::string>{"Checking", "Payroll Account", "Savings", "Petty Cash"}));
  EXPECT_EQ(text(control(Label5)), "Fill out the fields below to create a ZurududoZer file.");
  const std::vector<std::string> banks = entries(control(bankList));
  ASSERT_EQ(banks.size(), 35U);
  EXPECT_EQ(banks.front(), "American Bank - MD");
  EXPECT_EQ(banks.back(), "Generic Bank Format");
  EXPECT_EQ(differencesFromModel(window().model().controls(), mainControls(), main()),
            std::vector<std::string>{});
  EXPECT_TRUE(messages_.shown.empty());
}

// Each bank format's inputs (which the window model's tests spell out) stand as the model holds
// them: captions, stars, note, bank-code list and places, also where a format moves them.
TEST_F(WindowTest, AccountAndBankFormatShowTheirInputs) {
  chooseEntry(control(myAccount), "Payroll Account");
  for (const char* bank : {"Generic Bank Format", "TD Bank Canada CFP - 80 Byte", "Wachovia",
                           "Citibank - Standard Positive Pay", "Jonah Bank of Wyoming"}) {
    SCOPED_TRACE(bank);
    chooseEntry(control(bankList), bank);
    EXPECT_EQ(text(control(bankList)), bank);
    EXPECT_EQ(differencesFromModel(window().model().controls(), mainControls(), main()),
              std::vector<std::string>{});
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
  EXPECT_EQ(client.right, MulDiv(7425, dpi, 1440));
  EXPECT_EQ(client.bottom, MulDiv(7755, dpi, 1440));
  const RECT account = placeInWindow(control(myAccount));
  EXPECT_EQ(account.left, MulDiv(1200, dpi, 1440));
  EXPECT_EQ(account.top, MulDiv(1200, dpi, 1440));
  EXPECT_EQ(account.right, MulDiv(1200 + 5730, dpi, 1440));
  // Inside the frame "Date Range" (360, 1800): the From box at 840, 840.
  const RECT from = placeInWindow(control(fromDate));
  EXPECT_EQ(from.left, MulDiv(360 + 840, dpi, 1440));
  EXPECT_EQ(from.top, MulDiv(1800 + 840, dpi, 1440));
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(Label6), WM_GETFONT, 0, 0)),
             sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -MulDiv(8, dpi, 72));
}

class WindowWithNoticeTest : public WindowTest {
 protected:
  std::vector<std::string> notices() const override {
    return {"Settings are not kept: the settings file cannot be written."};
  }
};

TEST_F(WindowWithNoticeTest, StatusLineShowsTheNoticeUnderTheForm) {
  EXPECT_TRUE(visible(control(statusLine)));
  EXPECT_EQ(text(control(statusLine)),
            "Settings are not kept: the settings file cannot be written.");
  RECT client{};
  GetClientRect(main(), &client);
  const window::Size size = window().model().clientSize();
  const unsigned dpi = win32::windowDpi(main());
  EXPECT_GT(size.height, 7755);
  EXPECT_EQ(client.bottom, win32::pixels(size.height, dpi));
  EXPECT_LE(placeInWindow(control(statusLine)).bottom, client.bottom);
  EXPECT_EQ(differencesFromModel(window().model().controls(), mainControls(), main()),
            std::vector<std::string>{});
}

// A Create with the choices of one case: the driver script runs the native command line with the
// same choices (written beside the files as its options) and compares the files byte for byte.
struct CreateChoices {
  std::string bank;
  std::vector<std::pair<ExportControl, std::string>> boxes;
  std::string bankCode;
  std::vector<std::string> nativeOptions;
};

TEST_F(WindowTest, CreateWritesTheBankFileOfTheChoices) {
  const std::string output = environmentValue("PPEXPORT_WINDOW_TEST_OUTPUT");
  if (output.empty()) GTEST_SKIP() << "PPEXPORT_WINDOW_TEST_OUTPUT names no folder";
  const CreateChoices cases[] = {
      {"Generic Bank Format",
       {{remoteID, "HARBOR MARINE SUPPLY"}, {accountID, "987654321"}},
       "",
       {"--remote-id", "HARBOR MARINE SUPPLY", "--account-id", "987654321"}},
      {"Wells Fargo ARP - Standard",
       {{remoteID, "HMS"}, {bankID, "1234"}, {batchID, "42"}, {accountID, "4417829035"}},
       "",
       {"--remote-id", "HMS", "--bank-id", "1234", "--batch-id", "42", "--account-id",
        "4417829035"}},
      {"Citibank - Standard Positive Pay",
       {{remoteID, "HARBOR MARINE SUPPLY"}, {accountID, "55123"}},
       "001 - NYB - New York Metro",
       {"--remote-id", "HARBOR MARINE SUPPLY", "--account-id", "55123", "--bank-code",
        "001 - NYB - New York Metro"}},
  };
  int number = 0;
  for (const CreateChoices& choices : cases) {
    SCOPED_TRACE(choices.bank);
    const std::string folder = pathInFolder(output, std::to_string(++number));
    std::filesystem::create_directories(filePath(folder));
    const std::string bankFile = pathInFolder(folder, "bank.txt");

    chooseEntry(control(myAccount), "Checking");
    chooseEntry(control(bankList), choices.bank);
    if (SendMessageW(control(autoDateRange), BM_GETCHECK, 0, 0) == BST_CHECKED) {
      click(control(autoDateRange));
    }
    typeInto(control(fromDate), "1/1/2024");
    typeInto(control(toDate), "3/31/2024");
    for (const auto& [box, value] : choices.boxes) typeInto(control(box), value);
    if (!choices.bankCode.empty()) chooseEntry(control(bankCode), choices.bankCode);
    typeInto(control(fileName), bankFile);
    if (SendMessageW(control(createReviewFile), BM_GETCHECK, 0, 0) != BST_CHECKED) {
      click(control(createReviewFile));
    }
    messages_.shown.clear();
    click(control(myCreate));

    ASSERT_EQ(messages_.shown.size(), 1U);
    EXPECT_EQ(messages_.shown[0].icon, window::MessageBoxIcon::Information);
    EXPECT_EQ(messages_.shown[0].title, "Darodid IzezozezIzo Vizozav");
    EXPECT_TRUE(messages_.shown[0].text.starts_with("Created " + bankFile + " with "))
        << messages_.shown[0].text;
    EXPECT_TRUE(IsWindowEnabled(control(myCreate)));
    EXPECT_FALSE(win32::Win32BusyPointer::busy());

    std::ofstream options(filePath(pathInFolder(folder, "options")), std::ios::binary);
    options << "--bank\n" << choices.bank << '\n';
    for (const std::string& option : choices.nativeOptions) options << option << '\n';
  }
}

TEST_F(WindowTest, RefusalIsShownInAMessageBox) {
  chooseEntry(control(myAccount), "Checking");
  typeInto(control(bankList), "<pick a bank for this account>");
  typeInto(control(fileName), "refused.txt");
  click(control(myCreate));
  ASSERT_EQ(messages_.shown.size(), 1U);
  EXPECT_EQ(messages_.shown[0],
            (window::MessageBoxRequest{window::MessageBoxIcon::Critical,
                                       "Darodid IzezozezIzo Vizozav",
                                       "Please pick a valid bank from the list of banks. Then try "
                                       "again."}));
  EXPECT_FALSE(std::filesystem::exists(filePath("refused.txt")));
  EXPECT_TRUE(IsWindowEnabled(control(myCreate)));
}

TEST_F(WindowTest, KeyboardMovesInTheDesignOrderAndEnterCreates) {
  chooseEntry(control(myAccount), "Checking");
  chooseEntry(control(bankList), "Generic Bank Format");
  const ExportControl order[] = {myAccount, autoDateRange, autoDateRangeDays, fromDate, toDate,
                                 bankList,  editFormat,    remoteID,          accountID, fileName,
                                 Select,    createReviewFile, newOnly,       history,
                                 openDoc,   saveSettings,  Command1,         myCreate,
                                 myAccount};
  HWND current = control(myAccount);
  for (std::size_t step = 1; step < std::size(order); ++step) {
    current = GetNextDlgTabItem(main(), current, FALSE);
    EXPECT_EQ(current, control(order[step])) << "after step " << step;
    current = control(order[step]);
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
    EXPECT_EQ(start, end) << typed;
    EXPECT_EQ(stop, end) << typed;
  }
}

TEST_F(WindowTest, EscapeClosesWithoutSaving) {
  chooseEntry(control(myAccount), "Checking");
  typeInto(control(remoteID), "NOT SAVED");
  SetFocus(control(remoteID));
  MSG escape{control(remoteID), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  EXPECT_TRUE(window().dialogMessage(escape));
  MSG pending;
  while (PeekMessageW(&pending, nullptr, 0, 0, PM_REMOVE) != FALSE) DispatchMessageW(&pending);
  EXPECT_TRUE(window().model().closed());
  EXPECT_EQ(main(), nullptr);
  EXPECT_FALSE(settings_.readSetting("CheckingremoteID").has_value());
}

}  // namespace
}  // namespace ppexport::testing

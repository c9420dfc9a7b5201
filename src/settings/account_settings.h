#pragma once
// The settings of one QuickBooks bank account, as the main window and the command line save and
// restore them. Each is stored under the account text followed by a fixed suffix, with nothing
// between ("Checking" + "bankList"), and the last chosen account under "myAccount".

#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_store.h"
#include "text/regional.h"

namespace ppexport {

// The texts of the window's per-account controls. Check boxes hold "0" or "1" when saved; when
// loaded they hold the stored text unchanged (it may be "True" or anything else), so that the
// window can apply its rule that a check box refuses a value it cannot show.
struct AccountSettings {
  std::string account;            // the account box text
  std::string bankList;           // a built-in bank format name or "Custom Format: " + name
  std::string fromDate;
  std::string toDate;
  std::string fileName;           // the output file
  std::string autoDateRangeDays;  // the days box
  std::string autoDateRange;      // the automatic-range check box
  std::string remoteID;
  std::string batchID;
  std::string bankID;
  std::string accountID;
  std::string bankCode;
  std::string createReviewFile;   // the review-file check box
  std::string newOnly;            // "Leave out checks already sent in an earlier file"
};

// The fixed key names and the defaults of an empty store.
inline constexpr std::string_view lastAccountKey = "myAccount";
inline constexpr std::string_view noAccountChosen = "<choose an account>";
inline constexpr std::string_view noBankChosen = "<choose a bank>";
// Earlier versions stored the bank list's placeholder misspelt; it still means no bank chosen.
inline constexpr std::string_view noBankChosenMisspelt = "<choose an bank>";
inline constexpr std::string_view noBankCodeChosen = "<pick a bank code>";
inline constexpr std::string_view defaultAutoDateRangeDays = "90";

// Writes "myAccount" and then every account key of values.account, in the window's order:
// bankList, fromDate, toDate, fileName, autoDateRangeDays, autoDateRange, remoteID, batchID,
// bankID, accountID, bankCode, createReviewFile, newOnly. Every key is written even when an
// earlier write failed; false when any failed (the store's lastError() says why).
bool saveUserSettings(SettingsStore& store, const AccountSettings& values);

// The last chosen account: "myAccount", or "<choose an account>" in an empty store.
std::string lastChosenAccount(SettingsStore& store);

// The stored settings of account, each with its default where it is absent: bank "<choose an
// bank>", From and To today's date in the regional short form, days "90", automatic range "1",
// review file "0", new checks only "0", bank code "<pick a bank code>", identifiers "". An absent or empty output
// file becomes defaultOutputFile().
AccountSettings getAccountSettings(SettingsStore& store, std::string_view account,
                                   const Date& today);

// Where the bank file goes when none was saved: "PositivePayExport.txt" in a folder that exists,
// so that a first Create does not fail on a missing one. On Windows the profile's "My Documents"
// or "Documents" folder, else USERPROFILE itself; elsewhere, and where USERPROFILE is not set,
// HOME's "Documents" folder, else HOME itself.
std::string defaultOutputFile();

// The state a check box takes from a stored text, as the window's check boxes take a value: the
// text as a whole number (rounded half to even; "True" is -1, "False" is 0), accepted when it is
// 0, 1 or 2. Nothing when the box refuses it and keeps its previous state.
std::optional<int> checkBoxState(std::string_view stored);

// The automatic date range: From = today minus N days, To = today, in the regional short form.
// N is the days text as a whole number (rounded half to even), or 90 when it is not numeric.
// Nothing when the From date would fall outside the years 100 to 9999; the dates then stay.
struct DateRangeTexts {
  std::string fromDate;
  std::string toDate;
};
std::optional<DateRangeTexts> automaticDateRange(std::string_view daysText, const Date& today);

}  // namespace ppexport

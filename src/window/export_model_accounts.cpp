// The account list of the main window, the settings kept for each account, and the automatic date
// range.

#include <filesystem>
#include <system_error>

#include "quickbooks/account_list.h"
#include "quickbooks/export_errors.h"
#include "settings/account_settings.h"
#include "text/file_names.h"
#include "window/export_model.h"
#include "window/window_text.h"

namespace ppexport::window {

namespace {
using enum ExportControl;

// A check box takes a restored state only when it can show it; otherwise it keeps its own.
void restoreCheckBox(Control& box, const std::string& stored) {
  if (const std::optional<int> state = checkBoxState(stored)) box.checked = *state;
}
}  // namespace

void ExportModel::getAccountList() {
  AccountList list = ppexport::getAccountList(*services_.quickBooks, services_.reportFolder);
  // Retry reads the accounts again, once QuickBooks is started, without leaving the window.
  while (!list.errorMessage.empty()) {
    if (showMessage(MessageBoxIcon::Critical,
                    messageText(accountListErrorMessage(list.exportResult, "press Retry")),
                    MessageBoxButtons::RetryCancel) != MessageBoxAnswer::Retry) {
      accountListMissing_ = true;
      return;
    }
    list = ppexport::getAccountList(*services_.quickBooks, services_.reportFolder);
  }
  accountListMissing_ = false;
  Control& accounts = at(myAccount);
  for (const std::string& account : list.accounts) accounts.entries.push_back(fromCore(account));
  setListText(myAccount, accounts.text);
}

void ExportModel::getUserSettings() {
  SettingsStore& store = *services_.settings;
  // Without the account list the last account is not offered: nothing could be created for it.
  setListText(myAccount, fromCore(accountListMissing_ ? std::string(noAccountChosen)
                                                      : lastChosenAccount(store)));
  const AccountSettings saved =
      getAccountSettings(store, toCore(control(myAccount).text), today());

  setListText(bankList, fromCore(saved.bankList));
  bankList_Change();
  setText(autoDateRangeDays, fromCore(saved.autoDateRangeDays));
  restoreCheckBox(at(autoDateRange), saved.autoDateRange);
  setText(remoteID, fromCore(saved.remoteID));
  setText(batchID, fromCore(saved.batchID));
  setText(bankID, fromCore(saved.bankID));
  setText(accountID, fromCore(saved.accountID));
  setText(fileName, saved.fileName);
  restoreCheckBox(at(createReviewFile), saved.createReviewFile);
  restoreCheckBox(at(newOnly), saved.newOnly);

  // An account without a saved output file gets the default one, ready to be edited.
  if (saved.fileName == defaultOutputFile()) focus(fileName, true);

  if (control(bankList).selected != -1) bankList_Change();
  setListText(bankCode, fromCore(saved.bankCode));

  if (control(autoDateRange).checked == 1) {
    setAutoDateRange();
  } else {
    setText(fromDate, fromCore(saved.fromDate));
    setText(toDate, fromCore(saved.toDate));
  }
}

AccountSettings ExportModel::accountSettingsFromControls() const {
  AccountSettings values;
  values.account = toCore(control(myAccount).text);
  values.bankList = toCore(control(bankList).text);
  values.fromDate = toCore(control(fromDate).text);
  values.toDate = toCore(control(toDate).text);
  values.fileName = control(fileName).text;
  values.autoDateRangeDays = toCore(control(autoDateRangeDays).text);
  values.autoDateRange = std::to_string(control(autoDateRange).checked);
  values.remoteID = toCore(control(remoteID).text);
  values.batchID = toCore(control(batchID).text);
  values.bankID = toCore(control(bankID).text);
  values.accountID = toCore(control(accountID).text);
  values.bankCode = toCore(control(bankCode).text);
  values.createReviewFile = std::to_string(control(createReviewFile).checked);
  values.newOnly = std::to_string(control(newOnly).checked);
  return values;
}

void ExportModel::saveUserSettings() {
  // The window shows no account of the user's then, so it has nothing of theirs to keep.
  if (accountListMissing_) return;
  ppexport::saveUserSettings(*services_.settings, accountSettingsFromControls());
}

void ExportModel::setAutoDateRange() {
  if (const std::optional<DateRangeTexts> range =
          automaticDateRange(toCore(control(autoDateRangeDays).text), today())) {
    setText(fromDate, fromCore(range->fromDate));
    setText(toDate, fromCore(range->toDate));
  }
}

}  // namespace ppexport::window

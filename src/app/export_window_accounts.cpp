// The account list of the main window, the settings kept for each account, and the automatic date
// range.

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalBlocker>

#include "app/export_window.h"
#include "app/list_boxes.h"
#include "app/message_presenter.h"
#include "app/text_conversion.h"
#include "quickbooks/account_list.h"
#include "settings/account_settings.h"

namespace ppexport::app {

namespace {
// A check box stores 0 (clear), 1 (ticked) or 2 (greyed).
Qt::CheckState checkState(int stored) {
  switch (stored) {
    case 1:
      return Qt::Checked;
    case 2:
      return Qt::PartiallyChecked;
    default:
      return Qt::Unchecked;
  }
}

std::string storedState(const QCheckBox* box) {
  switch (box->checkState()) {
    case Qt::Checked:
      return "1";
    case Qt::PartiallyChecked:
      return "2";
    default:
      return "0";
  }
}

// A check box takes a restored state only when it can show it; otherwise it keeps its own.
void restoreCheckBox(QCheckBox* box, const std::string& stored) {
  if (const std::optional<int> state = checkBoxState(stored)) {
    box->setCheckState(checkState(*state));
    // Only a restored grey state lets the box show grey; a click then ticks or clears it.
    box->setTristate(*state == 2);
  }
}
}  // namespace

void ExportWindow::getAccountList() {
  const AccountList list = ppexport::getAccountList(*services_.quickBooks, services_.reportFolder);
  if (!list.errorMessage.empty()) {
    showMessage(QMessageBox::Critical, messageText(list.errorMessage));
    return;
  }
  const QSignalBlocker quiet(myAccount);
  const QString text = myAccount->currentText();
  for (const std::string& account : list.accounts) myAccount->addItem(fromCore(account));
  setListText(myAccount, text);
}

void ExportWindow::myAccount_Change() {
  services_.settings->saveSetting(lastAccountKey, toCore(myAccount->currentText()));
  getUserSettings();
  myAccount->setFocus();
}

void ExportWindow::getUserSettings() {
  SettingsStore& store = *services_.settings;
  setListText(myAccount, fromCore(lastChosenAccount(store)));
  const AccountSettings saved =
      getAccountSettings(store, toCore(myAccount->currentText()), today());

  setListText(bankList, fromCore(saved.bankList));
  bankList_Change();
  autoDateRangeDays->setText(fromCore(saved.autoDateRangeDays));
  restoreCheckBox(autoDateRange, saved.autoDateRange);
  remoteID.box->setText(fromCore(saved.remoteID));
  batchID.box->setText(fromCore(saved.batchID));
  bankID.box->setText(fromCore(saved.bankID));
  accountID.box->setText(fromCore(saved.accountID));
  fileName->setText(fromPath(saved.fileName));
  restoreCheckBox(createReviewFile, saved.createReviewFile);

  // An account without a saved output file gets the default one, ready to be edited.
  if (saved.fileName == defaultOutputFile()) {
    fileName->setFocus();
    fileName->end(false);
  }
  // The file dialog starts on the saved output file only while that file exists.
  if (QFileInfo(fileName->text()).isFile()) dlgOpenFile_.initialFileName = fileName->text();

  if (selectedEntry(bankList) != -1) bankList_Change();
  setListText(bankCode, fromCore(saved.bankCode));

  if (autoDateRange->checkState() == Qt::Checked) {
    setAutoDateRange();
  } else {
    fromDate->setText(fromCore(saved.fromDate));
    toDate->setText(fromCore(saved.toDate));
  }
}

AccountSettings ExportWindow::accountSettingsFromControls() const {
  AccountSettings values;
  values.account = toCore(myAccount->currentText());
  values.bankList = toCore(bankList->currentText());
  values.fromDate = toCore(fromDate->text());
  values.toDate = toCore(toDate->text());
  values.fileName = toPath(fileName->text());
  values.autoDateRangeDays = toCore(autoDateRangeDays->text());
  values.autoDateRange = storedState(autoDateRange);
  values.remoteID = toCore(remoteID.box->text());
  values.batchID = toCore(batchID.box->text());
  values.bankID = toCore(bankID.box->text());
  values.accountID = toCore(accountID.box->text());
  values.bankCode = toCore(bankCode->currentText());
  values.createReviewFile = storedState(createReviewFile);
  return values;
}

void ExportWindow::saveUserSettings() {
  ppexport::saveUserSettings(*services_.settings, accountSettingsFromControls());
}

void ExportWindow::setAutoDateRange() {
  if (const std::optional<DateRangeTexts> range =
          automaticDateRange(toCore(autoDateRangeDays->text()), today())) {
    fromDate->setText(fromCore(range->fromDate));
    toDate->setText(fromCore(range->toDate));
  }
}

void ExportWindow::autoDateRange_Click() {
  if (autoDateRange->checkState() == Qt::Checked) setAutoDateRange();
}

void ExportWindow::autoDateRangeDays_Change() {
  if (autoDateRange->checkState() == Qt::Checked) setAutoDateRange();
}

}  // namespace ppexport::app

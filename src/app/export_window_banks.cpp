// The bank list of the main window and the inputs each bank format asks for.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/export_window.h"
#include "app/list_boxes.h"
#include "app/text_conversion.h"
#include "create/bank_codes.h"
#include "create/format_dispatch.h"
#include "formats/bank_list.h"

namespace ppexport::app {

namespace {
const QString noBankForAccount = QStringLiteral("<pick a bank for this account>");
}  // namespace

void ExportWindow::manageBankList() {
  const QString remembered = bankList->currentText();
  {
    const QSignalBlocker quiet(bankList);
    bankList->clear();
    for (const std::string& entry : ppexport::bankList(services_.settings)) {
      bankList->addItem(fromCore(entry));
    }
  }
  setListText(bankList, remembered);
}

void ExportWindow::showBankFormat(const QString& text) {
  setListText(bankList, text);
  manageBankList();
  bankList_Change();
}

void ExportWindow::hideInput(IdentifierInput& input) {
  input.caption->hide();
  input.box->hide();
  input.star->hide();
}

void ExportWindow::showInput(IdentifierInput& input, const InputCaption& caption) {
  if (!caption.shown) {
    hideInput(input);
    return;
  }
  input.caption->setText(fromCore(caption.caption));
  input.caption->show();
  input.box->show();
  input.star->setVisible(caption.star);
}

void ExportWindow::bankList_Change() {
  const QString text = bankList->currentText();
  const std::string bankFormat = toCore(text);
  accountID.star->hide();

  if (const std::optional<std::string> customFormat = customFormatName(bankFormat)) {
    // A custom format writes the account number only.
    editFormat->setText(QStringLiteral("Edit"));
    editFormat->show();
    hideInput(remoteID);
    hideInput(bankID);
    hideInput(batchID);
    bankID.caption->setText(QStringLiteral("Bank ID"));
    providedByLabel->hide();
    bankCodeLabel->hide();
    bankCode->hide();
    accountID.caption->setText(QStringLiteral("Account Number"));
    accountID.caption->show();
    accountID.box->show();
    const bool commaSeparated =
        getSetting(*services_.settings, *customFormat + "OptionCSV", "True").asBoolean();
    switchOutputExtension(commaSeparated);
  } else {
    editFormat->setText(QStringLiteral("Add"));
  }

  if (selectedEntry(bankList) == -1 || text == noBankForAccount) {
    hideInput(remoteID);
    hideInput(bankID);
    hideInput(batchID);
    bankID.caption->setText(QStringLiteral("Bank ID"));
    providedByLabel->hide();
    if (bankCode->count() > 0) {
      accountID.caption->hide();
      accountID.box->hide();
    }
  }

  const std::optional<BankInputs> inputs = bankInputs(bankFormat);
  if (!inputs) return;
  showInput(remoteID, inputs->remoteId);
  showInput(bankID, inputs->bankId);
  showInput(batchID, inputs->batchId);
  showInput(accountID, inputs->accountId);
  if (inputs->bankCodeList) {
    fillBankCodeList();
    bankCodeLabel->setText(fromCore(inputs->bankCodeCaption));
  }
  bankCodeLabel->setVisible(inputs->bankCodeList);
  bankCode->setVisible(inputs->bankCodeList);
  providedByLabel->setText(fromCore(inputs->note));
  providedByLabel->setVisible(!inputs->note.empty());
  placeIdentifierInputs(inputs->layout);
}

void ExportWindow::fillBankCodeList() {
  {
    const QSignalBlocker quiet(bankCode);
    bankCode->clear();
    for (std::string_view code : bankCodeList(toCore(bankList->currentText()))) {
      bankCode->addItem(fromCore(code));
    }
  }
  if (bankCode->count() > 0) setListText(bankCode, fromCore(noBankCodeChosen));
}

void ExportWindow::switchOutputExtension(bool commaSeparated) {
  // Only the last three letters change; the dot and everything before it stay as typed.
  QString file = fileName->text();
  const QString extension = file.right(4).toUpper();
  if (commaSeparated && extension == QLatin1String(".TXT")) {
    file.replace(file.size() - 3, 3, QStringLiteral("csv"));
  } else if (!commaSeparated && extension == QLatin1String(".CSV")) {
    file.replace(file.size() - 3, 3, QStringLiteral("txt"));
  } else {
    return;
  }
  fileName->setText(file);
}

}  // namespace ppexport::app

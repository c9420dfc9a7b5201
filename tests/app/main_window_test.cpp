// The main window: its controls as designed, start-up, the date range, Browse, Save and Close,
// Help and the edit button.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/custom_format_window.h"
#include "app/design_measures.h"
#include "support/reports.h"
#include "window_fixture.h"

using namespace ppexport;
using namespace ppexport::testing;
using app::designRect;

namespace {
const QString title = QStringLiteral("Darodid IzezozezIzo Vizozav");

QString textOf(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
  if (auto* list = qobject_cast<QComboBox*>(widget)) return list->currentText();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  return {};
}
}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void controlsStandWhereTheyAreDesignedWithTheirCaptions_data();
  void controlsStandWhereTheyAreDesignedWithTheirCaptions();
  void identifierInputsAreHiddenUntilAFormatAsksForThem();
  void captionCarriesTheVersion_data();
  void captionCarriesTheVersion();
  void startUpFillsTheAccountListWithActiveBankAccounts();
  void anAccountListErrorIsShownAndAddsNothing();
  void bankListHasCustomFormatsFirst();
  void firstRunDefaults();
  void switchingAccountsLoadsThatAccountsValues();
  void typingAnAccountStoresEachPrefix();
  void aLastAccountNoLongerListedIsRestoredAsText();
  void checkBoxRefusesAStoredTrue();
  void automaticRangeOffRestoresTheSavedDates();
  void automaticDateRangeFollowsTheDaysBox();
  void fileDialogStartsOnTheSavedFileOnlyWhileItExists();
  void browseKeepsTextFilesAndAddsTheExtension();
  void browseCancelAndFailure();
  void saveAndCloseSaveTheCloseBoxDoesNot();
  void helpOpensTheInstructionsOrSaysWhy();
  void editButtonOpensTheEditorWithTheFormatName();
};

void MainWindowTest::controlsStandWhereTheyAreDesignedWithTheirCaptions_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QRect>("twips");
  auto row = [](const char* name, const char* text, QRect twips) {
    QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(text) << twips;
  };
  row("Image1", "", QRect(60, 60, 2100, 825));
  row("Label5", "", QRect(2460, 180, 4755, 855));
  row("myAccount", "myAccount", QRect(1200, 1200, 5730, 315));
  row("Frame1", "Date Range", QRect(360, 1800, 6555, 1395));
  row("autoDateRange", "Set date range for checks to the last", QRect(360, 300, 3075, 435));
  row("autoDateRangeDays", "90", QRect(3465, 360, 435, 310));
  row("Label15", "days", QRect(4005, 420, 900, 315));
  row("fromDate", "", QRect(840, 840, 1095, 320));
  row("toDate", "", QRect(2460, 840, 1095, 320));
  row("bankList", "<pick a bank for this account>", QRect(1200, 3480, 5355, 315));
  row("editFormat", "Edit", QRect(6600, 3420, 585, 375));
  row("remoteID", "", QRect(1185, 3900, 1700, 320));
  row("bankID", "", QRect(4860, 3900, 1700, 320));
  row("batchID", "", QRect(1185, 4320, 1700, 320));
  row("accountID", "", QRect(4860, 4320, 1700, 320));
  row("providedByLabel", "* Values provided by your bank", QRect(1200, 4740, 4365, 615));
  row("bankCode", "<pick a bank number>", QRect(1185, 5040, 2715, 315));
  row("fileName", "", QRect(1140, 5640, 4995, 320));
  row("Select", "Browse", QRect(6180, 5580, 975, 375));
  row("createReviewFile",
      "Also create a companion 'Positive Pay Review.csv' file for your review.",
      QRect(1140, 6120, 6015, 315));
  row("openDoc", "Help", QRect(1980, 6780, 885, 375));
  row("saveSettings", "Save", QRect(3240, 6780, 885, 375));
  row("Command1", "Close", QRect(4200, 6780, 885, 375));
  row("myCreate", "Create ZurududoZer File", QRect(5220, 6780, 1995, 375));
}

void MainWindowTest::controlsStandWhereTheyAreDesignedWithTheirCaptions() {
  QFETCH(QString, name);
  QFETCH(QString, text);
  QFETCH(QRect, twips);
  WindowFixture fixture;
  fixture.window = std::make_unique<app::ExportWindow>(fixture.services());
  QWidget* control = fixture.window->findChild<QWidget*>(name);
  QVERIFY(control != nullptr);
  QCOMPARE(textOf(control), text);
  QCOMPARE(control->geometry(),
           designRect(twips.left(), twips.top(), twips.width(), twips.height()));
  QCOMPARE(fixture.window->objectName(), QStringLiteral("export"));
  QCOMPARE(fixture.window->size(), QSize(495, 493));
}

void MainWindowTest::identifierInputsAreHiddenUntilAFormatAsksForThem() {
  WindowFixture fixture;
  fixture.window = std::make_unique<app::ExportWindow>(fixture.services());
  for (const char* name :
       {"remoteIDLabel", "remoteID", "remoteIDLabel2", "bankIDLabel", "bankID", "bankIDLabel2",
        "batchIDLabel", "batchID", "batchIDLabel2", "accountIDLabel", "accountID",
        "accountIDLabel2", "providedByLabel", "bankCodeLabel", "bankCode"}) {
    QVERIFY2(fixture.control<QWidget>(name)->isHidden(), name);
  }
  QCOMPARE(fixture.control<QLabel>("bankIDLabel")->text(), QStringLiteral("BankID"));
  QCOMPARE(fixture.control<QLabel>("remoteIDLabel2")->text(), QStringLiteral("*"));
}

void MainWindowTest::captionCarriesTheVersion_data() {
  QTest::addColumn<QString>("version");
  QTest::addColumn<QString>("caption");
  QTest::newRow("first") << "1.0.0" << "Reruzur UderuridEve rozi Dozedud - 1.00";
  QTest::newRow("revision 35") << "1.4.35" << "Reruzur UderuridEve rozi Dozedud - 1.35";
  QTest::newRow("revision 7") << "2.1.7" << "Reruzur UderuridEve rozi Dozedud - 2.07";
}

void MainWindowTest::captionCarriesTheVersion() {
  QFETCH(QString, version);
  QFETCH(QString, caption);
  QCOMPARE(app::windowCaption(version.toStdString()), caption);
}

void MainWindowTest::startUpFillsTheAccountListWithActiveBankAccounts() {
  WindowFixture fixture;
  app::ExportWindow& window = fixture.start();
  QCOMPARE(window.windowTitle(), QStringLiteral("Reruzur UderuridEve rozi Dozedud - 1.00"));
  auto* accounts = fixture.control<QComboBox>("myAccount");
  QCOMPARE(accounts->count(), 2);
  QCOMPARE(accounts->itemText(0), QStringLiteral("Checking"));
  QCOMPARE(accounts->itemText(1), QStringLiteral("Savings"));
  QCOMPARE(fixture.control<QLabel>("Label5")->text(),
           QStringLiteral("Fill out the fields below to create a ZurududoZer file."));
  QVERIFY(fixture.messages.shown.empty());
  QCOMPARE(fixture.quickBooks.requests.front().reportName, std::string("qbCOA"));
  QCOMPARE(window.fileDialogSettings().title, QStringLiteral("Enter a file name"));
  QCOMPARE(window.fileDialogSettings().filter, QStringLiteral("TXT Files (*.txt)"));
}

void MainWindowTest::anAccountListErrorIsShownAndAddsNothing() {
  WindowFixture fixture;
  fixture.quickBooks.failure =
      "An error occurred while attempting to find a running copy of QuickBooks.\r\n"
      "If Quickbooks is not running, please start QuickBooks.\r\n\r\nError: 429 : gone\r\n";
  fixture.start();
  QCOMPARE(fixture.control<QComboBox>("myAccount")->count(), 0);
  QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
  const ShownMessage& shown = fixture.messages.shown.front();
  QCOMPARE(shown.icon, QMessageBox::Critical);
  QCOMPARE(shown.title, title);
  QCOMPARE(shown.text,
           QStringLiteral("An error occoured when trying to get the account list from QuickBooks:"
                          "\n\nAn error occurred while attempting to find a running copy of "
                          "QuickBooks.\nIf Quickbooks is not running, please start QuickBooks."
                          "\n\nError: 429 : gone\n"));
  // The rest of the start-up still runs.
  QCOMPARE(fixture.control<QComboBox>("bankList")->count(), 35);
}

void MainWindowTest::bankListHasCustomFormatsFirst() {
  WindowFixture fixture;
  fixture.settings.saveSetting("Custom Format: Payroll", "Payroll");
  fixture.settings.saveSetting("Custom Format: Vendors", "Vendors");
  fixture.start();
  auto* banks = fixture.control<QComboBox>("bankList");
  QCOMPARE(banks->count(), 37);
  QCOMPARE(banks->itemText(0), QStringLiteral("Custom Format: Payroll"));
  QCOMPARE(banks->itemText(1), QStringLiteral("Custom Format: Vendors"));
  QCOMPARE(banks->itemText(2), QStringLiteral("American Bank - MD"));
  QCOMPARE(banks->itemText(36), QStringLiteral("Generic Bank Format"));
}

void MainWindowTest::firstRunDefaults() {
  WindowFixture fixture;
  fixture.start();
  QCOMPARE(fixture.control<QComboBox>("myAccount")->currentText(),
           QStringLiteral("<choose an account>"));
  QCOMPARE(fixture.control<QComboBox>("bankList")->currentText(),
           QStringLiteral("<choose an bank>"));
  QCOMPARE(fixture.control<QLineEdit>("autoDateRangeDays")->text(), QStringLiteral("90"));
  QCOMPARE(fixture.control<QCheckBox>("autoDateRange")->checkState(), Qt::Checked);
  QCOMPARE(fixture.control<QCheckBox>("createReviewFile")->checkState(), Qt::Unchecked);
  QCOMPARE(fixture.control<QLineEdit>("fileName")->text(), fixture.defaultOutputFile());
  QCOMPARE(fixture.control<QLineEdit>("fromDate")->text(), QStringLiteral("12/15/2025"));
  QCOMPARE(fixture.control<QLineEdit>("toDate")->text(), QStringLiteral("3/15/2026"));
  QCOMPARE(fixture.control<QComboBox>("bankCode")->currentText(),
           QStringLiteral("<pick a bank code>"));
  QCOMPARE(fixture.control<QPushButton>("editFormat")->text(), QStringLiteral("Add"));
  // The output file waits for editing, the caret after its last character.
  auto* file = fixture.control<QLineEdit>("fileName");
  QCOMPARE(file->cursorPosition(), file->text().size());
  // Nothing is stored by looking.
  QVERIFY(fixture.settings.enumerate().empty());
}

void MainWindowTest::switchingAccountsLoadsThatAccountsValues() {
  WindowFixture fixture;
  MemorySettingsStore& store = fixture.settings;
  store.saveSetting("SavingsbankList", "Wells Fargo ARP - Standard");
  store.saveSetting("SavingsremoteID", "R1");
  store.saveSetting("SavingsbankID", "B2");
  store.saveSetting("SavingsbatchID", "77");
  store.saveSetting("SavingsaccountID", "123456");
  store.saveSetting("SavingsfileName", "/books/savings.txt");
  store.saveSetting("SavingsautoDateRangeDays", "30");
  store.saveSetting("SavingsautoDateRange", "1");
  store.saveSetting("SavingscreateReviewFile", "1");
  fixture.start();
  auto* accounts = fixture.control<QComboBox>("myAccount");
  accounts->setCurrentIndex(1);
  emit accounts->activated(1);

  QCOMPARE(getSetting(store, "myAccount", "").text, std::string("Savings"));
  QCOMPARE(fixture.control<QComboBox>("bankList")->currentText(),
           QStringLiteral("Wells Fargo ARP - Standard"));
  QCOMPARE(fixture.control<QLineEdit>("remoteID")->text(), QStringLiteral("R1"));
  QCOMPARE(fixture.control<QLineEdit>("bankID")->text(), QStringLiteral("B2"));
  QCOMPARE(fixture.control<QLineEdit>("batchID")->text(), QStringLiteral("77"));
  QCOMPARE(fixture.control<QLineEdit>("accountID")->text(), QStringLiteral("123456"));
  QCOMPARE(fixture.control<QLineEdit>("fileName")->text(), QStringLiteral("/books/savings.txt"));
  QCOMPARE(fixture.control<QLineEdit>("fromDate")->text(), QStringLiteral("2/13/2026"));
  QCOMPARE(fixture.control<QCheckBox>("createReviewFile")->checkState(), Qt::Checked);
  QVERIFY(!fixture.control<QLineEdit>("batchID")->isHidden());

  // Back to Checking: its own (default) values, and the Savings edits are not saved.
  fixture.control<QLineEdit>("remoteID")->setText(QStringLiteral("edited"));
  accounts->setCurrentIndex(0);
  QCOMPARE(fixture.control<QComboBox>("bankList")->currentText(),
           QStringLiteral("<choose an bank>"));
  QCOMPARE(fixture.control<QLineEdit>("remoteID")->text(), QString());
  QCOMPARE(fixture.control<QLineEdit>("fileName")->text(), fixture.defaultOutputFile());
  QCOMPARE(getSetting(store, "SavingsremoteID", "").text, std::string("R1"));
  QCOMPARE(getSetting(store, "myAccount", "").text, std::string("Checking"));
}

void MainWindowTest::typingAnAccountStoresEachPrefix() {
  WindowFixture fixture;
  fixture.settings.saveSetting("SavbankList", "HSBC");
  fixture.start();
  auto* accounts = fixture.control<QComboBox>("myAccount");
  accounts->setFocus();
  accounts->lineEdit()->selectAll();
  QTest::keyClicks(accounts->lineEdit(), QStringLiteral("Sav"));
  QCOMPARE(accounts->currentText(), QStringLiteral("Sav"));
  QCOMPARE(getSetting(fixture.settings, "myAccount", "").text, std::string("Sav"));
  QCOMPARE(fixture.control<QComboBox>("bankList")->currentText(), QStringLiteral("HSBC"));
  QTest::keyClicks(accounts->lineEdit(), QStringLiteral("ings"));
  QCOMPARE(getSetting(fixture.settings, "myAccount", "").text, std::string("Savings"));
  QCOMPARE(fixture.control<QComboBox>("bankList")->currentText(),
           QStringLiteral("<choose an bank>"));
}

void MainWindowTest::aLastAccountNoLongerListedIsRestoredAsText() {
  WindowFixture fixture;
  fixture.settings.saveSetting("myAccount", "Closed Account");
  fixture.settings.saveSetting("Closed AccountbankList", "Regions Bank");
  fixture.start();
  auto* accounts = fixture.control<QComboBox>("myAccount");
  QCOMPARE(accounts->currentText(), QStringLiteral("Closed Account"));
  QCOMPARE(accounts->findText(accounts->currentText()), -1);
  QCOMPARE(fixture.control<QComboBox>("bankList")->currentText(), QStringLiteral("Regions Bank"));
}

void MainWindowTest::checkBoxRefusesAStoredTrue() {
  WindowFixture fixture;
  fixture.settings.saveSetting("myAccount", "Checking");
  fixture.settings.saveSetting("CheckingautoDateRange", "True");
  fixture.settings.saveSetting("CheckingcreateReviewFile", "True");
  fixture.settings.saveSetting("SavingscreateReviewFile", "1");
  fixture.settings.saveSetting("SavingsautoDateRange", "0");
  fixture.start();
  // The boxes keep the states they had before: the design's.
  QCOMPARE(fixture.control<QCheckBox>("autoDateRange")->checkState(), Qt::Unchecked);
  QCOMPARE(fixture.control<QCheckBox>("createReviewFile")->checkState(), Qt::Unchecked);
  auto* accounts = fixture.control<QComboBox>("myAccount");
  accounts->setCurrentIndex(1);
  QCOMPARE(fixture.control<QCheckBox>("createReviewFile")->checkState(), Qt::Checked);
  accounts->setCurrentIndex(0);
  QCOMPARE(fixture.control<QCheckBox>("createReviewFile")->checkState(), Qt::Checked);
}

void MainWindowTest::automaticRangeOffRestoresTheSavedDates() {
  WindowFixture fixture;
  fixture.settings.saveSetting("myAccount", "Checking");
  fixture.settings.saveSetting("CheckingautoDateRange", "0");
  fixture.settings.saveSetting("CheckingfromDate", "1/1/2026");
  fixture.start();
  QCOMPARE(fixture.control<QCheckBox>("autoDateRange")->checkState(), Qt::Unchecked);
  QCOMPARE(fixture.control<QLineEdit>("fromDate")->text(), QStringLiteral("1/1/2026"));
  QCOMPARE(fixture.control<QLineEdit>("toDate")->text(), QStringLiteral("3/15/2026"));
}

void MainWindowTest::automaticDateRangeFollowsTheDaysBox() {
  WindowFixture fixture;
  fixture.start();
  auto* days = fixture.control<QLineEdit>("autoDateRangeDays");
  auto* from = fixture.control<QLineEdit>("fromDate");
  auto* to = fixture.control<QLineEdit>("toDate");
  auto* automatic = fixture.control<QCheckBox>("autoDateRange");
  struct Case {
    const char* days;
    const char* from;
  } cases[] = {{"30", "2/13/2026"}, {"abc", "12/15/2025"}, {"2.5", "3/13/2026"}, {"0", "3/15/2026"}};
  for (const Case& c : cases) {
    days->setText(QString::fromLatin1(c.days));
    QCOMPARE(from->text(), QString::fromLatin1(c.from));
    QCOMPARE(to->text(), QStringLiteral("3/15/2026"));
  }
  QCOMPARE(days->text(), QStringLiteral("0"));
  // Unticked, the dates stay as they are; ticking computes them again.
  automatic->click();
  days->setText(QStringLiteral("10"));
  from->setText(QStringLiteral("1/2/2026"));
  QCOMPARE(from->text(), QStringLiteral("1/2/2026"));
  automatic->click();
  QCOMPARE(from->text(), QStringLiteral("3/5/2026"));
}

void MainWindowTest::fileDialogStartsOnTheSavedFileOnlyWhileItExists() {
  WindowFixture fixture;
  const std::string existing = fixture.folder.file("last.txt");
  writeBytes(existing, "x");
  fixture.settings.saveSetting("myAccount", "Checking");
  fixture.settings.saveSetting("CheckingfileName", existing);
  fixture.settings.saveSetting("SavingsfileName", fixture.folder.file("gone.txt"));
  app::ExportWindow& window = fixture.start();
  QCOMPARE(window.fileDialogSettings().initialFileName, QString::fromStdString(existing));
  fixture.control<QComboBox>("myAccount")->setCurrentIndex(1);
  QCOMPARE(fixture.control<QLineEdit>("fileName")->text(),
           QString::fromStdString(fixture.folder.file("gone.txt")));
  QCOMPARE(window.fileDialogSettings().initialFileName, QString::fromStdString(existing));
}

void MainWindowTest::browseKeepsTextFilesAndAddsTheExtension() {
  WindowFixture fixture;
  fixture.start();
  auto* file = fixture.control<QLineEdit>("fileName");
  struct Case {
    const char* chosen;
    const char* shown;
  } cases[] = {
      {"/books/march.Txt", "/books/march.Txt"},
      {"/books/MARCH.TXT", "/books/MARCH.TXT"},
      {"/books/march.csv", "/books/march.csv.txt"},
      {" /books/march ", "/books/march.txt"},
  };
  for (const Case& c : cases) {
    fixture.files.setNextFileName(QString::fromLatin1(c.chosen));
    QTest::mouseClick(fixture.control<QPushButton>("Select"), Qt::LeftButton);
    QCOMPARE(file->text(), QString::fromLatin1(c.shown));
  }
  QVERIFY(fixture.messages.shown.empty());
  QCOMPARE(fixture.files.asked.back().title, QStringLiteral("Enter a file name"));
  // The first dialog opened in the folder of the default output file, which does not exist
  // here; a folder that exists is offered.
  QCOMPARE(fixture.files.asked.front().startFolder, QString());
  file->setText(QString::fromStdString(fixture.folder.file("bank.txt")));
  fixture.files.setNextCancel();
  fixture.control<QPushButton>("Select")->click();
  QCOMPARE(fixture.files.asked.back().startFolder,
           QString::fromStdString(fixture.folder.path().string()));
}

void MainWindowTest::browseCancelAndFailure() {
  WindowFixture fixture;
  fixture.start();
  auto* file = fixture.control<QLineEdit>("fileName");
  const QString before = file->text();
  fixture.files.setNextCancel();
  fixture.control<QPushButton>("Select")->click();
  QCOMPARE(file->text(), before);
  QVERIFY(fixture.messages.shown.empty());

  fixture.files.setNextFailure(32755, QStringLiteral("The dialog could not be shown"));
  fixture.control<QPushButton>("Select")->click();
  QCOMPARE(file->text(), before);
  QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
  QCOMPARE(fixture.messages.shown[0].text,
           QStringLiteral("Error 32755 choosing file.\nThe dialog could not be shown"));
  QCOMPARE(fixture.messages.shown[0].title, title);
}

void MainWindowTest::saveAndCloseSaveTheCloseBoxDoesNot() {
  WindowFixture fixture;
  fixture.start();
  auto* accounts = fixture.control<QComboBox>("myAccount");
  accounts->setCurrentIndex(0);
  auto* banks = fixture.control<QComboBox>("bankList");
  banks->setCurrentIndex(banks->findText(QStringLiteral("Bank of America")));
  fixture.control<QLineEdit>("remoteID")->setText(QStringLiteral("HDR"));
  fixture.control<QLineEdit>("accountID")->setText(QStringLiteral("4711"));

  fixture.window->close();  // the close box
  QCOMPARE(getSetting(fixture.settings, "CheckingbankList", "absent").text,
           std::string("absent"));

  fixture.control<QPushButton>("saveSettings")->click();
  QCOMPARE(getSetting(fixture.settings, "CheckingbankList", "").text,
           std::string("Bank of America"));
  QCOMPARE(getSetting(fixture.settings, "CheckingremoteID", "").text, std::string("HDR"));
  QCOMPARE(getSetting(fixture.settings, "CheckingautoDateRange", "").text, std::string("1"));
  QCOMPARE(getSetting(fixture.settings, "CheckingcreateReviewFile", "").text, std::string("0"));
  QCOMPARE(getSetting(fixture.settings, "CheckingbankCode", "").text,
           std::string("<pick a bank code>"));
  // Every account key is stored in the window's order, after the last account.
  const SettingsEntries entries = fixture.settings.enumerate();
  std::vector<std::string> keys;
  for (const auto& [key, value] : entries) keys.push_back(key);
  const std::vector<std::string> expected{
      "myAccount",         "CheckingbankList",       "CheckingfromDate",
      "CheckingtoDate",    "CheckingfileName",       "CheckingautoDateRangeDays",
      "CheckingautoDateRange", "CheckingremoteID",   "CheckingbatchID",
      "CheckingbankID",    "CheckingaccountID",      "CheckingbankCode",
      "CheckingcreateReviewFile"};
  QCOMPARE(keys, expected);

  fixture.window->show();
  fixture.control<QLineEdit>("accountID")->setText(QStringLiteral("4712"));
  fixture.control<QPushButton>("Command1")->click();
  QVERIFY(!fixture.window->isVisible());
  QCOMPARE(getSetting(fixture.settings, "CheckingaccountID", "").text, std::string("4712"));
}

void MainWindowTest::helpOpensTheInstructionsOrSaysWhy() {
  WindowFixture fixture;
  fixture.start();
  auto* help = fixture.control<QPushButton>("openDoc");
  bool enabledWhileOpening = true;
  bool busyWhileOpening = false;
  auto watch = [&] {
    enabledWhileOpening = help->isEnabled();
    busyWhileOpening = QApplication::overrideCursor() != nullptr &&
                       QApplication::overrideCursor()->shape() == Qt::WaitCursor;
  };
  fixture.messages.whileShown = [&](QWidget*) { watch(); };

  help->click();
  QVERIFY(fixture.documents.opened.empty());
  QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
  QCOMPARE(fixture.messages.shown[0].icon, QMessageBox::Critical);
  QCOMPARE(fixture.messages.shown[0].text,
           QStringLiteral("Did not find the documentation file.\n\n"
                          "Please open the document file ''Instructions.doc'' manually."));
  QVERIFY(!enabledWhileOpening);
  QVERIFY(busyWhileOpening);
  QVERIFY(help->isEnabled());
  QVERIFY(QApplication::overrideCursor() == nullptr);

  writeBytes(fixture.folder.file("Instructions.doc"), "{\\rtf1 }");
  fixture.documents.whileOpening = watch;
  help->click();
  QCOMPARE(fixture.documents.opened.size(), std::size_t{1});
  QCOMPARE(fixture.documents.opened[0],
           QString::fromStdString(fixture.folder.file("Instructions.doc")));
  QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
  QVERIFY(!enabledWhileOpening);

  fixture.documents.canOpen = false;
  help->click();
  QCOMPARE(fixture.messages.shown.size(), std::size_t{2});
  QCOMPARE(fixture.messages.shown[1].text,
           QStringLiteral("Unable to launch MS Word. Please open the documentation file manually "
                          "from ") +
               QString::fromStdString(fixture.folder.path().string()) + QStringLiteral("."));
  QVERIFY(help->isEnabled());
}

void MainWindowTest::editButtonOpensTheEditorWithTheFormatName() {
  WindowFixture fixture;
  fixture.settings.saveSetting("Custom Format: Payroll", "Payroll");
  fixture.settings.saveSetting("PayrollCustomField1", "Payee");
  app::ExportWindow& window = fixture.start();
  auto* banks = fixture.control<QComboBox>("bankList");
  auto* edit = fixture.control<QPushButton>("editFormat");
  QCOMPARE(edit->text(), QStringLiteral("Add"));
  edit->click();
  QVERIFY(window.customFormatEditor() != nullptr);
  auto* name = window.customFormatEditor()->findChild<QLineEdit*>(QStringLiteral("saveAsName"));
  QCOMPARE(name->text(), QStringLiteral("Default 2"));
  window.customFormatEditor()->close();
  QTRY_VERIFY(window.customFormatEditor() == nullptr);

  banks->setCurrentIndex(0);
  QCOMPARE(edit->text(), QStringLiteral("Edit"));
  edit->click();
  QVERIFY(window.customFormatEditor() != nullptr);
  name = window.customFormatEditor()->findChild<QLineEdit*>(QStringLiteral("saveAsName"));
  QCOMPARE(name->text(), QStringLiteral("Payroll"));
  QCOMPARE(window.customFormatEditor()
               ->findChild<QComboBox*>(QStringLiteral("CustomField1"))
               ->currentText(),
           QStringLiteral("Payee"));
  // The editor does not block the main window.
  QVERIFY(!window.customFormatEditor()->isModal());
  QVERIFY(window.isEnabled());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

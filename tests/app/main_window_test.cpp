// The main window: its controls as designed, start-up, the date range, Browse, Save and Close,
// Help and the edit button.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/custom_format_window.h"
#include "support/reports.h"
#include "window_fixture.h"

using namespace ppexport;
using namespace ppexport::testing;
using namespace Qt::StringLiterals;

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void controlsStandWhereTheyAreDesignedWithTheirCaptions();
  void captionCarriesTheVersion();
  void startUpFillsTheAccountListWithActiveBankAccounts();
  void anAccountListErrorIsShownAndAddsNothing();
  void switchingAccountsLoadsThatAccountsValues();
  void typingAnAccountStoresEachPrefix();
  void aLastAccountNoLongerListedIsRestoredAsText();
  void checkBoxRefusesAStoredTrue();
  void automaticDateRangeFollowsTheDaysBox();
  void fileDialogStartsOnTheSavedFileOnlyWhileItExists();
  void browseKeepsTextFilesAndAddsTheExtensionOrSaysWhyNot();
  void saveAndCloseSaveTheCloseBoxDoesNot();
  void helpOpensTheInstructionsOrSaysWhy();
  void editButtonOpensTheEditorWithTheFormatName();
};

void MainWindowTest::controlsStandWhereTheyAreDesignedWithTheirCaptions() {
  WindowFixture fixture;
  fixture.window = std::make_unique<app::ExportWindow>(fixture.services());
  QCOMPARE(fixture.window->objectName(), QStringLiteral("export"));
  QCOMPARE(fixture.window->size(), QSize(495, 493));
  // Each control's caption and its place in twips.
  auto row = [&](const char* name, const char* text, QRect twips) {
    QWidget* control = fixture.control(name);
    QVERIFY2(control != nullptr, name);
    expectDesigned(control, QLatin1String(name), QLatin1String(text), twips);
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

  // The identifier inputs stay hidden until a format asks for them.
  for (const char* name :
       {"remoteIDLabel", "remoteID", "remoteIDLabel2", "bankIDLabel", "bankID", "bankIDLabel2",
        "batchIDLabel", "batchID", "batchIDLabel2", "accountIDLabel", "accountID",
        "accountIDLabel2", "providedByLabel", "bankCodeLabel", "bankCode"}) {
    QVERIFY2(fixture.hidden(name), name);
  }
  expectTexts(fixture, {{"bankIDLabel", u"BankID"_s}, {"remoteIDLabel2", u"*"_s}});
}

void MainWindowTest::captionCarriesTheVersion() {
  const std::pair<const char*, QString> cases[] = {
      {"1.0.0", u"Reruzur UderuridEve rozi Dozedud - 1.00"_s},
      {"1.4.35", u"Reruzur UderuridEve rozi Dozedud - 1.35"_s},
      {"2.1.7", u"Reruzur UderuridEve rozi Dozedud - 2.07"_s}};
  for (const auto& [version, caption] : cases) QCOMPARE(app::windowCaption(version), caption);
}

// The first start: the active bank accounts listed, the design's and the default values shown,
// nothing stored by looking.
void MainWindowTest::startUpFillsTheAccountListWithActiveBankAccounts() {
  WindowFixture fixture;
  app::ExportWindow& window = fixture.start();
  QCOMPARE(window.windowTitle(), u"Reruzur UderuridEve rozi Dozedud - 1.00"_s);
  auto* accounts = fixture.control<QComboBox>("myAccount");
  QCOMPARE(accounts->count(), 2);
  QCOMPARE(accounts->itemText(0), u"Checking"_s);
  QCOMPARE(accounts->itemText(1), u"Savings"_s);
  QCOMPARE(fixture.text("Label5"), u"Fill out the fields below to create a ZurududoZer file."_s);
  QVERIFY(fixture.messages.shown.empty());
  QCOMPARE(fixture.quickBooks.requests.front().reportName, std::string("qbCOA"));
  QCOMPARE(window.fileDialogSettings().title, u"Enter a file name"_s);
  QCOMPARE(window.fileDialogSettings().filter, u"TXT Files (*.txt)"_s);
  expectTexts(fixture, {{"myAccount", u"<choose an account>"_s},
                        {"bankList", u"<choose an bank>"_s},
                        {"autoDateRangeDays", u"90"_s},
                        {"fileName", fixture.defaultOutputFile()},
                        {"fromDate", u"12/15/2025"_s},
                        {"toDate", u"3/15/2026"_s},
                        {"bankCode", u"<pick a bank code>"_s},
                        {"editFormat", u"Add"_s}});
  QCOMPARE(fixture.control<QCheckBox>("autoDateRange")->checkState(), Qt::Checked);
  QCOMPARE(fixture.control<QCheckBox>("createReviewFile")->checkState(), Qt::Unchecked);
  // The output file waits for editing, the caret after its last character.
  auto* file = fixture.control<QLineEdit>("fileName");
  QCOMPARE(file->cursorPosition(), file->text().size());
  QVERIFY(fixture.settings.enumerate().empty());
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
  QCOMPARE(shown.title, messageTitle);
  QCOMPARE(shown.text,
           QStringLiteral("An error occoured when trying to get the account list from QuickBooks:"
                          "\n\nAn error occurred while attempting to find a running copy of "
                          "QuickBooks.\nIf Quickbooks is not running, please start QuickBooks."
                          "\n\nError: 429 : gone\n"));
  // The rest of the start-up still runs.
  QCOMPARE(fixture.control<QComboBox>("bankList")->count(), 35);
}

void MainWindowTest::switchingAccountsLoadsThatAccountsValues() {
  WindowFixture fixture;
  for (const auto& [key, value] :
       {std::pair{"bankList", "Wells Fargo ARP - Standard"}, {"remoteID", "R1"}, {"bankID", "B2"},
        {"batchID", "77"}, {"accountID", "123456"}, {"fileName", "/books/savings.txt"},
        {"autoDateRangeDays", "30"}, {"autoDateRange", "1"}, {"createReviewFile", "1"}}) {
    fixture.settings.saveSetting(std::string("Savings") + key, value);
  }
  fixture.start();
  auto* accounts = fixture.control<QComboBox>("myAccount");
  accounts->setCurrentIndex(1);
  emit accounts->activated(1);

  QCOMPARE(fixture.stored("myAccount"), std::string("Savings"));
  expectTexts(fixture, {{"bankList", u"Wells Fargo ARP - Standard"_s},
                        {"remoteID", u"R1"_s},
                        {"bankID", u"B2"_s},
                        {"batchID", u"77"_s},
                        {"accountID", u"123456"_s},
                        {"fileName", u"/books/savings.txt"_s},
                        {"fromDate", u"2/13/2026"_s}});
  QCOMPARE(fixture.control<QCheckBox>("createReviewFile")->checkState(), Qt::Checked);
  QVERIFY(!fixture.hidden("batchID"));

  // Back to Checking: its own (default) values, and the Savings edits are not saved.
  fixture.control<QLineEdit>("remoteID")->setText(u"edited"_s);
  accounts->setCurrentIndex(0);
  expectTexts(fixture, {{"bankList", u"<choose an bank>"_s},
                        {"remoteID", QString()},
                        {"fileName", fixture.defaultOutputFile()}});
  QCOMPARE(fixture.stored("SavingsremoteID"), std::string("R1"));
  QCOMPARE(fixture.stored("myAccount"), std::string("Checking"));
}

void MainWindowTest::typingAnAccountStoresEachPrefix() {
  WindowFixture fixture;
  fixture.settings.saveSetting("SavbankList", "HSBC");
  fixture.start();
  auto* accounts = fixture.control<QComboBox>("myAccount");
  accounts->setFocus();
  accounts->lineEdit()->selectAll();
  QTest::keyClicks(accounts->lineEdit(), u"Sav"_s);
  QCOMPARE(accounts->currentText(), u"Sav"_s);
  QCOMPARE(fixture.stored("myAccount"), std::string("Sav"));
  QCOMPARE(fixture.text("bankList"), u"HSBC"_s);
  QTest::keyClicks(accounts->lineEdit(), u"ings"_s);
  QCOMPARE(fixture.stored("myAccount"), std::string("Savings"));
  QCOMPARE(fixture.text("bankList"), u"<choose an bank>"_s);
}

void MainWindowTest::aLastAccountNoLongerListedIsRestoredAsText() {
  WindowFixture fixture;
  fixture.settings.saveSetting("myAccount", "Closed Account");
  fixture.settings.saveSetting("Closed AccountbankList", "Regions Bank");
  fixture.start();
  auto* accounts = fixture.control<QComboBox>("myAccount");
  QCOMPARE(accounts->currentText(), u"Closed Account"_s);
  QCOMPARE(accounts->findText(accounts->currentText()), -1);
  QCOMPARE(fixture.text("bankList"), u"Regions Bank"_s);
}

void MainWindowTest::checkBoxRefusesAStoredTrue() {
  WindowFixture fixture;
  fixture.settings.saveSetting("myAccount", "Checking");
  fixture.settings.saveSetting("CheckingautoDateRange", "True");
  fixture.settings.saveSetting("CheckingcreateReviewFile", "True");
  fixture.settings.saveSetting("SavingscreateReviewFile", "1");
  fixture.settings.saveSetting("SavingsautoDateRange", "0");
  fixture.settings.saveSetting("SavingsfromDate", "1/1/2026");
  fixture.start();
  // The boxes keep the states they had before: the design's.
  QCOMPARE(fixture.control<QCheckBox>("autoDateRange")->checkState(), Qt::Unchecked);
  QCOMPARE(fixture.control<QCheckBox>("createReviewFile")->checkState(), Qt::Unchecked);
  auto* accounts = fixture.control<QComboBox>("myAccount");
  accounts->setCurrentIndex(1);
  QCOMPARE(fixture.control<QCheckBox>("createReviewFile")->checkState(), Qt::Checked);
  // With the automatic range off, the saved dates come back.
  QCOMPARE(fixture.control<QCheckBox>("autoDateRange")->checkState(), Qt::Unchecked);
  expectTexts(fixture, {{"fromDate", u"1/1/2026"_s}, {"toDate", u"3/15/2026"_s}});
  accounts->setCurrentIndex(0);
  QCOMPARE(fixture.control<QCheckBox>("createReviewFile")->checkState(), Qt::Checked);
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
  QCOMPARE(fixture.text("fileName"), QString::fromStdString(fixture.folder.file("gone.txt")));
  QCOMPARE(window.fileDialogSettings().initialFileName, QString::fromStdString(existing));
}

void MainWindowTest::browseKeepsTextFilesAndAddsTheExtensionOrSaysWhyNot() {
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
  QCOMPARE(fixture.files.asked.back().title, u"Enter a file name"_s);
  // The first dialog opened in the folder of the default output file, the home folder here, as
  // there is no Documents folder.
  QCOMPARE(fixture.files.asked.front().startFolder,
           QString::fromStdString(fixture.folder.path().string()));
  file->setText(QString::fromStdString(fixture.folder.file("bank.txt")));
  fixture.files.setNextCancel();
  fixture.click("Select");
  QCOMPARE(fixture.files.asked.back().startFolder,
           QString::fromStdString(fixture.folder.path().string()));
  // Cancelled, the file stays; a dialog that fails says why.
  QCOMPARE(file->text(), QString::fromStdString(fixture.folder.file("bank.txt")));
  QVERIFY(fixture.messages.shown.empty());
  fixture.files.setNextFailure(32755, u"The dialog could not be shown"_s);
  fixture.click("Select");
  QCOMPARE(file->text(), QString::fromStdString(fixture.folder.file("bank.txt")));
  QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
  QCOMPARE(fixture.messages.shown[0].text,
           u"Error 32755 choosing file.\nThe dialog could not be shown"_s);
  QCOMPARE(fixture.messages.shown[0].title, messageTitle);
}

void MainWindowTest::saveAndCloseSaveTheCloseBoxDoesNot() {
  WindowFixture fixture;
  fixture.start();
  auto* accounts = fixture.control<QComboBox>("myAccount");
  accounts->setCurrentIndex(0);
  auto* banks = fixture.control<QComboBox>("bankList");
  banks->setCurrentIndex(banks->findText(u"Bank of America"_s));
  fixture.control<QLineEdit>("remoteID")->setText(u"HDR"_s);
  fixture.control<QLineEdit>("accountID")->setText(u"4711"_s);

  fixture.window->close();  // the close box
  QCOMPARE(fixture.stored("CheckingbankList"), std::string("<absent>"));

  // Every account key is stored in the window's order, after the last account.
  fixture.click("saveSettings");
  const SettingsEntries entries = fixture.settings.enumerate();
  const SettingsEntries expected{{"myAccount", "Checking"},
                                 {"CheckingbankList", "Bank of America"},
                                 {"CheckingfromDate", "12/15/2025"},
                                 {"CheckingtoDate", "3/15/2026"},
                                 {"CheckingfileName", fixture.defaultOutputFile().toStdString()},
                                 {"CheckingautoDateRangeDays", "90"},
                                 {"CheckingautoDateRange", "1"},
                                 {"CheckingremoteID", "HDR"},
                                 {"CheckingbatchID", ""},
                                 {"CheckingbankID", ""},
                                 {"CheckingaccountID", "4711"},
                                 {"CheckingbankCode", "<pick a bank code>"},
                                 {"CheckingcreateReviewFile", "0"}};
  QCOMPARE(entries, expected);

  fixture.window->show();
  fixture.control<QLineEdit>("accountID")->setText(u"4712"_s);
  fixture.click("Command1");
  QVERIFY(!fixture.window->isVisible());
  QCOMPARE(fixture.stored("CheckingaccountID"), std::string("4712"));
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
           u"Did not find the documentation file.\n\n"
           u"Please open the document file ''Instructions.doc'' manually."_s);
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
           u"Unable to launch MS Word. Please open the documentation file manually from "_s +
               QString::fromStdString(fixture.folder.path().string()) + u"."_s);
  QVERIFY(help->isEnabled());
}

// What the editor loads is the editor's own test; here, the name the edit button hands it.
void MainWindowTest::editButtonOpensTheEditorWithTheFormatName() {
  WindowFixture fixture;
  fixture.settings.saveSetting("Custom Format: Payroll", "Payroll");
  app::ExportWindow& window = fixture.start();
  fixture.click("editFormat");
  QVERIFY(window.customFormatEditor() != nullptr);
  QCOMPARE(window.customFormatEditor()->findChild<QLineEdit*>(u"saveAsName"_s)->text(),
           u"Default 2"_s);
  // The editor does not block the main window.
  QVERIFY(!window.customFormatEditor()->isModal());
  QVERIFY(window.isEnabled());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

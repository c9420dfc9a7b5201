// The Create button: the window's choices go to the Create operation, the button is disabled and
// the pointer busy while it runs, and its message is shown with its icon.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <tuple>

#include "support/reports.h"
#include "window_fixture.h"

using namespace ppexport;
using namespace ppexport::testing;
using namespace Qt::StringLiterals;

namespace {

// Plays QuickBooks through the fake and notes how the window looks while it is asked.
class WatchedQuickBooks final : public QuickBooksConnection {
 public:
  explicit WatchedQuickBooks(FakeQuickBooks& fake) : fake_(fake) {}
  std::string exportReport(const ExportRequest& request) override {
    if (watch) watch();
    return fake_.exportReport(request);
  }
  std::function<void()> watch;

 private:
  FakeQuickBooks& fake_;
};

struct CreateFixture : WindowFixture {
  QString outputFile = QString::fromStdString(folder.file("march.txt"));

  CreateFixture() {
    quickBooks.reports["qbTransactionListGeneral"] = reportText(
        {{"Trans ID", "Document Number", "Cleared", "Date", "Name", "Name Type", "Bill 1",
          "Description", "is Source", "Amount"},
         {"1", "1001", "Uncleared", "03/01/2026", "Acme", "Vendor", "", "", "True", "-10.00"},
         {"2", "1002", "Uncleared", "03/02/2026", "Bolt", "Vendor", "", "", "True", "-20.00"}});
    quickBooks.reports["qbVendorNames"] =
        reportText({{"Full Name", "Print on Checks"}, {"Acme", "Acme Supply Co."}});
    settings.saveSetting("myAccount", "Checking");
    settings.saveSetting("CheckingbankList", "Regions Bank");
    settings.saveSetting("CheckingaccountID", "987654");
    settings.saveSetting("CheckingfileName", outputFile.toStdString());
  }

  void create() { control<QPushButton>("myCreate")->click(); }
  const ShownMessage& lastMessage() const { return messages.shown.back(); }
};
}  // namespace

class CreateButtonTest : public QObject {
  Q_OBJECT

 private slots:
  void writesTheFileWithTheButtonDisabledAndThePointerBusy();
  void refusedChoicesShowTheirMessage();
  void anExportErrorIsShown();
  void eachOutcomeShowsItsMessageAndIcon();
};

void CreateButtonTest::writesTheFileWithTheButtonDisabledAndThePointerBusy() {
  CreateFixture fixture;
  WatchedQuickBooks quickBooks(fixture.quickBooks);
  app::WindowServices services = fixture.services();
  services.quickBooks = &quickBooks;
  fixture.window = std::make_unique<app::ExportWindow>(services);
  fixture.window->startUp();
  auto* button = fixture.control<QPushButton>("myCreate");
  int watched = 0;
  quickBooks.watch = [&] {
    ++watched;
    QVERIFY(!button->isEnabled());
    QVERIFY(QApplication::overrideCursor() != nullptr);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    // The account's settings were saved before QuickBooks was asked.
    QCOMPARE(fixture.stored("CheckingfromDate"), std::string("12/15/2025"));
  };
  bool enabledWhileShown = true;
  fixture.messages.whileShown = [&](QWidget*) { enabledWhileShown = button->isEnabled(); };
  button->click();
  QCOMPARE(watched, 2);  // the checks and the vendor list
  QVERIFY(!enabledWhileShown);
  QVERIFY(button->isEnabled());
  QVERIFY(QApplication::overrideCursor() == nullptr);

  QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
  QCOMPARE(fixture.lastMessage().icon, QMessageBox::Information);
  QCOMPARE(fixture.lastMessage().title, messageTitle);
  QCOMPARE(fixture.lastMessage().text,
           u"Created "_s + fixture.outputFile +
               u" with 2 check records.\n\nIssued checks: 2, total 30.00\n"
               u"Voided checks: 0, total 0.00"_s);
  const std::string written = readBytes(fixture.outputFile.toStdString());
  QCOMPARE(fileLines(written).size(), std::size_t{2});
  QVERIFY(written.find("987654") != std::string::npos);
  const ExportRequest& checks = fixture.quickBooks.requests.at(1);
  QCOMPARE(checks.reportName, std::string("qbTransactionListGeneral"));
  QCOMPARE(checks.from, (Date{2025, 12, 15}));
  QCOMPARE(checks.to, (Date{2026, 3, 15}));
  QCOMPARE(checks.options[12], std::string("Checking"));
}

// Each refused choice is entered in turn and put back after; the account comes last, as typing
// one loads that account's settings.
void CreateButtonTest::refusedChoicesShowTheirMessage() {
  const QString pickBank = u"Please pick a valid bank from the list of banks. Then try again."_s;
  const QString validDates = QStringLiteral(
      "Please pick a valid bank account, enter valid from/to dates, anmd enter a valid export "
      "filename. Then try again.");
  const std::tuple<const char*, QString, QString> cases[] = {
      {"bankList", u"<choose an bank>"_s, pickBank},  // M1
      {"bankList", u"Regions"_s, pickBank},
      {"bankList", QString(), pickBank},
      {"fileName", QString(), u"Please enter a valid output file name. Then try again."_s},  // M3
      {"fromDate", u"13/45/2026"_s, validDates},  // M4
      {"toDate", u"soon"_s, validDates},
      {"myAccount", u"Check"_s,  // M2: this account has a bank and a file too
       u"Please pick a valid account from the list of bank accounts. Then try again."_s},
  };
  CreateFixture fixture;
  fixture.settings.saveSetting("CheckbankList", "Regions Bank");
  fixture.start();
  fixture.control<QCheckBox>("autoDateRange")->setChecked(false);
  std::size_t shown = 0;
  for (const auto& [control, text, message] : cases) {
    QWidget* widget = fixture.control(control);
    auto* list = qobject_cast<QComboBox*>(widget);
    auto enter = [&](const QString& text) {
      list ? list->setEditText(text) : static_cast<QLineEdit*>(widget)->setText(text);
    };
    const QString before = fixture.text(control);
    enter(text);
    fixture.create();
    QCOMPARE(fixture.messages.shown.size(), ++shown);
    QCOMPARE(fixture.lastMessage().icon, QMessageBox::Critical);
    QCOMPARE(fixture.lastMessage().title, messageTitle);
    QCOMPARE(fixture.lastMessage().text, message);
    QCOMPARE(fixture.quickBooks.requests.size(), std::size_t{1});  // only the chart of accounts
    QVERIFY(!std::filesystem::exists(fixture.outputFile.toStdString()));
    QVERIFY(fixture.control<QPushButton>("myCreate")->isEnabled());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    enter(before);
  }
}

void CreateButtonTest::anExportErrorIsShown() {
  CreateFixture fixture;
  fixture.start();
  fixture.quickBooks.failure =
      "An error occurred while attempting to find a running copy of QuickBooks.\r\n"
      "If Quickbooks is not running, please start QuickBooks.\r\n\r\nError: 429 : gone\r\n";
  fixture.create();
  QCOMPARE(fixture.lastMessage().icon, QMessageBox::Critical);
  QCOMPARE(fixture.lastMessage().text,
           QStringLiteral("An error occoured when creating the export file:\nAn error occurred "
                          "while attempting to find a running copy of QuickBooks.\nIf Quickbooks "
                          "is not running, please start QuickBooks.\n\nError: 429 : gone\n"));
  QVERIFY(!std::filesystem::exists(fixture.outputFile.toStdString()));
  QVERIFY(fixture.control<QPushButton>("myCreate")->isEnabled());
}

// One account, created three times: with the review file (the hidden header stays out of it),
// then under a name beyond ASCII with an account number the bank cannot read as one, then from a
// report with an unreadable date.
void CreateButtonTest::eachOutcomeShowsItsMessageAndIcon() {
  CreateFixture fixture;
  fixture.settings.saveSetting("CheckingremoteID", "hidden header");
  fixture.settings.saveSetting("CheckingcreateReviewFile", "1");
  fixture.start();
  const QString accented =
      QString::fromStdString(fixture.folder.path().string()) + u"/Zahlungen März.txt"_s;
  const QString totals = u"\n\nIssued checks: 2, total 30.00\nVoided checks: 0, total 0.00"_s;
  const std::tuple<std::function<void()>, QMessageBox::Icon, QString> cases[] = {
      {[] {}, QMessageBox::Information,
       u"Created "_s + fixture.outputFile + u" with 2 check records."_s + totals +
           u"\n\nAlso created the file 'Positive Pay Review.csv' for your review."_s},
      {[&] {
         fixture.click("createReviewFile");
         fixture.control<QLineEdit>("fileName")->setText(accented);
         fixture.control<QLineEdit>("accountID")->setText(u"Kontö 1"_s);
       },
       QMessageBox::Warning,
       u"Created "_s + accented + u" with 2 check records."_s + totals +
           u"\n\nWarning: Account Number 'Kontö 1' is not a number."_s},
      {[&] {
         fixture.quickBooks.reports["qbTransactionListGeneral"] = reportText(
             {{"Trans ID", "Document Number", "Cleared", "Date", "Name", "Name Type", "Bill 1",
               "Description", "is Source", "Amount"},
              {"1", "1001", "Uncleared", "someday", "Acme", "Vendor", "", "", "True", "-10.00"}});
       },
       QMessageBox::Warning,
       u"Created "_s + accented +
           u" with 1 check record.\n\nIssued checks: 1, total 10.00\n"
           u"Voided checks: 0, total 0.00\n\n"
           u"Warning: Account Number 'Kontö 1' is not a number.\n"
           u"Warning: check 1001: unreadable date, written blank"_s},
  };
  for (const auto& [change, icon, text] : cases) {
    change();
    fixture.create();
    QCOMPARE(fixture.lastMessage().icon, icon);
    QCOMPARE(fixture.lastMessage().text, text);
  }
  const std::string review = readBytes(fixture.folder.file("Positive Pay Review.csv"));
  QVERIFY(review.find("987654") != std::string::npos);
  QVERIFY(review.find("hidden header") == std::string::npos);
  QVERIFY(std::filesystem::exists(std::filesystem::path(accented.toStdU16String())));
  // The file name is kept as the computer's own path text, the identifier in Windows-1252.
  QCOMPARE(fixture.stored("CheckingfileName"), accented.toStdString());
  QCOMPARE(fixture.stored("CheckingaccountID"), std::string("Kont\xF6 1"));
}

QTEST_MAIN(CreateButtonTest)
#include "create_button_test.moc"

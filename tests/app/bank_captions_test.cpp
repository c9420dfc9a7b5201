// The inputs each bank format asks for: which boxes show, under which captions, with which stars
// and note, where a few of them move, the bank-code lists, and the custom formats' extension.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <tuple>

#include "app/design_measures.h"
#include "window_fixture.h"

using namespace ppexport;
using namespace ppexport::testing;
using namespace Qt::StringLiterals;
using app::pixels;

namespace {
// An input as the window shows it: "" when hidden, else its caption ("<box>Label") with " *"
// when its star ("<box>Label2", where there is one) shows.
QString shown(const WindowFixture& fixture, const char* box) {
  const QByteArray caption = QByteArray(box) + "Label";
  const QWidget* star = fixture.control((caption + "2").constData());
  if (fixture.hidden(box)) return {};
  if (fixture.hidden(caption.constData())) return u"<no caption>"_s;
  const bool starred = star != nullptr && !star->isHidden();
  return fixture.text(caption.constData()) + (starred ? u" *"_s : QString());
}

void chooseBank(WindowFixture& fixture, const QString& name) {
  auto* banks = fixture.control<QComboBox>("bankList");
  const int index = banks->findText(name);
  QVERIFY2(index >= 0, qPrintable(name));
  banks->setCurrentIndex(index);
  emit banks->activated(index);
}

void typeBank(WindowFixture& fixture, const QString& text) {
  auto* banks = fixture.control<QComboBox>("bankList");
  banks->lineEdit()->selectAll();
  QTest::keyClicks(banks->lineEdit(), text);
}
}  // namespace

class BankCaptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyBuiltInFormatShowsItsInputs();
  void layoutFollowsTheFormatAlone();
  void bankCodeListsAreFilledAndReset();
  void aTextThatMatchesNothingHidesTheIdentifiers();
  void customFormatsShowTheAccountNumberAndSwitchTheExtension();
};

// Each row: the captions of remote, bank, batch and account ID and of the bank code, "" where the
// input is hidden, " *" where starred; then the note.
void BankCaptionsTest::everyBuiltInFormatShowsItsInputs() {
  WindowFixture fixture;
  fixture.start();
  QCOMPARE(fixture.control<QComboBox>("bankList")->count(), 35);
  auto row = [&](const char* name, const char* remote, const char* bank, const char* batch,
                 const char* account, const char* bankCode, const char* note) {
    // From a format that shows everything, so that every input has to be set.
    chooseBank(fixture, u"TD Bank Canada CFP - 80 Byte"_s);
    chooseBank(fixture, QString::fromLatin1(name));
    auto* noteLabel = fixture.control<QLabel>("providedByLabel");
    const QStringList actual{shown(fixture, "remoteID"), shown(fixture, "bankID"),
                             shown(fixture, "batchID"), shown(fixture, "accountID"),
                             shown(fixture, "bankCode"),
                             noteLabel->isHidden() ? QString() : noteLabel->text(),
                             fixture.text("editFormat")};
    const QStringList expected{QLatin1String(remote), QLatin1String(bank), QLatin1String(batch),
                               QLatin1String(account), QLatin1String(bankCode), QLatin1String(note),
                               u"Add"_s};
    const QString tag = QLatin1String(name) + u": "_s;
    QCOMPARE(tag + actual.join(u'|'), tag + expected.join(u'|'));
  };
  for (const char* name :
       {"Capital One Bank", "Branch Banking & Trust Company", "Founders Bank & Trust - MI",
        "Comerica Bank", "Citizens Bank - MI/OH/WI", "Chase - CSV Format",
        "Bank of America - SMS Platform", "American Bank - MD", "Webster Bank - NY",
        "Eastern Bank", "HSBC", "Colorado Business Bank", "SunTrust",
        "SunTrust - with Payee Name Verification", "Regions Bank",
        "First Midwest Bank - with Payee", "First Midwest Bank - Traditional",
        "JP Morgan - PWS Delimited/CSV", "PNC Bank of Illinois"}) {
    row(name, "", "", "", "Account Number", "", "");
  }
  row("Union Bank of California", "", "Branch Number *", "", "Account Number", "",
      "* 4-digit value provided to you by Union Bank");
  row("TD Bank ARP - Standard", "", "Bank ID (4-digits) *", "", "Account Number", "",
      "* Value provided to you by TD Bank");
  row("TD Bank Canada CFP - 80 Byte", "CFP Acct Name *", "CDA Acct #[7] *", "Branch Tansit #[5] *",
      "CFP Acct #[5] *", "",
      "* Values provided to you by TD Bank Canada. Number lengths are shown in [brackets].");
  row("Wells Fargo ARP - Inbound Enhanced Standard", "", "Bank ID *", "", "Account Number", "",
      "* Up to 5 digit value provided to you by Wells Fargo Bank");
  row("Wells Fargo ARP - Standard", "Remote ID *", "Bank ID *", "Batch ID *", "Account Number", "",
      "* Values provided to you by Wells Fargo Bank");
  row("Wells Fargo ARP - CSV", "", "Routing Number", "", "Account Number", "", "");
  row("Wells Fargo ASCII", "", "", "", "Acct. Num", "Bank Num", "");
  row("Generic Bank Format", "Header Line *", "", "", "Account Number", "",
      "* Value provided to you by your bank");
  row("Bank of America", "Header Line *", "", "", "Account Number", "",
      "* Value provided to you by Bank of America");
  row("Bank of America - DRS Platform", "", "", "Bank Num *", "Account Number", "",
      "* 3-digit value provided by Bank of America");
  row("Jonah Bank of Wyoming", "", "", "", "", "", "");
  row("Wachovia", "", "", "", "Acct. Num", "Bank Num", "");
  row("Citibank - Standard Positive Pay", "Co. Name *", "", "", "Acct. Num", "Bank Code",
      "* Your Company/Account name as known to Citibank");
  row("Citibank - CitiDirect SDR", "", "", "Plan Number *", "Account Number", "",
      "* Value provided to you by CitiBank");
  row("Citibank - CitiDirect NA", "", "", "Plan Number *", "Account Number", "",
      "* Value provided to you by CitiBank");
  row("Royal Bank of Canada", "", "Transit Number *", "", "Account Number *", "",
      "* Value provided to you by Royal Bank of Canada");
}

// Some formats move or widen inputs; each format's layout stands whatever format came before.
void BankCaptionsTest::layoutFollowsTheFormatAlone() {
  WindowFixture fixture;
  fixture.start();
  chooseBank(fixture, u"Bank of America - DRS Platform"_s);
  chooseBank(fixture, u"Wells Fargo ARP - Standard"_s);
  QCOMPARE(fixture.text("batchIDLabel"), u"Batch ID"_s);
  const QRect wideRemote(pixels(1185), pixels(3900), pixels(5365), pixels(320));

  chooseBank(fixture, u"TD Bank Canada CFP - 80 Byte"_s);
  QCOMPARE(fixture.control("remoteID")->x(), pixels(1685));
  QCOMPARE(fixture.control("batchID")->x(), pixels(1685));
  QCOMPARE(fixture.control("remoteIDLabel2")->x(), pixels(3440));
  QCOMPARE(fixture.control("batchIDLabel2")->x(), pixels(3440));
  QCOMPARE(fixture.control("remoteIDLabel")->width(), pixels(1500));
  QCOMPARE(fixture.control("batchIDLabel")->width(), pixels(1565));

  chooseBank(fixture, u"Generic Bank Format"_s);
  QCOMPARE(fixture.control("remoteID")->geometry(), wideRemote);
  QCOMPARE(fixture.control("remoteIDLabel2")->x(), pixels(6600));
  chooseBank(fixture, u"Wells Fargo ARP - Standard"_s);
  QCOMPARE(fixture.control("remoteID")->geometry(),
           QRect(pixels(1185), pixels(3900), pixels(1700), pixels(320)));

  chooseBank(fixture, u"Citibank - Standard Positive Pay"_s);
  QCOMPARE(fixture.control("remoteID")->geometry(), wideRemote);
  QCOMPARE(fixture.control("bankCode")->y(), pixels(4320));
  QCOMPARE(fixture.control("bankCodeLabel")->y(), pixels(4365));

  chooseBank(fixture, u"Citibank - CitiDirect NA"_s);
  QCOMPARE(fixture.control("bankCode")->y(), pixels(5040));
  QCOMPARE(fixture.control("batchIDLabel")->geometry().left(), pixels(160));
  QCOMPARE(fixture.control("batchIDLabel")->width(), pixels(965));
  QCOMPARE(fixture.control("batchID")->x(), pixels(1185));
}

void BankCaptionsTest::bankCodeListsAreFilledAndReset() {
  WindowFixture fixture;
  fixture.start();
  auto* codes = fixture.control<QComboBox>("bankCode");
  chooseBank(fixture, u"Wachovia"_s);
  QCOMPARE(codes->count(), 12);
  QCOMPARE(codes->currentText(), u"<pick a bank code>"_s);
  QCOMPARE(codes->currentIndex(), 0);
  QCOMPARE(codes->itemText(5), u"0006 - TN"_s);
  codes->setCurrentIndex(3);

  chooseBank(fixture, u"Wells Fargo ASCII"_s);
  QCOMPARE(codes->count(), 14);
  chooseBank(fixture, u"Regions Bank"_s);
  QVERIFY(codes->isHidden());
  QCOMPARE(codes->count(), 14);  // kept, hidden
  chooseBank(fixture, u"Wachovia"_s);
  QCOMPARE(codes->count(), 12);
  QCOMPARE(codes->currentText(), u"<pick a bank code>"_s);

  chooseBank(fixture, u"Citibank - Standard Positive Pay"_s);
  QCOMPARE(codes->count(), 12);
  QCOMPARE(codes->itemText(11), u"030 - CNJ - New Jersey"_s);

  // The account's saved code is selected after its format's list is filled.
  fixture.settings.saveSetting("SavingsbankList", "Wachovia");
  fixture.settings.saveSetting("SavingsbankCode", "0020 - CT");
  fixture.control<QComboBox>("myAccount")->setCurrentIndex(1);
  QCOMPARE(codes->currentText(), u"0020 - CT"_s);
  QCOMPARE(codes->currentIndex(), 8);
}

void BankCaptionsTest::aTextThatMatchesNothingHidesTheIdentifiers() {
  WindowFixture fixture;
  fixture.start();
  chooseBank(fixture, u"Wells Fargo ARP - Standard"_s);
  typeBank(fixture, u"Wells"_s);
  QCOMPARE(fixture.text("editFormat"), u"Add"_s);
  for (const char* hidden : {"remoteID", "remoteIDLabel", "remoteIDLabel2", "bankID", "batchID",
                             "batchIDLabel2", "providedByLabel"}) {
    QVERIFY2(fixture.hidden(hidden), hidden);
  }
  QCOMPARE(fixture.text("bankIDLabel"), u"Bank ID"_s);
  // The account number stays while the bank-code list is empty...
  QVERIFY(!fixture.hidden("accountID"));

  // ...and goes when the list holds the codes a format left there; the list itself stays.
  chooseBank(fixture, u"Wachovia"_s);
  typeBank(fixture, u"Wach"_s);
  QVERIFY(fixture.hidden("accountID"));
  QVERIFY(fixture.hidden("accountIDLabel"));
  QVERIFY(!fixture.hidden("bankCode"));

  // A built-in name typed in full applies its inputs.
  typeBank(fixture, u"Royal Bank of Canada"_s);
  QCOMPARE(shown(fixture, "bankID"), u"Transit Number *"_s);
  QVERIFY(fixture.hidden("bankCode"));

  typeBank(fixture, u"<pick a bank for this account>"_s);
  QVERIFY(fixture.hidden("bankID"));
}

// Choosing a custom format gives the output file the extension of its layout: comma-separated
// (also when the option was never stored) turns .txt into .csv, fixed-length turns .csv into .txt.
void BankCaptionsTest::customFormatsShowTheAccountNumberAndSwitchTheExtension() {
  const std::tuple<const char*, QString, QString> cases[] = {
      {nullptr, u"/books/pay.txt"_s, u"/books/pay.csv"_s},
      {"True", u"/books/pay.txt"_s, u"/books/pay.csv"_s},
      {"True", u"/books/PAY.TXT"_s, u"/books/PAY.csv"_s},
      {"False", u"/books/pay.CSV"_s, u"/books/pay.txt"_s},
      {"False", u"/books/pay.txt"_s, u"/books/pay.txt"_s},
      {"True", u"/books/pay.dat"_s, u"/books/pay.dat"_s},
  };
  WindowFixture fixture;
  fixture.settings.saveSetting("Custom Format: Payroll", "Payroll");
  fixture.start();
  for (const auto& [optionCSV, before, after] : cases) {
    if (optionCSV != nullptr) fixture.settings.saveSetting("PayrollOptionCSV", optionCSV);
    chooseBank(fixture, u"TD Bank Canada CFP - 80 Byte"_s);
    fixture.control<QLineEdit>("fileName")->setText(before);
    chooseBank(fixture, u"Custom Format: Payroll"_s);
    QCOMPARE(fixture.text("fileName"), after);
    QCOMPARE(fixture.text("editFormat"), u"Edit"_s);
    QCOMPARE(shown(fixture, "accountID"),
             u"Account Number"_s);
    for (const char* hidden : {"remoteID", "bankID", "batchID", "providedByLabel", "bankCode"}) {
      QVERIFY2(fixture.hidden(hidden), hidden);
    }
    QCOMPARE(fixture.text("bankIDLabel"), u"Bank ID"_s);
  }
}

QTEST_MAIN(BankCaptionsTest)
#include "bank_captions_test.moc"

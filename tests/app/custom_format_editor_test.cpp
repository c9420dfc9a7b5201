// The custom format editor: the proposed name, loading, the validators when a box is left, Save
// and Delete with the main window's bank list, and activation reloading from the store.

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/custom_format_window.h"
#include "window_fixture.h"

using namespace ppexport;
using namespace ppexport::testing;

namespace {
struct EditorFixture : WindowFixture {
  app::CustomFormatWindow* editor = nullptr;

  // Starts the main window and opens the editor with the edit button, on bank as chosen first.
  void openEditor(const QString& bank = QString()) {
    if (!window) start();
    if (!bank.isEmpty()) {
      auto* banks = control<QComboBox>("bankList");
      banks->setCurrentIndex(banks->findText(bank));
    }
    control<QPushButton>("editFormat")->click();
    editor = window->customFormatEditor();
    QVERIFY(editor != nullptr);
  }
  template <typename Control>
  Control* in(const QString& name) const {
    return editor->findChild<Control*>(name);
  }
  QComboBox* field(int n) const { return in<QComboBox>(QStringLiteral("CustomField%1").arg(n)); }
  QLineEdit* length(int n) const { return in<QLineEdit>(QStringLiteral("FieldLength%1").arg(n)); }
  QLineEdit* name() const { return in<QLineEdit>(QStringLiteral("saveAsName")); }
  QComboBox* dateFormat() const { return in<QComboBox>(QStringLiteral("dateFormat")); }
  void click(const char* button) const { in<QPushButton>(QLatin1String(button))->click(); }
  std::string stored(const std::string& key) const {
    return const_cast<MemorySettingsStore&>(settings).readSetting(key).value_or("<absent>");
  }
};

// The user leaves a box for another control of the editor.
void leave(QWidget* box) {
  QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(box, &focusOut);
}

void sendToWindow(QWidget* window, QEvent::Type type) {
  QEvent event(type);
  QApplication::sendEvent(window, &event);
}
}  // namespace

class CustomFormatEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void addProposesADefaultName_data();
  void addProposesADefaultName();
  void theEditorHasEveryControl();
  void editLoadsTheStoredFormat();
  void fieldAndDateValidatorsSetTheDateLength();
  void lengthValidatorCorrectsTheBox_data();
  void lengthValidatorCorrectsTheBox();
  void saveStoresTheFormatAndShowsItInTheBankList();
  void saveRefusesAnIncompleteFormat();
  void deleteRemovesTheFormat();
  void activationReloadsButAMessageDoesNot();
};

void CustomFormatEditorTest::addProposesADefaultName_data() {
  QTest::addColumn<int>("stored");
  QTest::addColumn<QString>("proposed");
  QTest::newRow("none") << 0 << "Default";
  QTest::newRow("one") << 1 << "Default 2";
  QTest::newRow("two") << 2 << "Default 3";
}

void CustomFormatEditorTest::addProposesADefaultName() {
  QFETCH(int, stored);
  QFETCH(QString, proposed);
  EditorFixture fixture;
  for (int n = 1; n <= stored; ++n) {
    const std::string name = "Format " + std::to_string(n);
    fixture.settings.saveSetting("Custom Format: " + name, name);
  }
  fixture.openEditor();
  QCOMPARE(fixture.name()->text(), proposed);
  QCOMPARE(fixture.in<QLineEdit>(QStringLiteral("isVoidValue"))->text(), QStringLiteral("Yes"));
  QCOMPARE(fixture.dateFormat()->currentText(), QStringLiteral("MM/DD/YYYY"));
  QVERIFY(fixture.in<QRadioButton>(QStringLiteral("OptionCSV"))->isChecked());
  QVERIFY(fixture.length(1)->isHidden());
  QCOMPARE(fixture.field(1)->currentText(), QString());
}

void CustomFormatEditorTest::theEditorHasEveryControl() {
  EditorFixture fixture;
  fixture.openEditor();
  app::CustomFormatWindow* editor = fixture.editor;
  QCOMPARE(editor->objectName(), QStringLiteral("CustomFormat"));
  QCOMPARE(editor->windowTitle(), QStringLiteral("Custom Format"));
  QCOMPARE(editor->size(), QSize(530, 491));
  QCOMPARE(fixture.in<QRadioButton>(QStringLiteral("OptionCSV"))->text(),
           QStringLiteral("Comma Separated Values  (*.CSV)"));
  QCOMPARE(fixture.in<QRadioButton>(QStringLiteral("OptionFixed"))->text(),
           QStringLiteral("Fixed Length Fields (*.TXT)"));
  for (int n = 1; n <= 8; ++n) {
    QCOMPARE(fixture.in<QLabel>(QStringLiteral("FieldLabel%1").arg(n))->text(),
             QStringLiteral("Field %1").arg(n));
    QCOMPARE(fixture.in<QLabel>(QStringLiteral("LengthLabel%1").arg(n))->text(),
             QStringLiteral("Length"));
    QCOMPARE(fixture.field(n)->count(), 8);
    QCOMPARE(fixture.field(n)->itemText(7), QStringLiteral("Account Number"));
    QVERIFY(fixture.field(n)->isEditable());
  }
  QCOMPARE(fixture.field(1)->y() + 28, fixture.field(2)->y());  // rows 420 twips apart
  QCOMPARE(fixture.dateFormat()->count(), 15);
  QCOMPARE(fixture.dateFormat()->itemText(14), QStringLiteral("YYYYMMDD"));
  for (const char* label : {"dateLabel", "VoidLabel", "saveAsLabel", "Label1"}) {
    QVERIFY2(fixture.in<QLabel>(QLatin1String(label)) != nullptr, label);
  }
  QCOMPARE(fixture.in<QLabel>(QStringLiteral("saveAsLabel"))->text(),
           QStringLiteral("Custom Format"));
  QCOMPARE(fixture.in<QPushButton>(QStringLiteral("deleteFormat"))->text(),
           QStringLiteral("Delete"));
  QCOMPARE(fixture.in<QPushButton>(QStringLiteral("saveSettings"))->text(),
           QStringLiteral("Save"));
  QCOMPARE(fixture.in<QWidget>(QStringLiteral("Line1"))->geometry(), QRect(1, 428, 527, 1));
}

void CustomFormatEditorTest::editLoadsTheStoredFormat() {
  EditorFixture fixture;
  MemorySettingsStore& store = fixture.settings;
  store.saveSetting("Custom Format: Payroll", "Payroll");
  store.saveSetting("PayrollCustomField1", "Check Number");
  store.saveSetting("PayrollCustomField2", "Amount");
  store.saveSetting("PayrollCustomField3", "Stub text");  // not an offered field: shown as stored
  store.saveSetting("PayrollFieldLength1", "10");
  store.saveSetting("PayrollFieldLength2", "12");
  store.saveSetting("PayrollisVoidValue", "V");
  store.saveSetting("PayrolldateFormat", "YYYYMMDD");
  store.saveSetting("PayrollOptionCSV", "False");
  store.saveSetting("PayrollOptionFixed", "True");
  fixture.openEditor(QStringLiteral("Custom Format: Payroll"));
  QCOMPARE(fixture.name()->text(), QStringLiteral("Payroll"));
  QCOMPARE(fixture.field(1)->currentText(), QStringLiteral("Check Number"));
  QCOMPARE(fixture.field(2)->currentText(), QStringLiteral("Amount"));
  QCOMPARE(fixture.field(3)->currentText(), QStringLiteral("Stub text"));
  QCOMPARE(fixture.length(2)->text(), QStringLiteral("12"));
  QCOMPARE(fixture.in<QLineEdit>(QStringLiteral("isVoidValue"))->text(), QStringLiteral("V"));
  QCOMPARE(fixture.dateFormat()->currentText(), QStringLiteral("YYYYMMDD"));
  QVERIFY(fixture.in<QRadioButton>(QStringLiteral("OptionFixed"))->isChecked());
  QVERIFY(!fixture.length(1)->isHidden());
  QVERIFY(!fixture.in<QLabel>(QStringLiteral("LengthLabel8"))->isHidden());
  // Choosing comma-separated hides the lengths.
  fixture.in<QRadioButton>(QStringLiteral("OptionCSV"))->click();
  QVERIFY(fixture.length(1)->isHidden());
  QVERIFY(fixture.in<QLabel>(QStringLiteral("LengthLabel1"))->isHidden());
}

void CustomFormatEditorTest::fieldAndDateValidatorsSetTheDateLength() {
  EditorFixture fixture;
  fixture.openEditor();
  fixture.field(3)->setEditText(QStringLiteral("Date"));
  leave(fixture.field(3)->lineEdit());
  QCOMPARE(fixture.length(3)->text(), QStringLiteral("10"));
  fixture.dateFormat()->setEditText(QStringLiteral("YYYYMMDD"));
  QCOMPARE(fixture.length(3)->text(), QStringLiteral("10"));  // not before the box is left
  leave(fixture.dateFormat()->lineEdit());
  QCOMPARE(fixture.length(3)->text(), QStringLiteral("8"));
  // Another field leaves its length alone.
  fixture.field(4)->setEditText(QStringLiteral("Payee"));
  fixture.length(4)->setText(QStringLiteral("30"));
  leave(fixture.field(4)->lineEdit());
  QCOMPARE(fixture.length(4)->text(), QStringLiteral("30"));
}

void CustomFormatEditorTest::lengthValidatorCorrectsTheBox_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("corrected");
  QTest::newRow("padded") << " 007 " << "7";
  QTest::newRow("zero") << "0" << "";
  QTest::newRow("letters") << "abc" << "";
  QTest::newRow("negative") << "-12" << "12";
  QTest::newRow("half to even") << "2.5" << "2";
  QTest::newRow("beyond 32 bits") << " 99999999999 " << "99999999999";
}

void CustomFormatEditorTest::lengthValidatorCorrectsTheBox() {
  QFETCH(QString, typed);
  QFETCH(QString, corrected);
  EditorFixture fixture;
  fixture.openEditor();
  fixture.in<QRadioButton>(QStringLiteral("OptionFixed"))->click();
  fixture.length(5)->setText(typed);
  leave(fixture.length(5));
  QCOMPARE(fixture.length(5)->text(), corrected);
}

void CustomFormatEditorTest::saveStoresTheFormatAndShowsItInTheBankList() {
  EditorFixture fixture;
  fixture.settings.saveSetting("Custom Format: Older", "Older");
  fixture.start();
  fixture.control<QLineEdit>("fileName")->setText(QStringLiteral("/books/pay.txt"));
  fixture.openEditor();
  fixture.in<QRadioButton>(QStringLiteral("OptionFixed"))->click();
  fixture.field(1)->setCurrentIndex(fixture.field(1)->findText(QStringLiteral("Check Number")));
  fixture.length(1)->setText(QStringLiteral("10"));
  fixture.field(2)->setEditText(QStringLiteral("Date"));  // its length follows the pattern on Save
  fixture.name()->setText(QStringLiteral("  Payroll  "));
  fixture.click("saveSettings");

  QVERIFY(fixture.messages.shown.empty());
  QCOMPARE(fixture.stored("Custom Format: Payroll"), std::string("Payroll"));
  QCOMPARE(fixture.stored("PayrollCustomField1"), std::string("Check Number"));
  QCOMPARE(fixture.stored("PayrollFieldLength2"), std::string("10"));
  QCOMPARE(fixture.stored("PayrollOptionCSV"), std::string("False"));
  QCOMPARE(fixture.stored("PayrollOptionFixed"), std::string("True"));
  QCOMPARE(fixture.stored("PayrollisVoidValue"), std::string("Yes"));

  auto* banks = fixture.control<QComboBox>("bankList");
  QCOMPARE(banks->count(), 37);
  QCOMPARE(banks->itemText(1), QStringLiteral("Custom Format: Payroll"));
  QCOMPARE(banks->currentText(), QStringLiteral("Custom Format: Payroll"));
  QCOMPARE(fixture.control<QPushButton>("editFormat")->text(), QStringLiteral("Edit"));
  QVERIFY(!fixture.control<QWidget>("accountID")->isHidden());
  QCOMPARE(fixture.control<QLineEdit>("fileName")->text(), QStringLiteral("/books/pay.txt"));
  QTRY_VERIFY(fixture.window->customFormatEditor() == nullptr);

  // Edit it into a comma-separated format: the output file follows.
  fixture.openEditor();
  QCOMPARE(fixture.name()->text(), QStringLiteral("Payroll"));
  QCOMPARE(fixture.length(1)->text(), QStringLiteral("10"));
  fixture.in<QRadioButton>(QStringLiteral("OptionCSV"))->click();
  fixture.click("saveSettings");
  QCOMPARE(fixture.stored("PayrollOptionCSV"), std::string("True"));
  QCOMPARE(fixture.control<QLineEdit>("fileName")->text(), QStringLiteral("/books/pay.csv"));
  QCOMPARE(banks->count(), 37);
}

void CustomFormatEditorTest::saveRefusesAnIncompleteFormat() {
  EditorFixture fixture;
  fixture.openEditor();
  fixture.click("saveSettings");
  QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
  QCOMPARE(fixture.messages.shown[0].icon, QMessageBox::Critical);
  QCOMPARE(fixture.messages.shown[0].text,
           QStringLiteral("To save a custom format, specify at least one field."));

  fixture.in<QRadioButton>(QStringLiteral("OptionFixed"))->click();
  fixture.field(1)->setEditText(QStringLiteral("Payee"));
  fixture.length(1)->setText(QStringLiteral("30"));
  fixture.field(2)->setEditText(QStringLiteral("Amount"));
  fixture.click("saveSettings");
  QCOMPARE(fixture.messages.shown.size(), std::size_t{2});
  QCOMPARE(fixture.messages.shown[1].text,
           QStringLiteral("To save a fixed length field custom format, specify the field length "
                          "as a number for each field selected."));
  QVERIFY(fixture.settings.enumerate().empty());
  // The editor stays open with everything as entered.
  QVERIFY(fixture.window->customFormatEditor() != nullptr);
  QCOMPARE(fixture.field(2)->currentText(), QStringLiteral("Amount"));

  // Only field 8 filled is enough for a comma-separated format.
  fixture.in<QRadioButton>(QStringLiteral("OptionCSV"))->click();
  fixture.field(1)->setEditText(QString());
  fixture.field(2)->setEditText(QString());
  fixture.field(8)->setEditText(QStringLiteral("Memo"));
  fixture.click("saveSettings");
  QCOMPARE(fixture.messages.shown.size(), std::size_t{2});
  QCOMPARE(fixture.stored("DefaultCustomField8"), std::string("Memo"));
}

void CustomFormatEditorTest::deleteRemovesTheFormat() {
  EditorFixture fixture;
  fixture.settings.saveSetting("Custom Format: Payroll", "Payroll");
  fixture.settings.saveSetting("PayrollCustomField1", "Payee");
  fixture.settings.saveSetting("Custom Format: Vendors", "Vendors");
  fixture.openEditor(QStringLiteral("Custom Format: Payroll"));
  fixture.click("deleteFormat");
  QVERIFY(fixture.messages.shown.empty());
  QCOMPARE(fixture.stored("Custom Format: Payroll"), std::string("<absent>"));
  QCOMPARE(fixture.stored("PayrollCustomField1"), std::string("<absent>"));
  auto* banks = fixture.control<QComboBox>("bankList");
  QCOMPARE(banks->count(), 36);
  QCOMPARE(banks->itemText(0), QStringLiteral("Custom Format: Vendors"));
  QCOMPARE(banks->currentText(), QString());
  QCOMPARE(fixture.control<QPushButton>("editFormat")->text(), QStringLiteral("Add"));
  QTRY_VERIFY(fixture.window->customFormatEditor() == nullptr);

  // A name with spaces around it removes nothing, yet the editor closes.
  fixture.openEditor(QStringLiteral("Custom Format: Vendors"));
  fixture.name()->setText(QStringLiteral(" Vendors "));
  fixture.click("deleteFormat");
  QCOMPARE(fixture.stored("Custom Format: Vendors"), std::string("Vendors"));
  QTRY_VERIFY(fixture.window->customFormatEditor() == nullptr);
}

void CustomFormatEditorTest::activationReloadsButAMessageDoesNot() {
  EditorFixture fixture;
  fixture.settings.saveSetting("Custom Format: Payroll", "Payroll");
  fixture.settings.saveSetting("PayrollCustomField1", "Payee");
  fixture.openEditor(QStringLiteral("Custom Format: Payroll"));
  fixture.field(1)->setEditText(QString());
  fixture.click("saveSettings");  // refused: no field
  QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
  // The editor comes back to the front when the message closes: the entries stay.
  sendToWindow(fixture.editor, QEvent::WindowActivate);
  QCOMPARE(fixture.field(1)->currentText(), QString());
  // Going to the main window and back discards what was not saved.
  sendToWindow(fixture.editor, QEvent::WindowDeactivate);
  sendToWindow(fixture.editor, QEvent::WindowActivate);
  QCOMPARE(fixture.field(1)->currentText(), QStringLiteral("Payee"));
}

QTEST_MAIN(CustomFormatEditorTest)
#include "custom_format_editor_test.moc"
